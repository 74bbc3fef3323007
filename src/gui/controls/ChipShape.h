#pragma once

#include "core/platform/ColorNumber.h"

#include <QWidget>

// A chip of the chip column: an oval filled with the chip's colour, drawn
// with a thin dark edge, or with an outline in the display's text colour when
// the chip has the colour of the display behind it. A system colour follows
// the standard light palette.
class ChipShape : public QWidget {
    Q_OBJECT
public:
    explicit ChipShape(QWidget* parent = nullptr);

    OleColor FillColor() const { return mFillColor; }
    void setFillColor(OleColor color);
    // The display's background and text colours.
    void setBackdrop(OleColor background, OleColor text);
    // The edge as painted.
    QColor EdgeColor() const;
    int EdgePixels() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    OleColor mFillColor = WindowBackgroundColor;
    OleColor mBackground = 0;
    OleColor mText = 0xFFFFFFu;
};
