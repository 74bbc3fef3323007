#include "UpgradeTestFolder.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>

namespace {

const QString kHint = QStringLiteral("\n\nPlease make sure you do not have Zorvane running.");
const QString kNoProgram = QStringLiteral("The new program tool/upgrademe.bin is not a program for this computer; it "
                                          "may be a download that went wrong. Nothing was changed.");
// What a download that went wrong saves: the server's error page.
const QByteArray kErrorPage = "<html><body>404 Not Found</body></html>\n";

} // namespace

TEST(UpgradeEngine, EachFailedCheckTouchesNothing)
{
    struct Case {
        QString message; // without the temporary folder's path
        std::function<void(UpgradeFolder&, FailingFiles&)> arrange;
    };
    const QString notFound = QStringLiteral(
        "No previous version of Zorvane found at the location specified.  Please enter a valid location.");
    const Case cases[] = {
        {notFound, [](auto& f, auto&) { f.paths.program += u'*'; }},
        {notFound, [](auto& f, auto&) { f.paths.program = f.file(QStringLiteral("tool")); }},
        {"The new program tool/upgrademe.bin was not found." + kHint,
         [](auto& f, auto&) { QFile::remove(f.paths.newProgram); }},
        {"The new program tool/upgrademe.bin is empty." + kHint,
         [](auto& f, auto&) { UpgradeFolder::write(f.paths.newProgram, {}); }},
        {"The new program tool/upgrademe.bin cannot be read." + kHint,
         [](auto& f, auto& files) { files.unreadable.insert(f.paths.newProgram); }},
        {"The database data/zr.mdb was not found." + kHint, [](auto& f, auto&) { QFile::remove(f.paths.database); }},
        // A program for another kind of computer, an object file, a download
        // cut short.
        {kNoProgram, [](auto& f, auto&) { UpgradeFolder::write(f.paths.newProgram, Program("arm", 18, 2)); }},
        {kNoProgram, [](auto& f, auto&) { UpgradeFolder::write(f.paths.newProgram, Program("obj", 16, 1)); }},
        {kNoProgram,
         [](auto& f, auto&) { UpgradeFolder::write(f.paths.newProgram, UpgradeFolder::NewProgram().left(100)); }},
        {"Zorvane is running: it holds data/zrv.lock." + kHint, [](auto& f, auto&) { f.holdLock(); }},
        // Not a running ZRV: the system's own reason.
        {"Could not create the lock data/gone/zrv.lock: No such file or directory." + kHint,
         [](auto& f, auto&) { f.paths.lock = f.file(QStringLiteral("data/gone/zrv.lock")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        UpgradeFolder folder;
        FailingFiles files;
        c.arrange(folder, files);
        const auto before = folder.snapshot();

        const UpgradeResult result = RunUpgrade(folder.paths, files);

        EXPECT_FALSE(result.complete);
        EXPECT_EQ(folder.relative(result.message), c.message);
        EXPECT_EQ(folder.snapshot(), before);
        EXPECT_EQ(files.actions, 0);
    }
}

TEST(UpgradeEngine, PutsTheNewProgramInPlaceAndASecondUpgradeReplacesBothBackups)
{
    UpgradeFolder folder;
    const UpgradePaths& p = folder.paths;
    DiskFileOperations disk;
    const QString prev = QStringLiteral(".prev");

    EXPECT_EQ(RunUpgrade(p, disk).message, QStringLiteral("Upgrade complete."));
    EXPECT_EQ(UpgradeFolder::read(p.program), UpgradeFolder::NewProgram());
    EXPECT_EQ(QFile::permissions(p.program), UpgradeFolder::kExecutable);
    EXPECT_EQ(UpgradeFolder::read(p.program + prev), UpgradeFolder::OldProgram());
    EXPECT_EQ(QFile::permissions(p.program + prev), UpgradeFolder::kExecutable);
    EXPECT_EQ(UpgradeFolder::read(p.database + prev), "database");

    UpgradeFolder::write(p.newProgram, Program("newer program"));
    UpgradeFolder::write(p.database, "database, upgraded by the new program");
    EXPECT_TRUE(RunUpgrade(p, disk).complete);

    EXPECT_EQ(UpgradeFolder::read(p.program), Program("newer program"));
    EXPECT_EQ(UpgradeFolder::read(p.program + prev), UpgradeFolder::NewProgram());
    EXPECT_EQ(UpgradeFolder::read(p.database + prev), "database, upgraded by the new program");
    // upgrademe.bin, the half-made files and the lock are gone.
    EXPECT_EQ(folder.snapshot().keys(),
              (QStringList {QStringLiteral("data/zr.mdb"), QStringLiteral("data/zr.mdb.prev"),
                            QStringLiteral("tool/ZRV"), QStringLiteral("tool/ZRV.prev")}));
}

TEST(UpgradeEngine, ADownloadThatWentWrongIsRefusedEveryTimeAndABrokenProgramIsNoBackup)
{
    UpgradeFolder folder;
    const UpgradePaths& p = folder.paths;
    DiskFileOperations disk;
    UpgradeFolder::write(p.newProgram, kErrorPage);
    const auto before = folder.snapshot();
    for (int attempt = 1; attempt <= 2; ++attempt) {
        const UpgradeResult result = RunUpgrade(p, disk);
        EXPECT_FALSE(result.complete);
        EXPECT_EQ(folder.relative(result.message), kNoProgram);
        EXPECT_EQ(folder.snapshot(), before) << attempt;
    }

    // What such an upgrade left behind before: the error page installed, the
    // old program only as the backup. A good download replaces the page and
    // keeps that backup; the new program can be started.
    UpgradeFolder::write(p.program, kErrorPage);
    QFile::setPermissions(p.program, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    UpgradeFolder::write(p.program + ".prev", UpgradeFolder::OldProgram());
    UpgradeFolder::write(p.newProgram, UpgradeFolder::NewProgram());
    const UpgradeResult result = RunUpgrade(p, disk);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(folder.relative(result.message),
              "Upgrade complete.\n\nThe program replaced was not a program for this computer, so it was not kept as "
              "tool/ZRV.prev. tool/ZRV.prev is the program kept before it.");
    EXPECT_EQ(UpgradeFolder::read(p.program), UpgradeFolder::NewProgram());
    EXPECT_TRUE(QFile::permissions(p.program) & QFileDevice::ExeOwner);
    EXPECT_EQ(UpgradeFolder::read(p.program + ".prev"), UpgradeFolder::OldProgram());
}

TEST(UpgradeEngine, AFailedActionLeavesTheProgramAsItWasAndNoHalfMadeFiles)
{
    struct Case {
        std::set<int> failing;
        QString message; // without the temporary folder's path
        bool complete;
        int leftovers;
    };
    const QString fire = QStringLiteral(": Disk on fire.");
    const Case cases[] = {
        {{1}, "Could not copy tool/ZRV to tool/ZRV.prev.tmp" + fire + kHint, false, 0},
        {{2}, "Could not rename tool/ZRV.prev.tmp to tool/ZRV.prev" + fire + kHint, false, 0},
        {{3}, "Could not copy data/zr.mdb to data/zr.mdb.prev.tmp" + fire + kHint, false, 0},
        {{4}, "Could not rename data/zr.mdb.prev.tmp to data/zr.mdb.prev" + fire + kHint, false, 0},
        {{5}, "Could not copy tool/upgrademe.bin to tool/ZRV.new" + fire + kHint, false, 0},
        {{6}, "Could not set the permissions of tool/ZRV.new" + fire + kHint, false, 0},
        {{7}, "Could not rename tool/ZRV.new to tool/ZRV" + fire + kHint, false, 0},
        // The clearing up fails too: said, and the program is still whole.
        {{6, 7},
         "Could not set the permissions of tool/ZRV.new" + fire + "\nCould not remove tool/ZRV.new" + fire + kHint,
         false,
         1},
        // Only upgrademe.bin stays behind: the upgrade is complete.
        {{8}, "Upgrade complete.\n\nCould not remove tool/upgrademe.bin" + fire, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        UpgradeFolder folder;
        FailingFiles files;
        files.failing = c.failing;
        const auto before = folder.snapshot();

        const UpgradeResult result = RunUpgrade(folder.paths, files);

        EXPECT_EQ(result.complete, c.complete);
        EXPECT_EQ(folder.relative(result.message), c.message);
        const auto after = folder.snapshot();
        for (const char* kept : {"tool/ZRV", "data/zr.mdb", "tool/upgrademe.bin"})
            EXPECT_TRUE(c.complete || after.value(QString::fromLatin1(kept)) == before.value(QString::fromLatin1(kept)))
                << kept;
        EXPECT_EQ(std::count_if(after.keyBegin(), after.keyEnd(),
                                [](const QString& name) {
                                    return name.endsWith(QStringLiteral(".tmp"))
                                        || name.endsWith(QStringLiteral(".new"))
                                        || name.endsWith(QStringLiteral(".lock"));
                                }),
                  c.leftovers);
    }
}

TEST(UpgradeEngine, AWriteCutShortGivesTheSystemsReason)
{
    // A file size limit cuts a write short as a filling disk does: the first
    // write stops at the limit without an error, the next one fails.
    UpgradeFolder folder;
    UpgradeFolder::write(folder.paths.database, QByteArray(300 * 1024, 'x'));
    const auto before = folder.snapshot();
    rlimit limit {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit kept = limit;
    limit.rlim_cur = 100 * 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    DiskFileOperations disk;
    const UpgradeResult result = RunUpgrade(folder.paths, disk);
    setrlimit(RLIMIT_FSIZE, &kept);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result.complete);
    EXPECT_EQ(folder.relative(result.message),
              "Could not copy data/zr.mdb to data/zr.mdb.prev.tmp: " + QString::fromLocal8Bit(std::strerror(EFBIG))
                  + '.' + kHint);
    const auto after = folder.snapshot();
    EXPECT_EQ(after.value(QStringLiteral("tool/ZRV")), before.value(QStringLiteral("tool/ZRV")));
    EXPECT_FALSE(after.contains(QStringLiteral("data/zr.mdb.prev.tmp")));
}
