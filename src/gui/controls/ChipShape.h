#pragma once

#include "core/platform/ColorNumber.h"

#include <QWidget>

// A chip of the chip column: an oval filled with the chip's colour, drawn
// with a thin dark edge. A system colour follows the standard light palette.
class ChipShape : public QWidget {
    Q_OBJECT
public:
    explicit ChipShape(QWidget* parent = nullptr);

    OleColor FillColor() const { return mFillColor; }
    void setFillColor(OleColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    OleColor mFillColor = WindowBackgroundColor;
};
