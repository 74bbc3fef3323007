#pragma once

#include <QLabel>

// A chip's picture: scaled into the label's box with its shape kept, centred.
class ChipPicture : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};
