#pragma once

#include "core/platform/ModelTypes.h"

#include <QMap>
#include <QString>
#include <optional>

// A small registry kept in a file (registry.ini in the data folder): keys
// named by paths that begin with a root key's name, such as
// "HKEY_CLASSES_ROOT\CLSID\{...}", each holding named string values; the
// empty name is the key's default value. Keys are opened through handles as
// on the system registry: a root key's fixed handle or one handed out when a
// key is created or opened. Every change is written to the file at once.
// Results are 0 on success, else an error number.
class RegistryStore {
public:
    static constexpr Long HKEY_CLASSES_ROOT = static_cast<Long>(0x80000000u);
    static constexpr Long HKEY_CURRENT_USER = static_cast<Long>(0x80000001u);
    static constexpr Long HKEY_LOCAL_MACHINE = static_cast<Long>(0x80000002u);
    static constexpr Long HKEY_USERS = static_cast<Long>(0x80000003u);

    static constexpr Long ErrorAccessDenied = 5;
    static constexpr Long ErrorInvalidHandle = 6;

    explicit RegistryStore(QString file);

    // Creates the key (or opens it when it exists) below an open key and
    // hands out a new handle for it. A closed handle's value is handed out
    // again.
    Long createKey(Long parent, const QString& subKey, Long* handle);
    // Writes a string value; an empty name writes the default value.
    Long setStringValue(Long key, const QString& valueName, const QString& data);
    Long closeKey(Long key);

    bool keyExists(const QString& path) const;
    std::optional<QString> stringValue(const QString& path, const QString& valueName) const;

    // The name of a root key, or nothing for any other handle.
    static QString rootName(Long handle);

private:
    std::optional<QString> pathOf(Long handle) const;

    QString mFile;
    QMap<Long, QString> mOpen; // handed-out handle -> key path
};
