#pragma once

#include "core/platform/RegistryStore.h"

#include <QString>
#include <vector>

// Registers the database engine's OLE 2.0 link handler class in the
// registry store, and remembers the path of every key it opens so that a
// handle can be turned back into a readable path.
class DAORegister {
public:
    explicit DAORegister(RegistryStore& store);

    // Writes the three link-handler entries in order; at the first failure
    // it stops, the failing step having shown the registration error.
    void RegisterDAO();

    // Creates or opens KeyName\SubKeyName below the root handle; False
    // without a message when KeyName is empty.
    bool CreateRegKey(Long RootKey, const QString& KeyName, QString SubKeyName, Long& Handle);
    // An empty ValueName writes the key's default value.
    bool SetRegString(Long Key, const QString& ValueName, const QString& Data);
    bool CloseRegKey(Long Key);

    // The root key's name, the remembered path of an opened key, or "".
    QString RegKeyPath(Long Key) const;
    // The entry of mtypRegKeys holding the handle, or -1.
    int FindRegKeyHandle(Long Key) const;
    void RememberRegKey(Long Key, const QString& Path);
    static QString RootKeyName(Long Key);

    struct RegKey {
        Long KeyHandle = 0;
        QString KeyPath;
    };
    // Every handle received, with its path; entries are never removed.
    const std::vector<RegKey>& regKeys() const { return mtypRegKeys; }

private:
    void showError() const;

    RegistryStore& mStore;
    std::vector<RegKey> mtypRegKeys;
};

// The message shown when a registry step fails.
inline constexpr char RegistrationErrorText[]
    = "Error registering DAO.  If this problem persists, please contact support.";

// The first start with a settings file registers the link handler: when
// [Defaults] DAORegistered is 0 it runs RegisterDAO and then stores
// DAORegistered = 1, whatever the outcome, so it is tried once per settings
// file. True when the registration was tried.
bool RegisterLinkHandlerOnce();
