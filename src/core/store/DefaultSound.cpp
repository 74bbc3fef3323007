#include "core/store/DefaultSound.h"

#include "core/platform/AppPaths.h"

#include <QFile>
#include <QSaveFile>

bool WriteDefaultSoundIfMissing()
{
    const QString target = AppPaths::file(QStringLiteral("airhorn.wav"));
    if (QFile::exists(target))
        return true;
    QFile bundled(QStringLiteral(":/sounds/airhorn.wav"));
    if (!bundled.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(bundled.readAll());
    return out.commit();
}
