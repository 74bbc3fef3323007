#pragma once

#include "core/floor/LevelClock.h"

#include <QObject>
#include <QPointer>
#include <functional>

class ctlButton;
class QLabel;
class QTimer;
class QWidget;

// The tournament window's controls that show the level clock. Any of them
// may be missing (nullptr) while the screen that holds it is not built.
struct ClockWidgets {
    QLabel* lblTimer = nullptr;
    QLabel* lblLevel = nullptr;
    QLabel* lblNextBreak = nullptr;
    QWidget* picFinished = nullptr;
    QLabel* lblFinished = nullptr;
    QLabel* classicTimer = nullptr; // lblClassicItem(6), mirrors lblTimer
    QLabel* classicWallClock = nullptr; // lblClassicItem(10)
    QLabel* classicNextBreak = nullptr; // lblClassicItem(11), the short form
    ctlButton* btnClock = nullptr;
    QWidget* frameReminder = nullptr;
    QLabel* lblReminder = nullptr;
};

// The clock part of the tournament window: its two timers, the level clock
// on the open tournament, and the handlers of the clock menu. It shows what
// the clock says in the window's controls; the display side redraws through
// the two hooks.
class ClockPanel : public QObject, private LevelClockView {
    Q_OBJECT
public:
    ClockPanel(const ClockWidgets& widgets, QObject* parent);

    QTimer* tmrCountDown; // 500 ms while the clock runs
    QTimer* tmrClock; // 5 s, the wall clock
    QTimer* tmrLevelStore; // once, while a level waits to be stored
    LevelClock clock;

    // SetScreen(bReset) and RefreshScreens(bRefreshTables) of the window.
    std::function<void(bool)> onSetScreen;
    std::function<void(bool)> onRefreshScreens;
    std::function<void()> onCheckTables;
    // The level, the break or the blind mode changed: the rebuy and add-on
    // periods with them.
    std::function<void()> onEntryPeriodChanged;

    // The window's Form_Load: the clock stopped at the full length of the
    // current level, the wall clock shown and running.
    void Load();

    void mnClockStart_Click();
    void mnClockPause_Click();
    void mnClockReset_Click();
    void mnAddMinute_Click();
    void mnSkipLevel_Click();
    void mnHandTimer_Click();
    void tmrCountDown_Timer();
    void tmrClock_Timer();
    void tmrLevelStore_Timer();

    // The level caption, blinds and next break again from the tournament,
    // after it changed elsewhere (a load, the set-up).
    void ShowLevel();
    // The window's Form_Unload: the timers stopped, a level store that
    // waits dropped (the tournament was stored in full on its way out).
    void Unload();

private:
    void clockChanged() override;
    void showReminder(const QString& text, bool wait) override;
    void setScreen(bool bReset) override;
    void refreshScreens(bool bRefreshTables) override;
    void checkTables() override;
    void levelBegan() override;
    void storeLevel();

    ClockWidgets w;
    bool mLevelStoreFailureTold = false; // since the level was last stored
    Long mLevelStoreFor = 0; // the tournament whose level waits to be stored
    struct EntryPeriod {
        Integer level = 0;
        bool onBreak = false;
        Integer blindMode = 0;
        bool operator==(const EntryPeriod&) const = default;
    } mEntryPeriod;
};
