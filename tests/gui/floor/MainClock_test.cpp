#include "MainWindowFixture.h"

#include "gui/controls/ClickableLabel.h"
#include "gui/controls/ctlButton.h"
#include "gui/display/DisplayPanels.h"
#include "gui/floor/ClockPanel.h"
#include "gui/floor/frmHandTimer.h"

#include "ForeignWriteLock.h"
#include "LevelTestData.h"
#include "ManualClock.h"
#include "QtMessageCheck.h"
#include "RecordingSoundPlayer.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace {

class LevelClockWindowTest : public TournamentWindowFixture {
protected:
    QString timer() const { return parts(w).display.lblTimer->text(); }
    QString caption() const { return parts(w).frames.btnClock->Caption(); }
    void tick(qint64 ms)
    {
        for (qint64 done = 0; done < ms; done += 500) {
            time.advance(500);
            parts(w).clock->tmrCountDown_Timer();
        }
    }
    QString level() const { return parts(w).display.lblLevel->text(); }
    // The level, small and big blind of the tournament's stored row.
    QString storedLevel()
    {
        Recordset row = db.query(QStringLiteral("SELECT BlindsLevel, Small, Big FROM tblTournament "
                                                "WHERE TournamentID = ?"),
                                 {tournament});
        return QStringLiteral("%1 %2/%3")
            .arg(row.value(QStringLiteral("BlindsLevel")).toInt())
            .arg(row.value(QStringLiteral("Small")).toDouble())
            .arg(row.value(QStringLiteral("Big")).toDouble());
    }

    ManualClock time;
    RecordingSoundPlayer sounds;
};

} // namespace

TEST_F(LevelClockWindowTest, KeysRunTheClockAndTheSetUpResetsOnlyAClockAtFullLength)
{
    showActive();
    EXPECT_EQ(timer(), QStringLiteral("20:00"));
    QTest::keyClick(w.data(), Qt::Key_F1);
    EXPECT_EQ(caption(), QStringLiteral("Clock: Running"));
    EXPECT_TRUE(parts(w).clock->tmrCountDown->isActive());
    EXPECT_EQ(sounds.played, std::vector<int> {0});
    tick(3'000);
    EXPECT_EQ(timer(), QStringLiteral("19:57"));
    EXPECT_EQ(parts(w).display.lblClassicItem[6]->text(), QStringLiteral("19:57"));
    QTest::keyClick(w.data(), Qt::Key_F2);
    EXPECT_EQ(caption(), QStringLiteral("Clock: Not Running"));
    EXPECT_FALSE(parts(w).clock->tmrCountDown->isActive());

    // The set-up changes the length: a clock that has run keeps its time.
    w->showWizard = [](int) {
        openTournament().glngMinutesPerSession = 15;
        return true;
    };
    w->ShowSettings(3);
    EXPECT_EQ(timer(), QStringLiteral("19:57"));
    w->ResetTimer();
    w->showWizard = [](int) {
        openTournament().glngMinutesPerSession = 12;
        return false; // cancelled: the same
    };
    w->ShowSettings(3);
    EXPECT_EQ(timer(), QStringLiteral("12:00"));

    // With no blind changes a skip stops the clock at the full length.
    QTest::keyClick(w.data(), Qt::Key_F1);
    QTest::keyClick(w.data(), Qt::Key_F3);
    EXPECT_EQ(caption(), QStringLiteral("Clock: Not Running"));
    EXPECT_EQ(timer(), QStringLiteral("12:00"));
}

TEST_F(LevelClockWindowTest, TheSetUpsStoredLevelShowsWhenItCloses)
{
    SetTestLevels(openTournament(), {20, 20, 15});
    showActive();
    // The set-up moved the tournament to its third level and stored it; the
    // clock stood at the full length of the first.
    w->showWizard = [](int) {
        openTournament().gintBlindsLevel = 3;
        return true;
    };
    w->ShowSettings(3);
    EXPECT_EQ(parts(w).display.lblLevel->text(), QStringLiteral("Level 3"));
    EXPECT_EQ(openTournament().gdblBig, 60);
    EXPECT_EQ(timer(), QStringLiteral("15:00"));
}

TEST_F(LevelClockWindowTest, F4OpensTheHandTimer)
{
    showActive();
    bool shown = false;
    QTimer::singleShot(0, [&] {
        shown = handTimerWindow().isVisible() && handTimerWindow().isModal();
        handTimerWindow().cmdClose->click();
    });
    QTest::keyClick(w.data(), Qt::Key_F4);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(handTimerWindow().isVisible());
}

TEST_F(LevelClockWindowTest, TheFiveMinuteNoticeShowsWholeAndLetsClicksThrough)
{
    programSettings().gint5MinNotice = 1;
    openTournament().glngMinutesPerSession = 6;
    w->ResetTimer();
    showActive();
    QTest::keyClick(w.data(), Qt::Key_F1);
    tick(60'000);
    EXPECT_EQ(timer(), QStringLiteral("5:00"));
    QLabel* notice = parts(w).display.lblFinished;
    ASSERT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(), QStringLiteral("5 Minutes Remaining"));
    const QRect onWindow(notice->mapTo(w.data(), QPoint(0, 0)), notice->size());
    EXPECT_TRUE(w->rect().contains(onWindow));
    EXPECT_LE(QFontMetrics(notice->font()).horizontalAdvance(notice->text()), notice->contentsRect().width());
    EXPECT_GE(notice->font().pointSize(), 40); // read across the room

    // A click on the Tables button while the notice shows reaches the button.
    QWidget* tables = parts(w).frames.btnTables;
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, tables->mapTo(w.data(), tables->rect().center()));
    EXPECT_TRUE(menu("mnTablePopup")->isVisible());
    EXPECT_TRUE(notice->isVisible());
}

TEST_F(LevelClockWindowTest, TheStoredLevelFollowsTheClockAndAFailedWriteStopsNothing)
{
    SetTestLevels(openTournament(), {{1, 2}, {1}, {1}, {1}, {1}, {1}, {1}});
    w->ResetTimer();
    showActive();
    QTest::keyClick(w.data(), Qt::Key_F1);

    // Level 1 runs a minute and a break of two follows, which already shows
    // level 2's blinds: a power cut in the break reopens at level 2.
    const struct {
        qint64 ms;
        const char* level;
        const char* stored;
    } steps[] = {
        {60'000, "BREAK!", "2 20/40"},
        {120'000, "Level 2", "2 20/40"},
        {60'000, "Level 3", "3 30/60"},
    };
    for (const auto& step : steps) {
        tick(step.ms);
        EXPECT_EQ(parts(w).display.lblLevel->text(), QString::fromLatin1(step.level));
        EXPECT_EQ(storedLevel(), QString::fromLatin1(step.stored)) << step.level;
    }
    EXPECT_TRUE(prompts.messages.isEmpty());

    // A database that refuses the write: the clock goes on and the director
    // is told once, not at every level; the failure is logged at each.
    const ExpectedWarning logged(QStringLiteral("Storing the level failed"));
    db.execute(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON tblTournament "
                              "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END"));
    tick(60'000);
    EXPECT_EQ(parts(w).display.lblLevel->text(), QStringLiteral("Level 4"));
    EXPECT_EQ(caption(), QStringLiteral("Clock: Running"));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(QStringLiteral("disk I/O error")));
    EXPECT_EQ(storedLevel(), QStringLiteral("3 30/60"));
    tick(60'000);
    EXPECT_EQ(parts(w).display.lblLevel->text(), QStringLiteral("Level 5"));
    EXPECT_EQ(prompts.messages.size(), 1);

    // A write that works again ends the failure; the next one that fails is
    // a new failure, and the director hears of it.
    db.execute(QStringLiteral("DROP TRIGGER refuse"));
    tick(60'000);
    EXPECT_EQ(storedLevel(), QStringLiteral("6 60/120"));
    EXPECT_EQ(prompts.messages.size(), 1);
    db.execute(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON tblTournament "
                              "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    tick(60'000);
    EXPECT_EQ(parts(w).display.lblLevel->text(), QStringLiteral("Level 7"));
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_TRUE(prompts.messages[1].contains(QStringLiteral("disk full")));
}

TEST_F(LevelClockWindowTest, ALevelBeginsAtOnceWhileAnotherProgramLocksTheDatabase)
{
    SetTestLevels(openTournament(), {1, 1, 1});
    w->ResetTimer();
    showActive();
    QTest::keyClick(w.data(), Qt::Key_F1);
    // Saves wait long for a lock; the level's write must not.
    db.setBusyWait(60'000);
    QTimer* retry = parts(w).clock->tmrLevelStore;
    {
        const ExpectedWarning logged(QStringLiteral("database is locked"));
        ForeignWriteLock lock(db.fileName());
        ASSERT_TRUE(lock.locked());
        for (const char* next : {"Level 2", "Level 3"}) {
            tick(60'000);
            // The window went on while the other program still held the file.
            EXPECT_FALSE(lock.released()) << next;
            EXPECT_EQ(level(), QString::fromLatin1(next));
            EXPECT_EQ(caption(), QStringLiteral("Clock: Running"));
            EXPECT_TRUE(retry->isActive());
        }
        ASSERT_EQ(prompts.messages.size(), 1);
        EXPECT_TRUE(prompts.messages[0].startsWith(QStringLiteral("Unable to store the current level")));
        EXPECT_EQ(db.busyWait(), 60'000);
        lock.release();
    }
    // Once the file is free, the retry stores the newest level, silently.
    QSignalSpy retried(retry, &QTimer::timeout);
    ASSERT_TRUE(retried.wait(10'000));
    EXPECT_EQ(storedLevel(), QStringLiteral("3 30/60"));
    EXPECT_FALSE(retry->isActive());
    EXPECT_EQ(prompts.messages.size(), 1);
}
