#pragma once

#include <QtGlobal>

// The widths the stored data and the model use.
using Integer = qint16;
using Long = qint32;
using Single = float;
