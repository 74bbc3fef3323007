#pragma once

#include "core/platform/ColorNumber.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

QColor OleColorToQColor(OleColor color, const QPalette& palette = QGuiApplication::palette());
