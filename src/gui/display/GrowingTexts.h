#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QLabel;
class QWidget;

// The display's labels are laid out at the size of the texts they hold then;
// a clock, a level, blinds or a summary figure may later take a longer text
// ("9:59" becomes "20:00" at the next level). Watching the holders of those
// labels, it has the screen laid out again as soon as a shown label's text
// needs more room than its place gives: between the text's change and the
// next paint, never inside the handler that changed the text. A text that
// gets shorter keeps the layout as it is, so the display does not move as
// the clock counts down; a text that still lacks room after the layout is
// not laid out for again.
class GrowingTexts : public QObject {
    Q_OBJECT
public:
    GrowingTexts(const QList<QWidget*>& holders, std::function<void()> relayout, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool fits(const QLabel* label);
    bool outgrown(QWidget* holder);

    std::function<void()> mRelayout;
    QHash<const QLabel*, QString> mLaidOutFor; // the text a layout was asked for
};
