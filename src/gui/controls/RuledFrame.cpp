#include "gui/controls/RuledFrame.h"

#include <QPainter>

RuledFrame::RuledFrame(QWidget* parent)
    : QFrame(parent)
{
}

void RuledFrame::setRules(const QList<QLine>& rules)
{
    if (rules == mRules)
        return;
    mRules = rules;
    update();
}

void RuledFrame::paintEvent(QPaintEvent* e)
{
    QFrame::paintEvent(e);
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLines(mRules);
}
