#include "core/store/DAORegister.h"

#include "core/platform/AppPaths.h"
#include "core/platform/Prompter.h"
#include "core/store/SettingsKeys.h"

namespace {

const QString kLinkClass = QStringLiteral("CLSID\\{F7A9C6E0-EFF2-101A-8185-00DD01108C6B}");

} // namespace

DAORegister::DAORegister(RegistryStore& store)
    : mStore(store)
{
}

void DAORegister::showError() const { prompter().message(QString::fromLatin1(RegistrationErrorText)); }

void DAORegister::RegisterDAO()
{
    const struct {
        QString key;
        QString value;
    } entries[] = {
        {kLinkClass, QStringLiteral("OLE 2.0 Link")},
        {kLinkClass + QStringLiteral("\\InprocHandler"), QStringLiteral("ole2.dll")},
        {kLinkClass + QStringLiteral("\\ProgID"), QStringLiteral("Access.OLE2Link")},
    };
    for (const auto& entry : entries) {
        Long handle = 0;
        if (!CreateRegKey(RegistryStore::HKEY_CLASSES_ROOT, entry.key, QString(), handle)
            || !SetRegString(handle, QString(), entry.value))
            return;
        CloseRegKey(handle);
    }
}

bool DAORegister::CreateRegKey(Long RootKey, const QString& KeyName, QString SubKeyName, Long& Handle)
{
    if (KeyName.isEmpty())
        return false;
    if (SubKeyName.startsWith(u'\\'))
        SubKeyName.remove(0, 1);
    const QString path = SubKeyName.isEmpty() ? KeyName : KeyName + u'\\' + SubKeyName;
    const QString rootPath = RegKeyPath(RootKey);
    if (mStore.createKey(RootKey, path, &Handle) != 0) {
        showError();
        return false;
    }
    RememberRegKey(Handle, rootPath + u'\\' + path);
    return true;
}

bool DAORegister::SetRegString(Long Key, const QString& ValueName, const QString& Data)
{
    if (Key == 0)
        return false;
    if (mStore.setStringValue(Key, ValueName, Data) != 0) {
        showError();
        return false;
    }
    return true;
}

bool DAORegister::CloseRegKey(Long Key) { return mStore.closeKey(Key) == 0; }

QString DAORegister::RegKeyPath(Long Key) const
{
    const QString root = RootKeyName(Key);
    if (!root.isEmpty())
        return root;
    const int index = FindRegKeyHandle(Key);
    return index >= 0 ? mtypRegKeys[static_cast<std::size_t>(index)].KeyPath : QString();
}

int DAORegister::FindRegKeyHandle(Long Key) const
{
    for (std::size_t i = 0; i < mtypRegKeys.size(); ++i) {
        if (mtypRegKeys[i].KeyHandle == Key)
            return static_cast<int>(i);
    }
    return -1;
}

void DAORegister::RememberRegKey(Long Key, const QString& Path)
{
    const int index = FindRegKeyHandle(Key);
    if (index >= 0)
        mtypRegKeys[static_cast<std::size_t>(index)].KeyPath = Path;
    else
        mtypRegKeys.push_back({Key, Path});
}

QString DAORegister::RootKeyName(Long Key) { return RegistryStore::rootName(Key); }

bool RegisterLinkHandlerOnce()
{
    if (ReadLongSetting(DAORegisteredKey) != 0)
        return false;
    RegistryStore store(AppPaths::registryFile());
    DAORegister(store).RegisterDAO();
    WriteSetting(DAORegisteredKey, 1);
    return true;
}
