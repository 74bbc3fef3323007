#include "core/store/SettingsFile.h"

#include "core/platform/AppPaths.h"
#include "core/platform/IniFile.h"
#include "core/platform/Prompter.h"
#include "core/store/Nz.h"

#include <QDir>
#include <QSet>
#include <cmath>

namespace {

// Files whose last write failed and was reported.
QSet<QString> gReportedFailures;

QString iniPath(const QString& BaseName) { return AppPaths::file(BaseName + QStringLiteral(".ini")); }

QString asText(const QVariant& Value) { return Value.isNull() ? QString() : Value.toString(); }

template <typename T>
T readWhole(const QString& Section, const QString& Key, T Default, const QString& BaseName,
            T (*convert)(const QVariant&))
{
    const QVariant text(ReadIniValue(Section, Key, Default, BaseName));
    if (!ReadsAsNumber(text))
        return Default;
    try {
        return convert(text);
    } catch (const OverflowError&) {
        return Default;
    }
}

} // namespace

QString ReadIniValue(const QString& Section, const QString& Key, const QVariant& Default, const QString& BaseName)
{
    IniFile ini(iniPath(BaseName));
    ini.load(); // an unreadable file reads as an empty one
    return ini.value(Section, Key, asText(Default));
}

bool WriteIniValue(const QString& Section, const QString& Key, const QVariant& Value, const QString& BaseName)
{
    const QString path = iniPath(BaseName);
    IniFile ini(path);
    if (ini.load()) {
        ini.setValue(Section, Key, asText(Value));
        if (ini.save()) {
            gReportedFailures.remove(path);
            return true;
        }
    }
    if (!gReportedFailures.contains(path)) {
        gReportedFailures.insert(path);
        prompter().message(
            QStringLiteral("Unable to save settings to %1: %2").arg(QDir::toNativeSeparators(path), ini.errorString()));
    }
    return false;
}

Integer ReadIniInteger(const QString& Section, const QString& Key, Integer Default, const QString& BaseName)
{
    return readWhole<Integer>(Section, Key, Default, BaseName, &NzInteger);
}

Long ReadIniLong(const QString& Section, const QString& Key, Long Default, const QString& BaseName)
{
    return readWhole<Long>(Section, Key, Default, BaseName, &NzLong);
}

double ReadIniDouble(const QString& Section, const QString& Key, double Default, const QString& BaseName)
{
    double number = 0;
    if (!ReadsAsNumber(QVariant(ReadIniValue(Section, Key, Default, BaseName)), &number) || !std::isfinite(number))
        return Default;
    return number;
}

QString ReadIniNumberText(const QString& Section, const QString& Key, const QString& Default, const QString& BaseName)
{
    const QString text = ReadIniValue(Section, Key, Default, BaseName);
    double number = 0;
    return ReadsAsNumber(QVariant(text), &number) && std::isfinite(number) ? text : Default;
}
