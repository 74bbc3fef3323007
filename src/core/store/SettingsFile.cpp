#include "core/store/SettingsFile.h"

#include "core/platform/AppPaths.h"
#include "core/platform/FileStamp.h"
#include "core/platform/IniFile.h"
#include "core/platform/Prompter.h"
#include "core/store/Nz.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <cmath>

namespace {

// Files whose last write failed and was reported.
QSet<QString> gReportedFailures;

QString iniPath(const QString& BaseName) { return AppPaths::file(BaseName + QStringLiteral(".ini")); }

// Start-up reads a hundred keys or more: each settings file is parsed once
// and its copy reused while the file stays as it was. A copy read within a
// second of the file's last change is not relied on (a file time is coarser
// than the time between two quick writes of the same size); one that we wrote
// ourselves is.
struct ParsedFile {
    IniFile ini;
    FileStamp stamp;
    bool settled = false;
};

constexpr qint64 kSettleNs = 1'000'000'000;

QHash<QString, ParsedFile>& parsedFiles()
{
    static QHash<QString, ParsedFile> files;
    return files;
}

const IniFile& parsed(const QString& path)
{
    const FileStamp stamp = StampOf(path);
    auto found = parsedFiles().find(path);
    if (found != parsedFiles().end() && found->settled && found->stamp == stamp)
        return found->ini;
    ParsedFile file {IniFile(path), stamp};
    file.settled = !stamp.exists || stamp.modifiedNs < WallClockNs() - kSettleNs;
    file.ini.load(); // an unreadable file reads as an empty one
    return parsedFiles().insert(path, std::move(file))->ini;
}

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
    return parsed(iniPath(BaseName)).value(Section, Key, asText(Default));
}

bool WriteIniValue(const QString& Section, const QString& Key, const QVariant& Value, const QString& BaseName)
{
    const QString path = iniPath(BaseName);
    IniFile ini = parsed(path); // a copy: the parsed one stays as the file is until the write has worked
    if (ini.errorString().isEmpty()) { // read without fault
        ini.setValue(Section, Key, asText(Value));
        if (ini.save()) {
            parsedFiles().insert(path, {ini, StampOf(path), true});
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
