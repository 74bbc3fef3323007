// Times the start-up read of Defaults.ini (every key LoadSettings reads, and
// the product web site) from a settings file of 1 MB and of 10 MB, made of
// key lines or of blank lines, and the memory the read takes at its peak.
// Run by hand; prints its figures.

#include "BenchSupport.h"
#include "core/platform/AppPaths.h"
#include "core/platform/FileStamp.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SettingsKeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

const QByteArray kStartupKeys = "[Display]\nRotateScreens=1\nCurrencySymbol=$\nHandTimer=5\n"
                                "[Sounds]\nSoundsToPlay1=2\n[Defaults]\nProductWebSite=https://example.org\n";

// The kilobytes of memory the process holds now, or at its peak ("VmHWM").
long memoryKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(static_cast<qsizetype>(qstrlen(field))).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void resetPeakMemory()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// A settings file of about `size` bytes: the start-up keys, then filler.
bool writeSettings(const QString& path, qsizetype size, bool blankLines)
{
    QByteArray content = kStartupKeys;
    content.reserve(size + 64);
    if (blankLines) {
        content.append(size - content.size(), '\n');
    } else {
        content += "[Filler]\n";
        for (int i = 0; content.size() < size; ++i)
            content += "Filler" + QByteArray::number(i) + "=some value of the filler\n";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return false;
    file.close();
    // A settings file read at start-up was written a while before.
    const qint64 aMinuteAgo = WallClockNs() - 60LL * 1'000'000'000;
    const timespec times[2] = {{0, UTIME_OMIT}, {aMinuteAgo / 1'000'000'000, aMinuteAgo % 1'000'000'000}};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("%-24s %10s %12s %14s\n", "Defaults.ini", "read ms", "peak MB", "peak / size");
    for (const qsizetype megabytes : {1, 10}) {
        for (const bool blankLines : {false, true}) {
            QTemporaryDir dir;
            AppPaths::setDataFolder(dir.path());
            const qsizetype size = megabytes * 1024 * 1024;
            if (!dir.isValid() || !writeSettings(AppPaths::settingsFile(), size, blankLines)) {
                std::fprintf(stderr, "The settings file cannot be written.\n");
                return 1;
            }
            const long before = memoryKb("VmRSS:");
            resetPeakMemory();
            QElapsedTimer timer;
            timer.start();
            ProgramSettings settings;
            LoadSettings(settings);
            const QString site = ReadSetting(ProductWebSiteKey);
            const double ms = ElapsedMs(timer);
            const double peakMb = static_cast<double>(memoryKb("VmHWM:") - before) / 1024.0;
            if (site != QStringLiteral("https://example.org") || settings.gintHandTimer != 5) {
                std::fprintf(stderr, "The settings were read wrongly.\n");
                return 1;
            }
            std::printf("%2lld MB of %-15s %10.1f %12.1f %14.1f\n", static_cast<long long>(megabytes),
                        blankLines ? "blank lines" : "key lines", ms, peakMb, peakMb / static_cast<double>(megabytes));
        }
    }
    AppPaths::setDataFolder(QString());
    return 0;
}
