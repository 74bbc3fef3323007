#pragma once

#include "core/platform/ModelTypes.h"
#include "gui/controls/OleColor.h"

#include <QVariantMap>
#include <QWidget>

class ClickableLabel;
class RectangleShape;

// The flat push button: a caption on a coloured background, a thin border
// while it has the focus, and instead of the caption one of two clock
// pictures. Click is its one event.
//
// Enabled concerns the caption only: a disabled button greys its caption,
// takes no click on it, shows no focus border and ignores Enter, yet can
// still take the focus, and its clock pictures stay clickable. It hides
// QWidget::setEnabled on purpose; call it through a ctlButton.
class ctlButton : public QWidget {
    Q_OBJECT
public:
    explicit ctlButton(QWidget* parent = nullptr);

    OleColor BackColor() const { return mBackColor; }
    void setBackColor(OleColor New_BackColor);
    OleColor ForeColor() const { return mForeColor; }
    void setForeColor(OleColor New_ForeColor); // the focus border follows
    QString Caption() const;
    void setCaption(const QString& New_Caption);
    bool Enabled() const;
    void setEnabled(bool New_Enabled);
    // 0 the caption, 1 the start-timer picture, 2 the pause-timer picture;
    // any other value is kept but changes nothing shown.
    Integer DisplayType() const { return mDisplayType; }
    void setDisplayType(Integer New_DisplayType);

    // The stored properties: "BackColor", "ForeColor", "Caption", "Enabled",
    // "DisplayType". Missing or unreadable keys give their defaults; values
    // equal to their defaults are left out when writing.
    void ReadProperties(const QVariantMap& PropBag);
    QVariantMap WriteProperties() const;

signals:
    void Click();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ClickableLabel* lbl;
    RectangleShape* shpBorder;
    ClickableLabel* picStartTimer;
    ClickableLabel* picPauseTimer;

    OleColor mBackColor = ButtonFaceColor;
    OleColor mForeColor = ButtonTextColor;
    Integer mDisplayType = 0;
    QString mCaption; // as set, access-key marker included
};
