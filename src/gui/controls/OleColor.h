#pragma once

#include "core/platform/ColorNumber.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

class QWidget;

QColor OleColorToQColor(OleColor color, const QPalette& palette = QGuiApplication::palette());

// Gives one colour of the widget's palette, the others kept.
void SetPaletteColor(QWidget* widget, QPalette::ColorRole role, OleColor color);

// Qt's standard light palette, whatever the desktop's: display colours that
// name system colours (a white chip, the seat chart's label cells) stay light
// on a dark desktop.
const QPalette& StandardLightPalette();
