#include "gui/floor/FloorFrames.h"

#include "gui/controls/Named.h"

#include "core/platform/Twips.h"
#include "core/store/ScreenCatalogue.h"
#include "gui/controls/ctlButton.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// A light grey-blue, so the command row stands out from any background.
constexpr OleColor CommandColor = 0x00E0D4C8;
constexpr int CommandRowBottomTwips = 60;
constexpr int MarginTwips = 120;
constexpr int AlertBottomTwips = 600;
constexpr int CaptionRoomTwips = 150; // a caption's margins inside its button

ctlButton* commandButton(QWidget* parent, const char* name, const QString& caption, int widthTwips = 1500)
{
    auto* b = named(new ctlButton(parent), name);
    b->setCaption(caption);
    b->setBackColor(CommandColor);
    b->setFixedSize(TwipsToPixels(widthTwips), TwipsToPixels(420));
    return b;
}

QPushButton* push(QWidget* parent, const char* name, const QString& caption)
{
    return named(new QPushButton(caption, parent), name);
}

QFrame* panel(QWidget* parent, const char* name)
{
    auto* f = named(new QFrame(parent), name);
    f->setFrameShape(QFrame::Box);
    // A light panel with dark text, readable over the dark display.
    QPalette light = f->palette();
    light.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE1));
    light.setColor(QPalette::WindowText, Qt::black);
    f->setPalette(light);
    f->setAutoFillBackground(true);
    f->hide();
    return f;
}

} // namespace

QStringList TutorialLines()
{
    return {
        QStringLiteral(
            "You have successfully created a new tournament.  Follow these steps to start your new tournament..."),
        QStringLiteral("1.  First, add players by clicking on the 'Players' button (bottom left)."),
        QStringLiteral("2.  Press the 'Tables' button to assign seats."),
        QStringLiteral("3.  Next, start the clock by clicking on the 'Clock:' button."),
        QStringLiteral("4.  Use the 'View:' button to navigate screens and set rotating screen options."),
        QStringLiteral("5.  When viewing the Players screen, click on a Player's name to rebuy or eliminate a player."),
    };
}

FloorFrames::FloorFrames(QWidget* window)
{
    frameCommands = named(new QFrame(window), "frameCommands");
    btnClock = commandButton(frameCommands, "btnClock", QStringLiteral("Clock: Not Started"), 2200);
    btnAdd = commandButton(frameCommands, "btnAdd", QStringLiteral("Players"));
    btnTables = commandButton(frameCommands, "btnTables", QStringLiteral("Tables"));
    btnSettings = commandButton(frameCommands, "btnSettings", QStringLiteral("Tournament Setup"), 2000);
    btnSettings->setToolTip(QStringLiteral("Tournament Setup (Ctrl S)"));
    btnView = commandButton(frameCommands, "btnView", QString(), 2800);
    // Wide enough for the longest screen's caption.
    int widest = 0;
    const QFontMetrics metrics(btnView->font());
    for (const ScreenEntry& screen : ScreenCatalogue())
        widest = std::max(widest, metrics.horizontalAdvance(ViewButtonCaption(screen.Id).remove(u'&')));
    btnView->setFixedWidth(std::max(btnView->width(), widest + TwipsToPixels(CaptionRoomTwips)));
    btnExport = commandButton(frameCommands, "btnExport", QStringLiteral("Export"));
    btnHelp = commandButton(frameCommands, "btnHelp", QStringLiteral("Help"));
    btnClose = commandButton(frameCommands, "btnClose", QStringLiteral("Exit"));
    btnClose->setToolTip(QStringLiteral("Close"));
    auto* row = new QHBoxLayout(frameCommands);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(TwipsToPixels(60));
    for (ctlButton* b : {btnClock, btnAdd, btnTables, btnView, btnSettings, btnExport, btnHelp, btnClose})
        row->addWidget(b);
    frameCommands->adjustSize();

    frameButtons = named(new QFrame(window), "frameButtons");
    cmdFind = push(frameButtons, "cmdFind", QStringLiteral("Find"));
    cmdEliminate = push(frameButtons, "cmdEliminate", QStringLiteral("&Eliminate"));
    cmdBuyin = push(frameButtons, "cmdBuyin", QStringLiteral("Buyin"));
    cmdAddon = push(frameButtons, "cmdAddon", QStringLiteral("Add-on"));
    cmdMore = push(frameButtons, "cmdMore", QStringLiteral("More..."));
    // Out of sight: it is there for its key, Esc, and takes no Tab stop.
    cmdHideBuyin = push(window, "cmdHideBuyin", QStringLiteral("Escape"));
    cmdHideBuyin->setFocusPolicy(Qt::NoFocus);
    cmdHideBuyin->move(0, -cmdHideBuyin->sizeHint().height() - TwipsToPixels(100));
    auto* buttons = new QHBoxLayout(frameButtons);
    buttons->setContentsMargins(2, 2, 2, 2);
    for (QPushButton* b : {cmdFind, cmdEliminate, cmdBuyin, cmdAddon, cmdMore})
        buttons->addWidget(b);
    frameButtons->adjustSize();
    frameButtons->hide();

    frameAlert = panel(window, "frameAlert");
    lblTableMessage = named(new QLabel(frameAlert), "lblTableMessage");
    lblTableMessage->setWordWrap(true);
    cmdHideAlert = push(frameAlert, "cmdHideAlert", QStringLiteral("Hide"));
    cmdManageTables = push(frameAlert, "cmdManageTables", QStringLiteral("Manage &Tables"));
    auto* alert = new QGridLayout(frameAlert);
    alert->addWidget(lblTableMessage, 0, 0, 1, 2);
    alert->addWidget(cmdManageTables, 1, 0);
    alert->addWidget(cmdHideAlert, 1, 1);
    frameAlert->setFixedWidth(TwipsToPixels(4800));

    frameTutorial = panel(window, "frameTutorial");
    auto* tutorial = new QVBoxLayout(frameTutorial);
    int line = 0;
    for (const QString& text : TutorialLines()) {
        auto* l = new QLabel(text, frameTutorial);
        l->setObjectName(QStringLiteral("lblTutorial(%1)").arg(line++));
        l->setWordWrap(true);
        tutorial->addWidget(l);
    }
    chkNoMore
        = named(new QCheckBox(QStringLiteral("Don't show this tutorial in the future."), frameTutorial), "chkNoMore");
    cmdHideTutorial = push(frameTutorial, "cmdHideTutorial", QStringLiteral("&Hide This Tutorial"));
    tutorial->addWidget(chkNoMore);
    tutorial->addWidget(cmdHideTutorial, 0, Qt::AlignRight);
    frameTutorial->setFixedWidth(TwipsToPixels(7200));

    frameReminder = panel(window, "frameReminder");
    auto* reminder = new QVBoxLayout(frameReminder);
    auto* reminderCap = new QLabel(QStringLiteral("Reminder To:"), frameReminder);
    reminderCap->setObjectName(QStringLiteral("lblReminderCap"));
    lblReminder = named(new QLabel(frameReminder), "lblReminder");
    lblReminder->setWordWrap(true);
    cmdOK = push(frameReminder, "cmdOK", QStringLiteral("OK"));
    reminder->addWidget(reminderCap);
    reminder->addWidget(lblReminder);
    reminder->addWidget(cmdOK, 0, Qt::AlignRight);
    frameReminder->setFixedWidth(TwipsToPixels(6000));
}

void FloorFrames::Place(int width, int height)
{
    const int margin = TwipsToPixels(MarginTwips);
    frameCommands->move(qMax(0, (width - frameCommands->width()) / 2),
                        qMax(0, height - frameCommands->height() - TwipsToPixels(CommandRowBottomTwips)));
    for (QFrame* f : {frameAlert, frameTutorial, frameReminder})
        f->adjustSize();
    frameTutorial->move(qMax(0, width - frameTutorial->width() - margin),
                        qMax(0, frameCommands->y() - frameTutorial->height() - margin));
    frameAlert->move(qMax(0, width - frameAlert->width() - margin),
                     qMax(0, height - frameAlert->height() - TwipsToPixels(AlertBottomTwips)));
    frameReminder->move(qMax(0, (width - frameReminder->width()) / 2), qMax(0, (height - frameReminder->height()) / 2));
}

void FloorFrames::SetTabOrder(QWidget* playersGrid) const
{
    QWidget* const order[] = {playersGrid, cmdFind,   cmdEliminate, cmdBuyin,    cmdAddon,  cmdMore, btnClock,
                              btnAdd,      btnTables, btnView,      btnSettings, btnExport, btnHelp, btnClose};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}
