#include "gui/display/ScreenController.h"

#include "gui/controls/RichTextBox.h"

#include "core/display/Rotation.h"
#include "core/display/ScreenObjects.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramSettings.h"
#include "core/store/ScreenCatalogue.h"
#include "core/store/SettingsKeys.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/ctlButton.h"
#include "gui/display/DisplayPanels.h"
#include "gui/display/ScreenObjectStyler.h"

#include <QAction>
#include <QScopedValueRollback>
#include <QTextEdit>
#include <QTimer>

ScreenController::ScreenController(DisplayPanels& panels, MenuAction menuAction, ctlButton* btnView, QObject* parent)
    : QObject(parent)
    , tmrDisplay(new QTimer(this))
    , mPanels(panels)
    , mMenuAction(std::move(menuAction))
    , mBtnView(btnView)
{
    setObjectName(QStringLiteral("ScreenController"));
    tmrDisplay->setObjectName(QStringLiteral("tmrDisplay"));
    tmrDisplay->setInterval(30000);
    connect(tmrDisplay, &QTimer::timeout, this, &ScreenController::tmrDisplay_Timer);
    for (const ScreenEntry& s : ScreenCatalogue()) {
        const Long id = s.Id;
        connect(mMenuAction(QString::fromUtf8(s.Entry)), &QAction::triggered, this, [this, id] { SwitchView(id); });
    }
    connect(mMenuAction(QStringLiteral("mnViewTables2")), &QAction::triggered, this,
            [this] { SwitchView(TablesScreen); });
    connect(mMenuAction(QStringLiteral("mnRotate")), &QAction::triggered, this, &ScreenController::mnRotate_Click);
    connect(mMenuAction(QStringLiteral("mnToggleScreen")), &QAction::triggered, this,
            &ScreenController::mnToggleScreen_Click);
}

void ScreenController::Load()
{
    const ProgramSettings& s = programSettings();
    mMenuAction(QStringLiteral("mnRotate"))->setChecked(s.gintRotateScreens == 1);
    tmrDisplay->setInterval(RotationIntervalMs(s.gintSecondsForRotation));
    tmrDisplay->stop();
}

void ScreenController::SetScreen(bool bReset)
{
    const QScopedValueRollback<bool> redrawing(mblnRedrawing, true);
    const Long screen = openTournament().glngCurrentScreen;
    for (QWidget* w : mPanels.screenPanels())
        w->hide();
    for (QWidget* w : mPanels.clockLabels())
        w->show();
    setScreenObjects(screen);

    if (bReset || mblnRelayoutAfterBasic || mblnRelayoutAfterSummary) {
        mblnSummary5Placed = false;
        fullLayout();
        mblnRelayoutAfterBasic = false;
        mblnRelayoutAfterSummary = false;
    }

    if (screen != PlayersScreen)
        leavePlayersScreen();
    if (screen == Summary3Screen) {
        basicLayout();
        mblnRelayoutAfterBasic = true;
    } else if (screen != PlayersScreen) {
        mPanels.grid->hide();
        layoutScreen(screen);
        if (screen == Summary2Screen || screen == Summary5Screen)
            mblnRelayoutAfterSummary = true;
        if (screen == RulesScreen || screen == CustomMessageScreen)
            loadRichText(screen);
        if (screen == ManagerReportScreen)
            loadManagerReport();
    }

    placeRotatingScreens();

    const QString panelName = QString::fromUtf8(ScreenById(screen).Panel);
    if (QWidget* p = mPanels.panel(panelName))
        p->show();
    SetViewMenu();
}

void ScreenController::loadRichText(Long screen)
{
    const OpenTournament& t = openTournament();
    QTextEdit* box = screen == RulesScreen ? mPanels.rtbRules : mPanels.rtbCustomMessage;
    const QString& text = screen == RulesScreen ? t.gstrRules : t.gstrCustomMessage;
    LoadStoredRichText(box, text);
    // New text takes the colour of its screen object, once the table is built.
    const ScreenObjectTable& objects = screenObjects();
    const Integer entry = screen == RulesScreen ? objects.gintRulesObject : objects.gintCustomMessageObject;
    if (objects.gintScreenObjectCount() > 0 && objects.gtypScreenObjects.contains(entry))
        RecolorWholeText(box, OleColorFromVariant(objects.gtypScreenObjects[entry].FontColor, 0xFFFFFF));
}

void ScreenController::SwitchView(Long index)
{
    ResetDisplayTimer();
    openTournament().glngCurrentScreen = index;
    SetViewMenu();
    SetScreen(true);
}

void ScreenController::SetViewMenu()
{
    const Long screen = openTournament().glngCurrentScreen;
    for (const ScreenEntry& s : ScreenCatalogue())
        mMenuAction(QString::fromUtf8(s.Entry))->setChecked(s.Id == screen);
    mBtnView->setCaption(ViewButtonCaption(screen));
}

void ScreenController::ResetDisplayTimer()
{
    if (mblnScrolling || mblnRedrawing)
        return;
    mblnDisplayTimerReset = true;
    tmrDisplay->stop();
    if (programSettings().gintRotateScreens == 1)
        tmrDisplay->start();
}

void ScreenController::tmrDisplay_Timer()
{
    OpenTournament& t = openTournament();
    const int phase = RotationPhase(t.gblnOnBreak, t.gintBlindsLevel, playersStillIn(), clockHasMoved());
    t.glngCurrentScreen = NextRotationScreen(programSettings().gintRotationMatrix, phase, t.glngCurrentScreen);
    SetScreen(false);
}

void ScreenController::mnRotate_Click()
{
    ProgramSettings& s = programSettings();
    s.gintRotateScreens = s.gintRotateScreens == 1 ? 0 : 1;
    mMenuAction(QStringLiteral("mnRotate"))->setChecked(s.gintRotateScreens == 1);
    WriteIniValue(QString::fromLatin1(DisplaySection), QStringLiteral("RotateScreens"), s.gintRotateScreens);
    if (s.gintRotateScreens == 1)
        tmrDisplay->start();
    else
        tmrDisplay->stop();
}

void ScreenController::mnToggleScreen_Click() { SwitchView(NextToggleScreen(openTournament().glngCurrentScreen)); }
