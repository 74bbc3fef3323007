#include "core/platform/AppPaths.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString gOverride;
}

QString AppPaths::dataFolder()
{
    QString folder
        = gOverride.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : gOverride;
    QDir().mkpath(folder);
    return folder;
}

QString AppPaths::file(const QString& name) { return QDir(dataFolder()).filePath(name); }

void AppPaths::setDataFolder(const QString& folder) { gOverride = folder; }
