#pragma once

#include <QString>

// A file-picker filter ("Pictures (*.bmp *.jpg)") whose patterns also match
// the upper-case names that cameras and older systems write
// ("Pictures (*.bmp *.jpg *.BMP *.JPG)"); file systems here tell case apart.
QString CaseInsensitiveFilter(const QString& filter);
