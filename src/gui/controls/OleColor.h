#pragma once

#include "core/platform/ColorNumber.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

QColor OleColorToQColor(OleColor color, const QPalette& palette = QGuiApplication::palette());

// Qt's standard light palette, whatever the desktop's: display colours that
// name system colours (a white chip, the seat chart's label cells) stay light
// on a dark desktop.
const QPalette& StandardLightPalette();
