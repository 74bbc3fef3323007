#include "core/platform/RegistryStore.h"

#include "core/platform/IniFile.h"

namespace {

// A value's key within its key's section; "@" holds the default value.
QString valueKey(const QString& valueName) { return valueName.isEmpty() ? QStringLiteral("@") : valueName; }

} // namespace

RegistryStore::RegistryStore(QString file)
    : mFile(std::move(file))
{
}

QString RegistryStore::rootName(Long handle)
{
    switch (handle) {
    case HKEY_CLASSES_ROOT:
        return QStringLiteral("HKEY_CLASSES_ROOT");
    case HKEY_CURRENT_USER:
        return QStringLiteral("HKEY_CURRENT_USER");
    case HKEY_LOCAL_MACHINE:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    case HKEY_USERS:
        return QStringLiteral("HKEY_USERS");
    default:
        return QString();
    }
}

std::optional<QString> RegistryStore::pathOf(Long handle) const
{
    const QString root = rootName(handle);
    if (!root.isEmpty())
        return root;
    const auto it = mOpen.find(handle);
    if (it == mOpen.end())
        return std::nullopt;
    return it.value();
}

Long RegistryStore::createKey(Long parent, const QString& subKey, Long* handle)
{
    const std::optional<QString> parentPath = pathOf(parent);
    if (!parentPath)
        return ErrorInvalidHandle;
    const QString path = subKey.isEmpty() ? *parentPath : *parentPath + u'\\' + subKey;

    IniFile ini(mFile);
    if (!ini.load())
        return ErrorAccessDenied;
    ini.addSection(path);
    if (!ini.save())
        return ErrorAccessDenied;

    Long next = 1;
    while (mOpen.contains(next))
        ++next;
    mOpen.insert(next, path);
    *handle = next;
    return 0;
}

Long RegistryStore::setStringValue(Long key, const QString& valueName, const QString& data)
{
    const std::optional<QString> path = pathOf(key);
    if (!path)
        return ErrorInvalidHandle;
    IniFile ini(mFile);
    if (!ini.load())
        return ErrorAccessDenied;
    ini.setValue(*path, valueKey(valueName), data);
    return ini.save() ? 0 : ErrorAccessDenied;
}

Long RegistryStore::closeKey(Long key)
{
    if (!rootName(key).isEmpty())
        return 0;
    return mOpen.remove(key) > 0 ? 0 : ErrorInvalidHandle;
}

bool RegistryStore::keyExists(const QString& path) const
{
    IniFile ini(mFile);
    return ini.load() && ini.hasSection(path);
}

std::optional<QString> RegistryStore::stringValue(const QString& path, const QString& valueName) const
{
    IniFile ini(mFile);
    if (!ini.load())
        return std::nullopt;
    return ini.value(path, valueKey(valueName));
}
