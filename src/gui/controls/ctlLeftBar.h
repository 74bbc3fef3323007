#pragma once

#include <QWidget>

class ClickableLabel;
class QLabel;

// The decorative strip down the left edge of a window: a background stripe
// with a shadow, the logo at the top and a fan of cards kept near the bottom.
// A click on either picture opens the product's web site.
class ctlLeftBar : public QWidget {
    Q_OBJECT
public:
    explicit ctlLeftBar(QWidget* parent = nullptr);

    // The address both pictures open (the ProductWebSite setting); while it
    // is empty a click says that no web site is set.
    QString WebSiteAddress() const { return mWebSiteAddress; }
    void setWebSiteAddress(const QString& address) { mWebSiteAddress = address; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void openWebSite();

    QLabel* lblShadow;
    QLabel* lblBackground;
    ClickableLabel* imgLogo;
    ClickableLabel* imgCards;
    QString mWebSiteAddress;
};
