#include "gui/floor/MainToolbar.h"

#include "core/display/Rotation.h"
#include "core/platform/Twips.h"
#include "core/store/SettingsKeys.h"
#include "gui/controls/Artwork.h"
#include "gui/floor/ToolbarArtwork.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QToolButton>

namespace {

// The default corner keeps the panel clear of the window's right edge and
// above the command row.
constexpr int RightMarginTwips = 120;
constexpr int BottomMarginTwips = 900;

QToolButton* toolButton(QWidget* parent, const char* name, const QPixmap& picture, const char* tip = nullptr)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(QIcon(picture));
    b->setIconSize(QSize(24, 24));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    if (tip)
        b->setToolTip(QString::fromLatin1(tip));
    return b;
}

} // namespace

MainToolbar::MainToolbar(QWidget* window)
    : QFrame(window)
{
    setObjectName(QStringLiteral("picToolbar"));
    setToolTip(QStringLiteral("Drab to Move Toolbar"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setCursor(Qt::SizeAllCursor);

    auto scaled = [](const QPixmap& p) { return p.scaled(24, 24, Qt::KeepAspectRatio, Qt::SmoothTransformation); };
    cmdStartClock = toolButton(this, "cmdStartClock", scaled(StartTimerPicture()), "Start Clock");
    cmdPauseClock = toolButton(this, "cmdPauseClock", scaled(PauseTimerPicture()), "Pause Clock");
    cmdAddRemovePlayers = toolButton(this, "cmdAddRemovePlayers",
                                     ToolbarPicturePixmap(ToolbarPicture::AddRemovePlayers), "Add/Remove Players");
    cmdToggleScreen = toolButton(this, "cmdToggleScreen", ToolbarPicturePixmap(ToolbarPicture::ToggleScreen));
    cmdTournamentSetup = toolButton(this, "cmdTournamentSetup", ToolbarPicturePixmap(ToolbarPicture::TournamentSetup));
    cmdHideToolbar
        = toolButton(this, "cmdHideToolbar", ToolbarPicturePixmap(ToolbarPicture::HideToolbar), "Hide Toolbar");
    cmdViewPlayerScreen = toolButton(this, "cmdViewPlayerScreen", ToolbarPicturePixmap(ToolbarPicture::PlayerScreen));
    cmdHandTimer = toolButton(this, "cmdHandTimer", ToolbarPicturePixmap(ToolbarPicture::HandTimer));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 3, 3, 3);
    row->setSpacing(1);
    for (QToolButton* b : {cmdStartClock, cmdPauseClock, cmdAddRemovePlayers, cmdToggleScreen, cmdTournamentSetup,
                           cmdViewPlayerScreen, cmdHandTimer, cmdHideToolbar})
        row->addWidget(b);
    adjustSize();

    connect(cmdHideToolbar, &QToolButton::clicked, this, &MainToolbar::cmdHideToolbar_Click);
}

QPoint MainToolbar::defaultPlace() const
{
    const QWidget* w = parentWidget();
    return {w->width() - width() - TwipsToPixels(RightMarginTwips),
            w->height() - height() - TwipsToPixels(BottomMarginTwips)};
}

void MainToolbar::PlaceFromSettings()
{
    const QPoint d = defaultPlace();
    const Long left = ReadLongSetting(ToolBarLeftKey, PixelsToTwips(d.x()));
    const Long top = ReadLongSetting(ToolBarTopKey, PixelsToTwips(d.y()));
    move(TwipsToPixels(left), TwipsToPixels(top));
    setVisible(ToolbarShownSetting(ReadSetting(ShowToolbarKey)));
    raise();
}

void MainToolbar::mnShowToolBar_Click()
{
    move(defaultPlace());
    show();
    raise();
    WriteSetting(ShowToolbarKey, 1);
}

void MainToolbar::cmdHideToolbar_Click()
{
    hide();
    WriteSetting(ShowToolbarKey, 0);
}

void MainToolbar::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return QFrame::mousePressEvent(e);
    mblnDraggingToolbar = true;
    mDragStart = e->position().toPoint();
}

void MainToolbar::mouseMoveEvent(QMouseEvent* e)
{
    if (!mblnDraggingToolbar)
        return QFrame::mouseMoveEvent(e);
    move(pos() + e->position().toPoint() - mDragStart);
}

void MainToolbar::mouseReleaseEvent(QMouseEvent* e)
{
    if (!mblnDraggingToolbar)
        return QFrame::mouseReleaseEvent(e);
    mblnDraggingToolbar = false;
    WriteSetting(ToolBarLeftKey, PixelsToTwips(x()));
    WriteSetting(ToolBarTopKey, PixelsToTwips(y()));
}
