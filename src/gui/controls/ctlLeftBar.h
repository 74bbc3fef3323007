#pragma once

#include <QWidget>

class ClickableLabel;
class QLabel;

// The decorative strip down the left edge of a window: a background stripe
// with a shadow, the logo at the top and a fan of cards kept near the bottom.
// A click on either picture opens the product's web site, the address
// being read from the settings (ProductWebSite) at the click.
class ctlLeftBar : public QWidget {
    Q_OBJECT
public:
    explicit ctlLeftBar(QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void openWebSite();

    QLabel* lblShadow;
    QLabel* lblBackground;
    ClickableLabel* imgLogo;
    ClickableLabel* imgCards;
};
