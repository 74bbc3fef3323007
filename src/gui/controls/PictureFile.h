#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QWidget;

// A picture file read for the screen: its first image, decoded no larger
// than the room it is shown in (its shape kept), so that a photograph of
// many megapixels is read at the size it shows at instead of being refused
// by the image reader's memory limit. Nothing is ever enlarged.
struct PictureFile {
    QImage Image; // null when the file cannot be read
    QString Error; // the reader's reason then
};
PictureFile ReadPictureFile(const QString& path, QSize within);
// The same for the screen the widget shows on (its window's size when it
// has none).
PictureFile ReadPictureFile(const QString& path, const QWidget* shownOn);
