#include "gui/controls/PictureFile.h"

#include <QImageReader>
#include <QScreen>
#include <QWidget>

PictureFile ReadPictureFile(const QString& path, QSize within)
{
    QImageReader reader(path);
    const QSize full = reader.size();
    if (full.isValid() && !within.isEmpty() && (full.width() > within.width() || full.height() > within.height()))
        reader.setScaledSize(full.scaled(within, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    PictureFile picture;
    picture.Image = reader.read();
    if (picture.Image.isNull())
        picture.Error = reader.errorString();
    return picture;
}

PictureFile ReadPictureFile(const QString& path, const QWidget* shownOn)
{
    const QScreen* screen = shownOn->screen();
    return ReadPictureFile(path, screen ? screen->geometry().size() : shownOn->window()->size());
}
