#include "upgrade/UpgradeEngine.h"

#include "core/platform/ProgramFiles.h"
#include "core/platform/ProgramTitle.h"
#include "core/platform/RunningLock.h"
#include "upgrade/FileOperations.h"
#include "upgrade/ProgramCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QStringList>

namespace {

const QString kBackup = QStringLiteral(".prev");
const QString kPartial = QStringLiteral(".tmp");
const QString kNew = QStringLiteral(".new");

QString failure(const QString& what)
{
    return what + QStringLiteral("\n\nPlease make sure you do not have %1 running.").arg(ProgramTitle());
}

// What went wrong with a step, or "" when the step gave no reason (it worked).
QString failedTo(const QString& action, const QString& reason)
{
    return reason.isEmpty() ? reason : action + QStringLiteral(": ") + reason + u'.';
}

QString copyProblem(FileOperations& files, const QString& from, const QString& to)
{
    return failedTo(QStringLiteral("Could not copy %1 to %2").arg(from, to), files.copy(from, to));
}

QString renameProblem(FileOperations& files, const QString& from, const QString& to)
{
    return failedTo(QStringLiteral("Could not rename %1 to %2").arg(from, to), files.rename(from, to));
}

QString removeProblem(FileOperations& files, const QString& path)
{
    return failedTo(QStringLiteral("Could not remove %1").arg(path), files.remove(path));
}

// A backup is made whole under another name first, so an older backup is
// only ever replaced by a complete one.
QString backUp(FileOperations& files, const QString& file)
{
    const QString backup = file + kBackup;
    QString problem = copyProblem(files, file, backup + kPartial);
    if (problem.isEmpty())
        problem = renameProblem(files, backup + kPartial, backup);
    return problem;
}

// The new program is made whole and executable beside the old one, which the
// final rename replaces: there is always a whole program under its name.
QString putInPlace(FileOperations& files, const UpgradePaths& paths, QFileDevice::Permissions permissions)
{
    const QString next = paths.program + kNew;
    QString problem = copyProblem(files, paths.newProgram, next);
    if (problem.isEmpty())
        problem = failedTo(QStringLiteral("Could not set the permissions of %1").arg(next),
                           files.setPermissions(next, permissions));
    if (problem.isEmpty())
        problem = renameProblem(files, next, paths.program);
    return problem;
}

bool runsHere(FileOperations& files, const QString& path, const QByteArray& reference)
{
    return RunsHere(files.head(path, ProgramHeaderBytes), files.size(path), reference);
}

QString checkProblem(const UpgradePaths& paths, FileOperations& files)
{
    if (!files.isFile(paths.newProgram))
        return QStringLiteral("The new program %1 was not found.").arg(paths.newProgram);
    if (!files.isReadable(paths.newProgram))
        return QStringLiteral("The new program %1 cannot be read.").arg(paths.newProgram);
    if (files.size(paths.newProgram) <= 0)
        return QStringLiteral("The new program %1 is empty.").arg(paths.newProgram);
    if (!files.isFile(paths.database))
        return QStringLiteral("The database %1 was not found.").arg(paths.database);
    return {};
}

} // namespace

QString ZrvDataFolder()
{
    // ZRV sets no organisation name, so its folder is its application name
    // right under the data location.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(MainProgramName());
}

QString DefaultProgramPath(const QString& toolFolder) { return QDir(toolFolder).filePath(MainProgramName()); }

UpgradePaths UpgradePathsFor(const QString& program, const QString& toolFolder, const QString& dataFolder)
{
    const QDir data(dataFolder);
    return {program, QDir(toolFolder).filePath(QStringLiteral("upgrademe.bin")), data.filePath(DatabaseFileName()),
            data.filePath(RunningLockFileName()), QCoreApplication::applicationFilePath()};
}

UpgradeResult RunUpgrade(const UpgradePaths& paths, FileOperations& files)
{
    if (!files.isFile(paths.program))
        return {false,
                QStringLiteral("No previous version of %1 found at the location specified.  "
                               "Please enter a valid location.")
                    .arg(ProgramTitle())};
    if (const QString problem = checkProblem(paths, files); !problem.isEmpty())
        return {false, failure(problem)};
    const QByteArray here = files.head(paths.self, ProgramHeaderBytes);
    if (!runsHere(files, paths.self, here))
        return {false, QStringLiteral("The new program cannot be checked: %1 cannot be read.").arg(paths.self)};
    if (!runsHere(files, paths.newProgram, here))
        return {false,
                QStringLiteral("The new program %1 is not a program for this computer; it may be a download that "
                               "went wrong. Nothing was changed.")
                    .arg(paths.newProgram)};
    QLockFile lock(paths.lock);
    if (const QString problem = RunningLockProblem(TakeRunningLock(lock), paths.lock); !problem.isEmpty())
        return {false, failure(problem)};

    // A program left broken (by a download that went wrong) is no backup: the
    // one kept before stays, and the new program takes the permissions of one
    // that runs.
    const bool keepProgram = runsHere(files, paths.program, here);
    const QFileDevice::Permissions permissions = files.permissions(keepProgram ? paths.program : paths.self);
    QString problem = keepProgram ? backUp(files, paths.program) : QString();
    if (problem.isEmpty())
        problem = backUp(files, paths.database);
    if (problem.isEmpty())
        problem = putInPlace(files, paths, permissions);
    if (!problem.isEmpty()) {
        for (const QString& leftover :
             {paths.program + kBackup + kPartial, paths.database + kBackup + kPartial, paths.program + kNew}) {
            if (files.isFile(leftover)) {
                if (const QString left = removeProblem(files, leftover); !left.isEmpty())
                    problem += u'\n' + left;
            }
        }
        return {false, failure(problem)};
    }

    QStringList said {QStringLiteral("Upgrade complete.")};
    if (!keepProgram) {
        const QString backup = paths.program + kBackup;
        said << QStringLiteral("The program replaced was not a program for this computer, so it was not kept as %1.")
                    .arg(backup)
                + (files.isFile(backup) ? QStringLiteral(" %1 is the program kept before it.").arg(backup) : QString());
    }
    if (const QString left = removeProblem(files, paths.newProgram); !left.isEmpty())
        said << left;
    return {true, said.join(QStringLiteral("\n\n"))};
}
