#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The pictures of a custom-picture folder in the order they are shown: the
// JPEG files, then GIF, bitmap and icon files, each kind sorted by name
// without regard to case, extensions matched in any case.
QStringList CustomPictureNames(const QString& folder);

// Shows the folder picture after the one shown last (wrapping round; from
// the first when the last is gone). A picture that fails to load is passed
// over, so one bad file never stops the show; after one round with none
// loaded the result is empty (the built-in picture stays).
QString ShowNextCustomPicture(const QStringList& names, const QString& last,
                              const std::function<bool(const QString& name)>& load);
