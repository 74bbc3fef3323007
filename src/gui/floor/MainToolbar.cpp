#include "gui/floor/MainToolbar.h"

#include "core/display/Rotation.h"
#include "core/platform/Twips.h"
#include "core/store/SettingsKeys.h"
#include "gui/controls/Artwork.h"
#include "gui/floor/ToolbarArtwork.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QToolButton>
#include <algorithm>

namespace {

// The first place keeps the panel clear of the window's right edge, right
// above the command row; the display ends above it there.
constexpr int RightMarginTwips = 120;
constexpr int CommandRowGapTwips = 60;

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
    const int commandsTop = mCommandRow ? mCommandRow->y() : w->height();
    return {std::max(0, w->width() - width() - TwipsToPixels(RightMarginTwips)),
            std::max(0, commandsTop - height() - TwipsToPixels(CommandRowGapTwips))};
}

void MainToolbar::setFirstPlace(bool atFirstPlace)
{
    mAtFirstPlace = atFirstPlace;
    emit roomChanged();
}

int MainToolbar::DisplayBottom(int commandsTop) const
{
    return !isHidden() && mAtFirstPlace ? std::min(commandsTop, y()) : commandsTop;
}

void MainToolbar::KeepInside()
{
    const QWidget* w = parentWidget();
    if (mAtFirstPlace)
        move(defaultPlace());
    else
        move(std::clamp(x(), 0, std::max(0, w->width() - width())),
             std::clamp(y(), 0, std::max(0, w->height() - height())));
}

void MainToolbar::PlaceFromSettings()
{
    const QPoint d = defaultPlace();
    const QPoint stored(TwipsToPixels(int(ReadLongSetting(ToolBarLeftKey, PixelsToTwips(d.x())))),
                        TwipsToPixels(int(ReadLongSetting(ToolBarTopKey, PixelsToTwips(d.y())))));
    move(stored);
    setVisible(ToolbarShownSetting(ReadSetting(ShowToolbarKey)));
    raise();
    const bool first = stored == d;
    if (!first)
        KeepInside(); // a place kept from a larger window
    setFirstPlace(first);
}

void MainToolbar::mnShowToolBar_Click()
{
    move(defaultPlace());
    show();
    raise();
    WriteSetting(ShowToolbarKey, 1);
    setFirstPlace(true);
}

void MainToolbar::cmdHideToolbar_Click()
{
    hide();
    WriteSetting(ShowToolbarKey, 0);
    emit roomChanged();
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
    setFirstPlace(pos() == defaultPlace());
}
