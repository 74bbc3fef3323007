#pragma once

#include "core/platform/ProgramFiles.h"

#include <QString>

// Every file the program keeps in its data folder ("the program's folder"):
// the database, the settings file, default export files, the default sound
// and backups. Normally $XDG_DATA_HOME/ZRV; tests point it at a temporary
// folder.
class AppPaths {
public:
    // The data folder, created when missing.
    static QString dataFolder();
    // A file in the data folder.
    static QString file(const QString& name);

    static QString databaseFile() { return file(DatabaseFileName()); }
    static QString settingsFile() { return file(QStringLiteral("Defaults.ini")); }
    static QString registryFile() { return file(QStringLiteral("registry.ini")); }
    static QString runningLockFile() { return file(RunningLockFileName()); }

    // Points every path at another folder; an empty text goes back to the
    // standard location.
    static void setDataFolder(const QString& folder);
};
