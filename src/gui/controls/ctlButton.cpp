#include "gui/controls/ctlButton.h"

#include "core/platform/Twips.h"
#include "core/store/TextHelpers.h"
#include "gui/controls/Artwork.h"
#include "gui/controls/ClickableLabel.h"
#include "gui/controls/RectangleShape.h"

#include <QKeyEvent>

namespace {

const QString KeyBackColor = QStringLiteral("BackColor");
const QString KeyForeColor = QStringLiteral("ForeColor");
const QString KeyCaption = QStringLiteral("Caption");
const QString KeyEnabled = QStringLiteral("Enabled");
const QString KeyDisplayType = QStringLiteral("DisplayType");

constexpr int CaptionLeftTwips = 15;
constexpr int DefaultWidthTwips = 1215;
constexpr int DefaultHeightTwips = 375;

ClickableLabel* picture(QWidget* parent, const char* name, const QPixmap& pixmap)
{
    auto* label = new ClickableLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(pixmap);
    label->setFixedSize(pixmap.size());
    label->hide();
    return label;
}

} // namespace

ctlButton::ctlButton(QWidget* parent)
    : QWidget(parent)
    , lbl(new ClickableLabel(this))
    , shpBorder(new RectangleShape(this))
    , picStartTimer(picture(this, "picStartTimer", StartTimerPicture()))
    , picPauseTimer(picture(this, "picPauseTimer", PauseTimerPicture()))
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    lbl->setObjectName(QStringLiteral("lbl"));
    lbl->setAlignment(Qt::AlignCenter);
    lbl->setTextFormat(Qt::RichText);
    shpBorder->setObjectName(QStringLiteral("shpBorder"));
    shpBorder->hide();

    connect(lbl, &ClickableLabel::clicked, this, [this] {
        if (lbl->isEnabled())
            emit Click();
    });
    connect(picStartTimer, &ClickableLabel::clicked, this, &ctlButton::Click);
    connect(picPauseTimer, &ClickableLabel::clicked, this, &ctlButton::Click);

    ReadProperties(QVariantMap());
    resize(TwipsToPixels(DefaultWidthTwips), TwipsToPixels(DefaultHeightTwips));
}

void ctlButton::setBackColor(OleColor New_BackColor)
{
    mBackColor = New_BackColor;
    SetPaletteColor(this, QPalette::Window, mBackColor);
}

void ctlButton::setForeColor(OleColor New_ForeColor)
{
    mForeColor = New_ForeColor;
    const QColor colour = OleColorToQColor(mForeColor);
    // The disabled group keeps the palette's grey.
    QPalette pal = lbl->palette();
    pal.setColor(QPalette::Active, QPalette::WindowText, colour);
    pal.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    lbl->setPalette(pal);
    shpBorder->setBorderColor(colour);
}

QString ctlButton::Caption() const { return mCaption; }

void ctlButton::setCaption(const QString& New_Caption)
{
    mCaption = New_Caption;
    lbl->setText(AccessKeyHtml(New_Caption));
}

bool ctlButton::Enabled() const { return lbl->isEnabled(); }

void ctlButton::setEnabled(bool New_Enabled) { lbl->setEnabled(New_Enabled); }

void ctlButton::setDisplayType(Integer New_DisplayType)
{
    mDisplayType = New_DisplayType;
    if (mDisplayType < 0 || mDisplayType > 2)
        return;
    lbl->setVisible(mDisplayType == 0);
    picStartTimer->setVisible(mDisplayType == 1);
    picPauseTimer->setVisible(mDisplayType == 2);
}

void ctlButton::ReadProperties(const QVariantMap& PropBag)
{
    setBackColor(OleColorFromVariant(PropBag.value(KeyBackColor), ButtonFaceColor));
    setForeColor(OleColorFromVariant(PropBag.value(KeyForeColor), ButtonTextColor));
    setCaption(PropBag.value(KeyCaption).toString());
    setEnabled(PropBag.value(KeyEnabled, true).toBool());
    bool ok = false;
    const int displayType = PropBag.value(KeyDisplayType).toInt(&ok);
    setDisplayType(ok && displayType >= -32768 && displayType <= 32767 ? Integer(displayType) : 0);
}

QVariantMap ctlButton::WriteProperties() const
{
    QVariantMap PropBag;
    if (mBackColor != ButtonFaceColor)
        PropBag.insert(KeyBackColor, mBackColor);
    if (mForeColor != ButtonTextColor)
        PropBag.insert(KeyForeColor, mForeColor);
    if (!Caption().isEmpty())
        PropBag.insert(KeyCaption, Caption());
    if (!Enabled())
        PropBag.insert(KeyEnabled, false);
    if (mDisplayType != 0)
        PropBag.insert(KeyDisplayType, int(mDisplayType));
    return PropBag;
}

void ctlButton::focusInEvent(QFocusEvent* event)
{
    if (lbl->isEnabled()) {
        shpBorder->show();
        shpBorder->raise();
    }
    QWidget::focusInEvent(event);
}

void ctlButton::focusOutEvent(QFocusEvent* event)
{
    shpBorder->hide();
    QWidget::focusOutEvent(event);
}

void ctlButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (lbl->isEnabled() && !shpBorder->isHidden())
        emit Click();
}

void ctlButton::resizeEvent(QResizeEvent* event)
{
    const int left = TwipsToPixels(CaptionLeftTwips);
    lbl->setGeometry(left, 0, width() - left, height());
    shpBorder->setGeometry(rect());
    for (QWidget* pic : {static_cast<QWidget*>(picStartTimer), static_cast<QWidget*>(picPauseTimer)})
        pic->move((width() - pic->width()) / 2, (height() - pic->height()) / 2);
    QWidget::resizeEvent(event);
}
