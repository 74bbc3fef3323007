#include "gui/floor/ClockPanel.h"

#include "core/floor/ClockRules.h"
#include "core/floor/Levels.h"
#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/platform/SteadyClock.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramSettings.h"
#include "core/store/TournamentStore.h"
#include "gui/controls/ctlButton.h"
#include "gui/floor/frmHandTimer.h"
#include "gui/floor/frmReminder.h"

#include <QDebug>
#include <QLabel>
#include <QLayout>
#include <QTime>
#include <QTimer>

namespace {

void setText(QLabel* label, const QString& text)
{
    if (label && label->text() != text)
        label->setText(text);
}

void setVisible(QWidget* widget, bool visible)
{
    if (widget && widget->isVisible() != visible)
        widget->setVisible(visible);
}

// A blinking control must not make the controls around it move.
void keepPlaceWhenHidden(QWidget* widget)
{
    if (!widget)
        return;
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

// Another program (a backup, a database browser) may hold the file for a
// while: the level's write waits only a moment, so that the window goes on
// at once, and is tried again later.
constexpr int kLevelStoreWaitMs = 50;
constexpr int kLevelStoreRetryMs = 2000;

} // namespace

ClockPanel::ClockPanel(const ClockWidgets& widgets, QObject* parent)
    : QObject(parent)
    , tmrCountDown(new QTimer(this))
    , tmrClock(new QTimer(this))
    , tmrLevelStore(new QTimer(this))
    , clock(openTournament(), programSettings(), steadyClock(), *this)
    , w(widgets)
{
    tmrCountDown->setObjectName(QStringLiteral("tmrCountDown"));
    tmrCountDown->setInterval(500);
    tmrClock->setObjectName(QStringLiteral("tmrClock"));
    tmrClock->setInterval(5000);
    connect(tmrCountDown, &QTimer::timeout, this, &ClockPanel::tmrCountDown_Timer);
    connect(tmrClock, &QTimer::timeout, this, &ClockPanel::tmrClock_Timer);
    tmrLevelStore->setObjectName(QStringLiteral("tmrLevelStore"));
    tmrLevelStore->setSingleShot(true);
    tmrLevelStore->setInterval(kLevelStoreRetryMs);
    connect(tmrLevelStore, &QTimer::timeout, this, &ClockPanel::tmrLevelStore_Timer);
    keepPlaceWhenHidden(w.lblTimer);
    keepPlaceWhenHidden(w.picFinished);
}

void ClockPanel::Load()
{
    mnClockReset_Click();
    clock.AdjustBreakLabel();
    tmrClock_Timer();
    tmrClock->start();
}

void ClockPanel::mnClockStart_Click() { clock.ClockStart(); }

void ClockPanel::mnClockPause_Click() { clock.ClockPause(); }

void ClockPanel::mnClockReset_Click() { clock.ResetTimer(); }

void ClockPanel::mnAddMinute_Click() { clock.AddMinute(); }

void ClockPanel::mnSkipLevel_Click() { clock.SkipLevel(); }

void ClockPanel::mnHandTimer_Click() { handTimerWindow().ShowModal(); }

void ClockPanel::tmrCountDown_Timer() { clock.Tick(); }

void ClockPanel::tmrClock_Timer() { setText(w.classicWallClock, WallClockText(QTime::currentTime())); }

void ClockPanel::Unload()
{
    tmrCountDown->stop();
    tmrClock->stop();
    tmrLevelStore->stop();
}

void ClockPanel::ShowLevel()
{
    clock.AdjustBreakLabel();
    clockChanged();
}

void ClockPanel::clockChanged()
{
    const ClockFace& face = clock.face();
    setText(w.lblTimer, face.timerText);
    setText(w.classicTimer, face.timerText);
    setVisible(w.lblTimer, face.timerVisible);
    setText(w.lblFinished, face.noticeText);
    setVisible(w.picFinished, face.noticeVisible);
    if (face.noticeVisible && w.picFinished) {
        w.picFinished->raise();
        // The notice takes its text's size at once, centred.
        if (QLayout* centred = w.picFinished->layout())
            centred->activate();
    }
    if (w.btnClock && w.btnClock->Caption() != face.clockCaption)
        w.btnClock->setCaption(face.clockCaption);
    setText(w.lblLevel, LevelCaption(openTournament()));
    setText(w.lblNextBreak, face.nextBreak.text);
    setText(w.classicNextBreak, face.nextBreak.shortText);

    const OpenTournament& t = openTournament();
    const EntryPeriod period {t.gintBlindsLevel, t.gblnOnBreak, t.gintAutoDoubleBlind};
    if (period != mEntryPeriod) {
        mEntryPeriod = period;
        if (onEntryPeriodChanged)
            onEntryPeriodChanged();
    }

    // The tick runs while the clock does, and not while the end of a level
    // waits for its reminder.
    const bool ticking = clock.running() && !clock.endingLevel();
    if (!ticking)
        tmrCountDown->stop();
    else if (!tmrCountDown->isActive())
        tmrCountDown->start();
}

void ClockPanel::showReminder(const QString& text, bool wait)
{
    if (wait) {
        QPointer<ClockPanel> self(this);
        reminderWindow().ShowReminder(text, [self] {
            if (self)
                self->clock.ReminderClosed();
        });
        return;
    }
    setText(w.lblReminder, text);
    if (w.frameReminder) {
        w.frameReminder->show();
        w.frameReminder->raise();
    }
}

void ClockPanel::setScreen(bool bReset)
{
    if (onSetScreen)
        onSetScreen(bReset);
}

void ClockPanel::refreshScreens(bool bRefreshTables)
{
    if (onRefreshScreens)
        onRefreshScreens(bRefreshTables);
}

void ClockPanel::checkTables()
{
    if (onCheckTables)
        onCheckTables();
}

void ClockPanel::levelBegan() { storeLevel(); }

void ClockPanel::tmrLevelStore_Timer()
{
    // The level in force now, never older than the one that failed; and only
    // for the tournament that it was.
    if (openTournament().glngCurrentTournamentID == mLevelStoreFor)
        storeLevel();
}

void ClockPanel::storeLevel()
{
    // Stored at once, so that after a power cut the tournament reopens at the
    // level the clock had reached. A failed write stops nothing: it is tried
    // again, and the level is stored in full when the tournament is closed.
    // The director hears of it once, not at every level, until a write works
    // again. A tournament not stored yet has no row to follow the clock.
    tmrLevelStore->stop();
    const Long id = openTournament().glngCurrentTournamentID;
    if (id == 0)
        return;
    try {
        const BriefBusyWait brief(gobjDatabase(), kLevelStoreWaitMs);
        SaveLevelInForce(gobjDatabase(), openTournament());
        mLevelStoreFailureTold = false;
    } catch (const DatabaseError& e) {
        qWarning().noquote() << "Storing the level failed:" << e.what();
        mLevelStoreFor = id;
        tmrLevelStore->start();
        if (mLevelStoreFailureTold)
            return;
        mLevelStoreFailureTold = true;
        prompter().message(QStringLiteral("Unable to store the current level; the clock goes on. %1")
                               .arg(QString::fromUtf8(e.what())));
    }
}
