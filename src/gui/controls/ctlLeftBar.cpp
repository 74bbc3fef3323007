#include "gui/controls/ctlLeftBar.h"

#include "core/platform/Twips.h"
#include "core/store/OpenFileOrLink.h"
#include "core/store/SettingsKeys.h"
#include "gui/controls/Artwork.h"
#include "gui/controls/ClickableLabel.h"
#include "gui/controls/OleColor.h"

namespace {

// The design, in twips.
constexpr int StripeWidth = 1950;
constexpr int ShadowOffset = 60;
constexpr int LogoLeft = 150;
constexpr int LogoTop = 150;
constexpr int CardsLeft = 75;
constexpr int CardsBottomMargin = 90;
constexpr int DesignHeight = 6000;

constexpr OleColor ShadowGrey = 0x808080u;

QLabel* stripe(QWidget* parent, const char* name, OleColor color)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAutoFillBackground(true);
    SetPaletteColor(label, QPalette::Window, color);
    return label;
}

ClickableLabel* picture(QWidget* parent, const char* name, const QPixmap& pixmap, int leftTwips)
{
    auto* label = new ClickableLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(pixmap);
    label->setCursor(Qt::PointingHandCursor);
    label->setGeometry(TwipsToPixels(leftTwips), 0, pixmap.width(), pixmap.height());
    return label;
}

} // namespace

ctlLeftBar::ctlLeftBar(QWidget* parent)
    : QWidget(parent)
    , lblShadow(stripe(this, "lblShadow", ShadowGrey))
    , lblBackground(stripe(this, "lblBackground", WindowBackgroundColor))
    , imgLogo(picture(this, "imgLogo", LogoPicture(), LogoLeft))
    , imgCards(picture(this, "imgCards", CardsPicture(), CardsLeft))
{
    lblShadow->move(TwipsToPixels(ShadowOffset), TwipsToPixels(ShadowOffset));
    lblBackground->move(0, 0);
    imgLogo->move(imgLogo->x(), TwipsToPixels(LogoTop));
    connect(imgLogo, &ClickableLabel::clicked, this, &ctlLeftBar::openWebSite);
    connect(imgCards, &ClickableLabel::clicked, this, &ctlLeftBar::openWebSite);
    // As wide as the stripe and its shadow, whatever the host's layout.
    setFixedWidth(TwipsToPixels(StripeWidth + ShadowOffset));
    resize(width(), TwipsToPixels(DesignHeight));
}

void ctlLeftBar::openWebSite() { OpenWebSite(ReadSetting(ProductWebSiteKey).trimmed()); }

void ctlLeftBar::resizeEvent(QResizeEvent* event)
{
    const int heightTwips = PixelsToTwips(height());
    const int stripeHeight = TwipsToPixels(heightTwips - ShadowOffset);
    lblBackground->resize(TwipsToPixels(StripeWidth), stripeHeight);
    lblShadow->resize(lblBackground->width(), stripeHeight);
    imgCards->move(imgCards->x(), TwipsToPixels(heightTwips - CardsBottomMargin) - imgCards->height());
    QWidget::resizeEvent(event);
}
