#include "core/floor/LevelClock.h"
#include "core/store/ProgramSettings.h"

#include "LevelTestData.h"
#include "ManualClock.h"
#include "RecordingSoundPlayer.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <random>

namespace {

class RecordingView : public LevelClockView {
public:
    QStringList reminders; // "wait:" or "frame:" and the text
    int screens = 0;
    int tableChecks = 0;
    void checkTables() override { ++tableChecks; }
    void showReminder(const QString& text, bool wait) override
    {
        reminders << (wait ? QStringLiteral("wait:") : QStringLiteral("frame:")) + text;
    }
    void setScreen(bool) override { ++screens; }
};

class LevelClockTest : public ::testing::Test {
protected:
    LevelClockTest()
    {
        settings.gint5MinNotice = 1;
        settings.gintNotifyEndOfSession = 1;
    }

    // Runs the clock for a while, a tick every 500 ms.
    void run(qint64 ms)
    {
        for (qint64 done = 0; done < ms; done += 500) {
            time.advance(500);
            clock.Tick();
        }
    }
    // Runs until the timer shows the text.
    void runTo(const QString& text)
    {
        for (int i = 0; i < 100'000 && clock.face().timerText != text; ++i) {
            time.advance(500);
            clock.Tick();
        }
        ASSERT_EQ(clock.face().timerText, text);
    }
    std::vector<int> warnings() const
    {
        std::vector<int> out;
        std::copy_if(sounds.played.begin(), sounds.played.end(), std::back_inserter(out),
                     [](int e) { return e >= 2 && e <= 6; });
        return out;
    }

    OpenTournament t;
    ProgramSettings settings;
    ManualClock time;
    RecordingSoundPlayer sounds;
    RecordingView view;
    LevelClock clock {t, settings, time, view};
};

} // namespace

TEST_F(LevelClockTest, EightHourRun)
{
    // Sixteen levels of 20 to 35 minutes with four breaks: just over eight hours.
    SetTestLevels(t,
                  {{20},
                   {25},
                   {30, 15},
                   {35},
                   {20},
                   {25, 10},
                   {30},
                   {35},
                   {20, 15},
                   {25},
                   {30},
                   {35, 10},
                   {20},
                   {25},
                   {30},
                   {35}});
    clock.ResetTimer();
    clock.ClockStart();
    const qint64 firstStart = time.now;

    std::vector<qint64> exactEnds; // from the first start, in whole seconds of each level and break
    qint64 end = firstStart;
    for (long level = 1; level <= 16; ++level) {
        end += qint64(t.gintLevelSessionTime[level]) * 60'000;
        exactEnds.push_back(end);
        if (t.gdblLevelBreakAfter[level] > 0) {
            end += qint64(t.gdblLevelBreakAfter[level]) * 60'000;
            exactEnds.push_back(end);
        }
    }
    ASSERT_GT(end - firstStart, 8 * 3'600'000LL);

    std::mt19937 jitter(16);
    std::uniform_int_distribution<int> interval(450, 550);
    std::vector<qint64> lateness;
    auto position = [&] { return std::pair(t.gintBlindsLevel, t.gblnOnBreak); };
    while (clock.running() && time.now < end + 60'000) {
        const auto before = position();
        time.advance(interval(jitter));
        clock.Tick();
        if (position() != before || !clock.running())
            lateness.push_back(time.now - exactEnds.at(lateness.size()));
    }

    ASSERT_EQ(lateness.size(), exactEnds.size());
    for (std::size_t i = 0; i < lateness.size(); ++i) {
        // Noticed by the first tick after the exact end, never before it.
        EXPECT_GE(lateness[i], 0) << "end " << i;
        EXPECT_LT(lateness[i], 550) << "end " << i;
    }
    EXPECT_EQ(t.gintBlindsLevel, 16);
    EXPECT_EQ(clock.face().timerText, QStringLiteral("0:00"));
    EXPECT_EQ(clock.face().clockCaption, QStringLiteral("Clock: Not Running"));
    // Five warnings and the end of each of the 20 levels and breaks, and 4 breaks.
    EXPECT_EQ(std::count(sounds.played.begin(), sounds.played.end(), 7), 20);
    EXPECT_EQ(std::count(sounds.played.begin(), sounds.played.end(), 9), 4);
    EXPECT_EQ(warnings().size(), 5u * 20);
}

TEST_F(LevelClockTest, NextLevelCountsFromTheEndNotFromTheTickThatSawIt)
{
    SetTestLevels(t, {{1}, {2}});
    clock.ResetTimer();
    clock.ClockStart();
    time.advance(60'400); // a late tick, 400 ms after the end
    clock.Tick();
    EXPECT_EQ(t.gintBlindsLevel, 2);
    EXPECT_EQ(clock.face().timerText, QStringLiteral("2:00"));
    time.advance(600); // one second after the end of level 1
    clock.Tick();
    EXPECT_EQ(clock.face().timerText, QStringLiteral("1:59"));
}

TEST_F(LevelClockTest, SkipTwiceTwoLevels)
{
    SetTestLevels(t, {{10}, {10}, {15}, {20}});
    clock.ResetTimer();
    clock.ClockStart();
    run(3'000);
    clock.SkipLevel();
    run(1'500);
    clock.SkipLevel();
    run(1'000);
    EXPECT_EQ(t.gintBlindsLevel, 3);
    EXPECT_EQ(t.gdblBig, 60);
    EXPECT_TRUE(clock.running());
    EXPECT_EQ(clock.face().timerText, QStringLiteral("14:59"));
    EXPECT_EQ(view.tableChecks, 2) << "the tables are checked at the end of every level";
}

TEST_F(LevelClockTest, PauseAtSevenThirtyOneContinuesThere)
{
    SetTestLevels(t, {{10}});
    clock.ResetTimer();
    EXPECT_EQ(clock.face().timerText, QStringLiteral("10:00"));
    clock.ClockStart();
    EXPECT_EQ(clock.face().clockCaption, QStringLiteral("Clock: Running"));
    runTo(QStringLiteral("7:31"));
    clock.ClockPause();
    EXPECT_EQ(clock.face().clockCaption, QStringLiteral("Clock: Not Running"));
    time.advance(3'600'000);
    clock.Tick();
    clock.ClockStart();
    run(500);
    EXPECT_EQ(clock.face().timerText, QStringLiteral("7:31"));
    run(1'000);
    EXPECT_EQ(clock.face().timerText, QStringLiteral("7:30"));
    // The day rolling over means nothing to the count: 5:00 left, two minutes on.
    runTo(QStringLiteral("5:00"));
    run(120'000);
    EXPECT_EQ(clock.face().timerText, QStringLiteral("3:00"));
}

TEST_F(LevelClockTest, WarningsOncePerLevelAndAgainAfterAnAddedMinute)
{
    SetTestLevels(t, {{10}, {4}, {10}});
    clock.ResetTimer();
    clock.ClockStart();
    runTo(QStringLiteral("4:30"));
    EXPECT_EQ(warnings(), (std::vector<int> {2}));
    clock.AddMinute();
    EXPECT_FALSE(clock.running());
    EXPECT_EQ(clock.face().timerText, QStringLiteral("5:30"));
    clock.ClockStart();
    runTo(QStringLiteral("0:01"));
    EXPECT_EQ(warnings(), (std::vector<int> {2, 2, 3, 4, 5, 6}));

    // A level of 4 minutes never warns at five.
    sounds.played.clear();
    runTo(QStringLiteral("4:00"));
    ASSERT_EQ(t.gintBlindsLevel, 2);
    runTo(QStringLiteral("0:01"));
    EXPECT_EQ(warnings(), (std::vector<int> {3, 4, 5, 6}));
}

TEST_F(LevelClockTest, Notices)
{
    SetTestLevels(t, {{10, 10}, {5}});
    clock.ResetTimer();
    clock.ClockStart();
    clock.Tick();
    EXPECT_FALSE(clock.face().noticeVisible); // not at the start of a 10-minute level
    runTo(QStringLiteral("9:55"));
    EXPECT_FALSE(clock.face().noticeVisible);
    runTo(QStringLiteral("5:00"));
    EXPECT_TRUE(clock.face().noticeVisible);
    EXPECT_EQ(clock.face().noticeText, QStringLiteral("5 Minutes Remaining"));
    runTo(QStringLiteral("4:55"));
    EXPECT_TRUE(clock.face().noticeVisible);
    runTo(QStringLiteral("4:54"));
    EXPECT_FALSE(clock.face().noticeVisible);

    // The last five seconds blink "End of Session" and the timer stays up.
    runTo(QStringLiteral("0:05"));
    std::vector<bool> blinks;
    for (int i = 0; i < 4; ++i) {
        blinks.push_back(clock.face().noticeVisible);
        EXPECT_TRUE(clock.face().timerVisible);
        EXPECT_EQ(clock.face().noticeText, QStringLiteral("End of Session"));
        run(500);
    }
    EXPECT_NE(blinks[0], blinks[1]);
    EXPECT_NE(blinks[1], blinks[2]);

    // A break counts down without the minutes notices.
    runTo(QStringLiteral("5:00"));
    ASSERT_TRUE(t.gblnOnBreak);
    EXPECT_FALSE(clock.face().noticeVisible);
}

TEST_F(LevelClockTest, ABreakAndTheLastLevel)
{
    SetTestLevels(t, {{1, 2}, {3}});
    clock.ResetTimer();
    clock.ClockStart();
    run(60'000);
    EXPECT_TRUE(t.gblnOnBreak);
    EXPECT_EQ(LevelCaption(t), QStringLiteral("BREAK!"));
    EXPECT_EQ(t.gdblBig, 40); // the coming level's blinds
    EXPECT_EQ(clock.face().timerText, QStringLiteral("2:00"));
    run(1'000);
    EXPECT_EQ(clock.face().nextBreak, (NextBreakText {"Now!", "Now!"}));
    run(119'000);
    EXPECT_FALSE(t.gblnOnBreak);
    EXPECT_EQ(LevelCaption(t), QStringLiteral("Level 2"));
    EXPECT_EQ(clock.face().timerText, QStringLiteral("3:00"));
    run(180'000);
    EXPECT_FALSE(clock.running());
    EXPECT_EQ(clock.face().timerText, QStringLiteral("0:00"));
    EXPECT_EQ(t.gintBlindsLevel, 2);
    // A further skip does the same again; a start runs the last level again.
    clock.SkipLevel();
    EXPECT_FALSE(clock.running());
    EXPECT_EQ(clock.face().timerText, QStringLiteral("0:00"));
    clock.ClockStart();
    run(1'000);
    EXPECT_EQ(clock.face().timerText, QStringLiteral("2:59"));
}

TEST_F(LevelClockTest, AWaitingReminderHoldsTheNextLevelUntilOK)
{
    SetTestLevels(t, {{1, 0, "Colour up the 5s", true}, {2}});
    clock.ResetTimer();
    clock.ClockStart();
    run(60'000);
    EXPECT_EQ(view.reminders, QStringList {"wait:Colour up the 5s"});
    EXPECT_TRUE(clock.endingLevel());
    EXPECT_EQ(clock.face().clockCaption, QStringLiteral("Clock: Not Running"));
    const std::size_t soundsSoFar = sounds.played.size();

    // Ticks and keys while it is up start nothing.
    run(30'000);
    clock.SkipLevel();
    clock.ClockStart();
    clock.AddMinute();
    EXPECT_EQ(t.gintBlindsLevel, 1);
    EXPECT_EQ(sounds.played.size(), soundsSoFar);
    EXPECT_EQ(view.reminders.size(), 1);

    clock.ReminderClosed();
    EXPECT_EQ(t.gintBlindsLevel, 2);
    EXPECT_TRUE(clock.running());
    time.advance(999);
    clock.Tick();
    EXPECT_EQ(clock.face().timerText, QStringLiteral("2:00")); // counted from the OK
    time.advance(1);
    clock.Tick();
    EXPECT_EQ(clock.face().timerText, QStringLiteral("1:59"));
    clock.ReminderClosed(); // a second close does nothing
    EXPECT_EQ(t.gintBlindsLevel, 2);
}

TEST_F(LevelClockTest, DoublingRunsOnAndFixedBlindsStop)
{
    t.gintAutoDoubleBlind = BlindModeDoubling;
    t.glngMinutesPerSession = 1;
    t.gdblSmall = 5;
    t.gdblBig = 10;
    clock.ResetTimer();
    clock.ClockStart();
    run(60'000);
    EXPECT_EQ(t.gdblBig, 20);
    EXPECT_TRUE(clock.running());
    EXPECT_EQ(LevelCaption(t), QString());

    t.gintAutoDoubleBlind = 0;
    run(60'000);
    EXPECT_EQ(t.gdblBig, 20);
    EXPECT_FALSE(clock.running());
    EXPECT_EQ(clock.face().timerText, QStringLiteral("1:00"));
    EXPECT_EQ(clock.face().clockCaption, QStringLiteral("Clock: Not Running"));
}

TEST(LevelClockLevels, SetLevelStaysInsideTheTable)
{
    OpenTournament t;
    SetTestLevels(t, {{20, 10}, {25}, {30}});
    struct {
        const char* name;
        Integer level;
        bool onBreak;
        Integer shownLevel;
        bool shownOnBreak;
        Long minutes;
    } const rows[] = {
        {"a level", 2, false, 2, false, 25},
        {"a break takes the length of the level before", 2, true, 2, true, 10},
        {"a break before level 1 cannot be", 1, true, 1, false, 20},
        {"level 0", 0, false, 1, false, 20},
        {"past the last level", 9, false, 3, false, 30},
    };
    for (const auto& row : rows) {
        t.gblnOnBreak = row.onBreak;
        t.gstrNextBreak = QStringLiteral("stale");
        SetLevel(t, row.level);
        EXPECT_EQ(t.gintBlindsLevel, row.shownLevel) << row.name;
        EXPECT_EQ(t.gblnOnBreak, row.shownOnBreak) << row.name;
        EXPECT_EQ(t.glngMinutesPerSession, row.minutes) << row.name;
        EXPECT_EQ(t.gdblSmall, 10.0 * row.shownLevel) << row.name;
        EXPECT_EQ(t.gstrNextBreak, QStringLiteral("None")) << row.name;
    }
    // Other blind modes change nothing.
    t.gintAutoDoubleBlind = 0;
    SetLevel(t, 2);
    EXPECT_EQ(t.gintBlindsLevel, 3);
    EXPECT_EQ(LevelCaption(t), QString());
}

TEST(LevelClockLevels, AWholeLoadOrNewTournamentEndsTheBreak)
{
    // Closed during a break, then a tournament at level 1 is opened.
    OpenTournament t;
    SetTestLevels(t, {{20, 10}, {25}});
    SetLevel(t, 2);
    t.gblnOnBreak = true;
    t.gstrNextBreak = QStringLiteral("Now!");
    t.ClearTournament(true);
    EXPECT_TRUE(t.gblnOnBreak); // the players-only reload keeps the running break
    t.ClearTournament(false);
    EXPECT_FALSE(t.gblnOnBreak);
    EXPECT_EQ(t.gstrNextBreak, QString());
    SetLevel(t, 1);
    EXPECT_EQ(LevelCaption(t), QStringLiteral("Level 1"));
    EXPECT_EQ(t.glngMinutesPerSession, 20);
}
