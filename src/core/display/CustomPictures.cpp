#include "core/display/CustomPictures.h"

#include <QDir>

QStringList CustomPictureNames(const QString& folder)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return {};
    QStringList names;
    for (const char* pattern : {"*.jpg", "*.gif", "*.bmp", "*.ico"}) {
        QDir kind(dir);
        kind.setNameFilters({QString::fromLatin1(pattern)});
        kind.setFilter(QDir::Files);
        kind.setSorting(QDir::Name | QDir::IgnoreCase);
        names += kind.entryList();
    }
    return names;
}

QString ShowNextCustomPicture(const QStringList& names, const QString& last,
                              const std::function<bool(const QString& name)>& load)
{
    if (names.isEmpty())
        return {};
    const qsizetype at = names.indexOf(last);
    const qsizetype first = at < 0 ? 0 : (at + 1) % names.size();
    for (qsizetype n = 0; n < names.size(); ++n) {
        const QString& name = names[(first + n) % names.size()];
        if (load(name))
            return name;
    }
    return {};
}
