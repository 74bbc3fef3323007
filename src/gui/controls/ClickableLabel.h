#pragma once

#include <QLabel>

// A label or picture that reports a click: the left button pressed and let go
// on it. A disabled label takes no clicks.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool mPressed = false;
};
