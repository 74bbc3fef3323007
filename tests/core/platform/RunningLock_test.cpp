#include "core/platform/RunningLock.h"

#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace {

// A lock file as a ZRV that was killed leaves it: its own, naming a process
// that has ended.
void leaveLockOfEndedProgram(const QString& path)
{
    QByteArray contents;
    {
        QLockFile own(path);
        ASSERT_TRUE(own.tryLock(0));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        contents = file.readAll();
    }
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 pid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(pid) + contents.mid(contents.indexOf('\n')));
}

} // namespace

TEST(RunningLock, ASecondStartEndsWhileTheLockIsHeldAndTakesOverTheLockOfAnEndedCopy)
{
    struct Case {
        const char* what;
        std::function<void(const QString& lock, std::unique_ptr<QLockFile>& first)> arrange;
        bool ends;
    };
    const Case cases[] = {
        {"no lock", [](const QString&, auto&) {}, false},
        {"held by a running copy",
         [](const QString& lock, auto& first) {
             first = std::make_unique<QLockFile>(lock);
             ASSERT_TRUE(first->tryLock(0));
         },
         true},
        {"left by a killed copy", [](const QString& lock, auto&) { leaveLockOfEndedProgram(lock); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("zrv.lock"));
        std::unique_ptr<QLockFile> first;
        c.arrange(path, first);

        QLockFile second(path);
        const RunningLockAttempt attempt = TakeRunningLock(second);
        const QString message = SecondStartMessage(attempt, folder.path());

        EXPECT_EQ(second.isLocked(), !c.ends);
        EXPECT_EQ(message.isEmpty(), !c.ends);
        if (c.ends) {
            EXPECT_EQ(message,
                      QStringLiteral("Zorvane is already running with the data folder %1.  Only one Zorvane at a time "
                                     "can use a data folder: please close the other one, or wait for an upgrade to "
                                     "finish, before starting Zorvane again.")
                          .arg(folder.path()));
        }
    }
}

TEST(RunningLock, ALockThatCannotBeMadeGivesTheSystemsReason)
{
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("gone/zrv.lock"));
    QLockFile lock(missing);
    const RunningLockAttempt real = TakeRunningLock(lock);
    EXPECT_EQ(SecondStartMessage(real, folder.path()), QString());

    struct Case {
        RunningLockAttempt attempt;
        QString problem;
    };
    const Case cases[] = {
        {{QLockFile::NoError, 0}, {}},
        {{QLockFile::LockFailedError, 0}, QStringLiteral("Zorvane is running: it holds /d/zrv.lock.")},
        {{QLockFile::PermissionError, EROFS},
         QStringLiteral("Could not create the lock /d/zrv.lock: Read-only file "
                        "system.")},
        {{QLockFile::PermissionError, EACCES},
         QStringLiteral("Could not create the lock /d/zrv.lock: Permission denied.")},
        {{QLockFile::UnknownError, 0}, QStringLiteral("Could not create the lock /d/zrv.lock.")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RunningLockProblem(c.attempt, QStringLiteral("/d/zrv.lock")), c.problem);
    EXPECT_EQ(RunningLockProblem(real, missing),
              QStringLiteral("Could not create the lock %1: No such file or directory.").arg(missing));
}
