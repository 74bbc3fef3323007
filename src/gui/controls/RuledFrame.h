#pragma once

#include <QFrame>
#include <QLine>
#include <QList>

// A frame that draws straight rules between given end points (pixels,
// relative to the frame) in its text colour.
class RuledFrame : public QFrame {
    Q_OBJECT
public:
    explicit RuledFrame(QWidget* parent = nullptr);

    QList<QLine> rules() const { return mRules; }
    void setRules(const QList<QLine>& rules);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QList<QLine> mRules;
};
