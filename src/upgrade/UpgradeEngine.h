#pragma once

#include <QString>

class FileOperations;

// The files an upgrade works on.
struct UpgradePaths {
    QString program; // the installed ZRV, as the user gave it
    QString newProgram; // upgrademe.bin beside the upgrade program
    QString database; // zr.mdb in ZRV's data folder
    QString lock; // held by ZRV while it runs
    QString self; // the running upgrade program: ZRV must be a program of its kind
};

// ZRV's data folder, by the rule ZRV itself follows; never created here.
QString ZrvDataFolder();
// The installed ZRV the upgrade program offers first: the one beside it.
QString DefaultProgramPath(const QString& toolFolder);
UpgradePaths UpgradePathsFor(const QString& program, const QString& toolFolder, const QString& dataFolder);

struct UpgradeResult {
    bool complete = false; // the new program is in place
    QString message; // what to tell the user either way
};

// Checks everything first and touches nothing until every check passed (the
// new program must be one this computer runs, as the upgrade program itself
// is); then keeps "<name>.prev" backups of the program and the database and
// puts the new program in place of the old in one step. An installed program
// that is no program for this computer is not kept: its backup stays as it
// was. Whatever fails, the installed program stays as it was and no half-made
// file is left behind. Holds ZRV's lock throughout, so ZRV cannot start
// meanwhile and a running ZRV stops it.
UpgradeResult RunUpgrade(const UpgradePaths& paths, FileOperations& files);
