#pragma once

#include "core/platform/ProgramTitle.h"

#include <QDir>
#include <QLockFile>
#include <QString>
#include <cerrno>
#include <system_error>

// The lock ZRV holds in its data folder while it runs, which the upgrade
// program takes too. Header-only, so that the upgrade program shares it
// without linking any of ZRV.

// How one try to take the lock went.
struct RunningLockAttempt {
    QLockFile::LockError error = QLockFile::NoError;
    // The system's error number (errno, on Unix) when the lock file could not
    // be made; 0 when the system gave none or another program holds the lock.
    int systemError = 0;
};

// Takes the lock at once or not at all. A lock whose program has ended (one
// that was killed) is taken over; no age makes a held lock stale, as ZRV
// holds it for hours.
inline RunningLockAttempt TakeRunningLock(QLockFile& lock)
{
    lock.setStaleLockTime(0);
    errno = 0;
    if (lock.tryLock(0))
        return {};
    // On Unix the lock file's own creation is the last thing tried before a
    // failure other than a held lock, so errno still gives its reason.
    // Elsewhere the system reports through its own error codes rather than
    // errno, which then normally stays 0 and the message falls back to the
    // plain one.
    const int systemError = errno;
    return {lock.error(), lock.error() == QLockFile::LockFailedError ? 0 : systemError};
}

// Why the lock at `path` was not taken, in words; "" when it was.
inline QString RunningLockProblem(const RunningLockAttempt& attempt, const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    switch (attempt.error) {
    case QLockFile::NoError:
        return {};
    case QLockFile::LockFailedError:
        return QStringLiteral("%1 is running: it holds %2.").arg(ProgramTitle(), shown);
    default:
        if (attempt.systemError == 0)
            return QStringLiteral("Could not create the lock %1.").arg(shown);
        return QStringLiteral("Could not create the lock %1: %2.")
            .arg(shown, QString::fromStdString(std::generic_category().message(attempt.systemError)));
    }
}

// What a start of ZRV does about the lock of its data folder: the message
// that ends it when another ZRV (or the upgrade) holds the lock, or "" to go
// on. A lock that cannot be made does not stop it: the database in that
// folder then says what is wrong with the folder.
inline QString SecondStartMessage(const RunningLockAttempt& attempt, const QString& dataFolder)
{
    if (attempt.error != QLockFile::LockFailedError)
        return {};
    return QStringLiteral("%1 is already running with the data folder %2.  Only one %1 at a time can use a data "
                          "folder: please close the other one, or wait for an upgrade to finish, before starting "
                          "%1 again.")
        .arg(ProgramTitle(), QDir::toNativeSeparators(dataFolder));
}
