#pragma once

#include <QColor>
#include <QWidget>

// A hollow rectangle one pixel wide drawn along the widget's edge; it lets
// every mouse click through to what lies below.
class RectangleShape : public QWidget {
    Q_OBJECT
public:
    explicit RectangleShape(QWidget* parent = nullptr);

    QColor borderColor() const { return mBorderColor; }
    void setBorderColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor mBorderColor = Qt::black;
};
