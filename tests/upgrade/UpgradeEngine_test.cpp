#include "UpgradeTestFolder.h"

#include <QLockFile>
#include <functional>
#include <memory>

namespace {

const QString kHint = QStringLiteral("\n\nPlease make sure you do not have Zorvane running.");

} // namespace

TEST(UpgradeEngine, EachFailedCheckTouchesNothing)
{
    struct Case {
        const char* name;
        std::function<void(UpgradeFolder&, FailingFiles&, std::unique_ptr<QLockFile>&)> arrange;
        std::function<QString(const UpgradePaths&)> message;
    };
    const QString notFound = QStringLiteral(
        "No previous version of Zorvane found at the location specified.  Please enter a valid location.");
    const Case cases[] = {
        {"no program at the path", [](auto& f, auto&, auto&) { f.paths.program += QStringLiteral("*"); },
         [&](auto&) { return notFound; }},
        {"a folder at the path", [](auto& f, auto&, auto&) { f.paths.program = f.file(QStringLiteral("tool")); },
         [&](auto&) { return notFound; }},
        {"no new program", [](auto& f, auto&, auto&) { QFile::remove(f.paths.newProgram); },
         [](auto& p) { return QStringLiteral("The new program %1 was not found.").arg(p.newProgram) + kHint; }},
        {"an empty new program", [](auto& f, auto&, auto&) { UpgradeFolder::write(f.paths.newProgram, {}); },
         [](auto& p) { return QStringLiteral("The new program %1 is empty.").arg(p.newProgram) + kHint; }},
        {"an unreadable new program", [](auto& f, auto& files, auto&) { files.unreadable.insert(f.paths.newProgram); },
         [](auto& p) { return QStringLiteral("The new program %1 cannot be read.").arg(p.newProgram) + kHint; }},
        {"no database", [](auto& f, auto&, auto&) { QFile::remove(f.paths.database); },
         [](auto& p) { return QStringLiteral("The database %1 was not found.").arg(p.database) + kHint; }},
        {"ZRV running",
         [](auto& f, auto&, auto& held) {
             held = std::make_unique<QLockFile>(f.paths.lock);
             ASSERT_TRUE(held->tryLock(0));
         },
         [](auto& p) { return QStringLiteral("Zorvane is running: it holds %1.").arg(p.lock) + kHint; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UpgradeFolder folder;
        FailingFiles files;
        std::unique_ptr<QLockFile> held;
        c.arrange(folder, files, held);
        const auto before = folder.snapshot();

        const UpgradeResult result = RunUpgrade(folder.paths, files);

        EXPECT_FALSE(result.complete);
        EXPECT_EQ(result.message, c.message(folder.paths));
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

    const UpgradeResult first = RunUpgrade(p, disk);

    EXPECT_TRUE(first.complete);
    EXPECT_EQ(first.message, QStringLiteral("Upgrade complete."));
    EXPECT_EQ(UpgradeFolder::read(p.program), "new program");
    EXPECT_EQ(QFile::permissions(p.program), UpgradeFolder::kExecutable);
    EXPECT_EQ(UpgradeFolder::read(p.program + prev), "old program");
    EXPECT_EQ(QFile::permissions(p.program + prev), UpgradeFolder::kExecutable);
    EXPECT_EQ(UpgradeFolder::read(p.database + prev), "database");

    UpgradeFolder::write(p.newProgram, "newer program");
    UpgradeFolder::write(p.database, "database, upgraded by the new program");
    EXPECT_TRUE(RunUpgrade(p, disk).complete);

    EXPECT_EQ(UpgradeFolder::read(p.program), "newer program");
    EXPECT_EQ(UpgradeFolder::read(p.program + prev), "new program");
    EXPECT_EQ(UpgradeFolder::read(p.database + prev), "database, upgraded by the new program");
    // upgrademe.bin, the half-made files and the lock are gone.
    EXPECT_EQ(folder.snapshot().keys(),
              (QStringList {QStringLiteral("data/zr.mdb"), QStringLiteral("data/zr.mdb.prev"),
                            QStringLiteral("tool/ZRV"), QStringLiteral("tool/ZRV.prev")}));
}

TEST(UpgradeEngine, AFailedActionLeavesTheProgramAsItWasAndNoHalfMadeFiles)
{
    // <P>, <D> and <N> stand for the program, the database and upgrademe.bin.
    const auto p = [](QString text) {
        return text.replace(QStringLiteral("<P>"), QStringLiteral("tool/ZRV"))
            .replace(QStringLiteral("<D>"), QStringLiteral("data/zr.mdb"))
            .replace(QStringLiteral("<N>"), QStringLiteral("tool/upgrademe.bin"));
    };
    struct Case {
        std::set<int> failing;
        QString message; // without the temporary root
        int leftovers;
    };
    const QString fire = QStringLiteral(": Disk on fire.");
    const Case cases[] = {
        {{1}, "Could not copy <P> to <P>.prev.tmp" + fire + kHint, 0},
        {{2}, "Could not rename <P>.prev.tmp to <P>.prev" + fire + kHint, 0},
        {{3}, "Could not copy <D> to <D>.prev.tmp" + fire + kHint, 0},
        {{4}, "Could not rename <D>.prev.tmp to <D>.prev" + fire + kHint, 0},
        {{5}, "Could not copy <N> to <P>.new" + fire + kHint, 0},
        {{6}, "Could not set the permissions of <P>.new" + fire + kHint, 0},
        {{7}, "Could not rename <P>.new to <P>" + fire + kHint, 0},
        // The clearing up after a failure fails too: said, and the program still whole.
        {{6, 7}, "Could not set the permissions of <P>.new" + fire + "\nCould not remove <P>.new" + fire + kHint, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        UpgradeFolder folder;
        FailingFiles files;
        files.failing = c.failing;
        const auto before = folder.snapshot();

        const UpgradeResult result = RunUpgrade(folder.paths, files);

        EXPECT_FALSE(result.complete);
        EXPECT_EQ(QString(result.message).remove(folder.root.path() + u'/'), p(c.message));
        const auto after = folder.snapshot();
        EXPECT_EQ(after.value(QStringLiteral("tool/ZRV")), before.value(QStringLiteral("tool/ZRV")));
        EXPECT_EQ(after.value(QStringLiteral("data/zr.mdb")), before.value(QStringLiteral("data/zr.mdb")));
        EXPECT_EQ(after.value(QStringLiteral("tool/upgrademe.bin")),
                  before.value(QStringLiteral("tool/upgrademe.bin")));
        const int leftovers = int(std::count_if(after.keyBegin(), after.keyEnd(), [](const QString& name) {
            return name.endsWith(QStringLiteral(".tmp")) || name.endsWith(QStringLiteral(".new"))
                || name.endsWith(QStringLiteral(".lock"));
        }));
        EXPECT_EQ(leftovers, c.leftovers);
    }

    // Only upgrademe.bin stays: the upgrade is complete and says what is left.
    UpgradeFolder folder;
    FailingFiles files;
    files.failing = {8};
    const UpgradeResult result = RunUpgrade(folder.paths, files);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(QString(result.message).remove(folder.root.path() + u'/'),
              p("Upgrade complete.\n\nCould not remove <N>" + fire));
    EXPECT_EQ(UpgradeFolder::read(folder.paths.program), "new program");
}
