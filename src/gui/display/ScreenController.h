#pragma once

#include "core/platform/ModelTypes.h"

#include <QObject>
#include <functional>

struct DisplayPanels;
class QAction;
class QString;
class QTimer;
class ctlButton;

// Which screen the tournament window shows: showing a screen, switching by
// hand, the View menu's check mark and button caption, and the rotation of
// the screens by the tournament's phase on a timer.
class ScreenController : public QObject {
    Q_OBJECT
public:
    // The menu entry of a name, among the window's menus.
    using MenuAction = std::function<QAction*(const QString& name)>;

    ScreenController(DisplayPanels& panels, MenuAction menuAction, ctlButton* btnView, QObject* parent);

    QTimer* tmrDisplay;

    // Shows glngCurrentScreen; bReset forces the full layout.
    void SetScreen(bool bReset);
    void SwitchView(Long index);
    void SetViewMenu();
    // Restarts the rotation interval (nothing while the grids scroll or the
    // screens are redrawn).
    void ResetDisplayTimer();
    // One rotation step.
    void tmrDisplay_Timer();
    // Rotation on or off, kept in Defaults.ini.
    void mnRotate_Click();
    // F12: the next screen, after the last the first.
    void mnToggleScreen_Click();
    // The interval and the check mark from the settings; the timer stays off.
    void Load();

    // The full layout of the display and the placing of the rotating
    // screens; the layout parts put theirs here.
    std::function<void()> fullLayout = [] {};
    std::function<void()> basicLayout = [] {}; // Summary Style 3 (screen 8)
    std::function<void()> placeRotatingScreens = [] {};
    // A screen without the players grid shows: the player buttons go with it.
    std::function<void()> leavePlayersScreen = [] {};
    // The layout of a screen's own panel (screens without one: nothing).
    std::function<void(Long screen)> layoutScreen = [](Long) {};
    // The stored looks of the screen's elements, and the manager report.
    std::function<void(Long screen)> setScreenObjects = [](Long) {};
    std::function<void()> loadManagerReport = [] {};
    // What the rotation reads of the clock: has the countdown moved since it
    // was last started, paused or reset? And how many players are still in.
    std::function<bool()> clockHasMoved = [] { return false; };
    std::function<int()> playersStillIn = [] { return 0; };

    bool mblnDisplayTimerReset = false;
    bool mblnScrolling = false;
    // Set while the window fills or lays out its screens: a grid that moves
    // its current cell or scrolls meanwhile is no operator action.
    bool mblnRedrawing = false;
    bool mblnRelayoutAfterBasic = false;
    bool mblnRelayoutAfterSummary = false;
    bool mblnSummary5Placed = false;

private:
    void loadRichText(Long screen);

    DisplayPanels& mPanels;
    MenuAction mMenuAction;
    ctlButton* mBtnView;
};
