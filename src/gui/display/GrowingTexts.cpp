#include "gui/display/GrowingTexts.h"

#include <QEvent>
#include <QLabel>
#include <QWidget>

GrowingTexts::GrowingTexts(const QList<QWidget*>& holders, std::function<void()> relayout, QObject* parent)
    : QObject(parent)
    , mRelayout(std::move(relayout))
{
    setObjectName(QStringLiteral("GrowingTexts"));
    // A new text asks the holder of its label (which has no layout of its
    // own) to lay it out: the request is posted, so it comes after the
    // handler that changed the text.
    for (QWidget* holder : holders)
        holder->installEventFilter(this);
}

bool GrowingTexts::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest) {
        auto* holder = qobject_cast<QWidget*>(watched);
        if (holder && holder->isVisible() && outgrown(holder)) {
            mRelayout();
            // What fits now may outgrow its place again with the same text
            // (the next level's "20:00" after a layout made at "0:00").
            for (auto it = mLaidOutFor.begin(); it != mLaidOutFor.end();)
                it = fits(it.key()) ? mLaidOutFor.erase(it) : std::next(it);
        }
    }
    return QObject::eventFilter(watched, event);
}

bool GrowingTexts::fits(const QLabel* label)
{
    const QSize needs = label->sizeHint();
    return needs.width() <= label->width() && needs.height() <= label->height();
}

bool GrowingTexts::outgrown(QWidget* holder)
{
    bool outgrown = false;
    for (const QLabel* label : holder->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        // A hidden label is checked when it shows again: showing asks for
        // a layout as a new text does.
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        if (fits(label))
            continue;
        QString& asked = mLaidOutFor[label];
        if (asked == label->text())
            continue;
        asked = label->text();
        outgrown = true;
    }
    return outgrown;
}
