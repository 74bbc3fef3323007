#include "gui/floor/ClockPanel.h"

#include "core/store/ProgramSettings.h"
#include "gui/controls/ctlButton.h"
#include "gui/floor/frmReminder.h"

#include "LevelTestData.h"
#include "ManualClock.h"
#include "RecordingSoundPlayer.h"
#include "TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The clock part on a window of bare controls.
class LevelClockPanelTest : public DataFolderTest {
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        w.lblTimer = add<QLabel>();
        w.lblLevel = add<QLabel>();
        w.lblNextBreak = add<QLabel>();
        w.picFinished = add<QWidget>();
        w.lblFinished = new QLabel(w.picFinished);
        w.classicTimer = add<QLabel>();
        w.classicWallClock = add<QLabel>();
        w.classicNextBreak = add<QLabel>();
        w.btnClock = add<ctlButton>();
        w.frameReminder = add<QWidget>();
        w.lblReminder = new QLabel(w.frameReminder);
        w.frameReminder->hide();
        window.show();
    }
    void TearDown() override
    {
        openTournament() = OpenTournament();
        DataFolderTest::TearDown();
    }
    template <typename T>
    T* add()
    {
        return new T(&window);
    }
    void run(qint64 ms)
    {
        for (qint64 done = 0; done < ms; done += 500) {
            time.advance(500);
            if (panel->tmrCountDown->isActive())
                panel->tmrCountDown_Timer();
        }
    }

    ManualClock time;
    RecordingSoundPlayer sounds;
    QWidget window;
    ClockWidgets w;
    std::unique_ptr<ClockPanel> panel;
    void makePanel() { panel = std::make_unique<ClockPanel>(w, nullptr); }
};

} // namespace

TEST_F(LevelClockPanelTest, ShowsTheClockInTheWindowsControls)
{
    SetTestLevels(openTournament(), {{2}, {3, 10}, {4}});
    makePanel();
    panel->Load();
    EXPECT_EQ(w.lblTimer->text(), QStringLiteral("2:00"));
    EXPECT_EQ(w.classicTimer->text(), QStringLiteral("2:00"));
    EXPECT_EQ(w.lblLevel->text(), QStringLiteral("Level 1"));
    EXPECT_EQ(w.lblNextBreak->text(), QStringLiteral("10 Min Break in 5 Min"));
    EXPECT_EQ(w.classicNextBreak->text(), QStringLiteral("5 mn"));
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\d{1,2}:\\d\\d [AP]M$")).match(w.classicWallClock->text()).hasMatch());
    EXPECT_EQ(panel->tmrClock->interval(), 5000);
    EXPECT_TRUE(panel->tmrClock->isActive());
    EXPECT_FALSE(panel->tmrCountDown->isActive());
    EXPECT_TRUE(w.lblTimer->sizePolicy().retainSizeWhenHidden());

    panel->mnClockStart_Click();
    EXPECT_EQ(sounds.played, std::vector<int> {0});
    EXPECT_EQ(w.btnClock->Caption(), QStringLiteral("Clock: Running"));
    EXPECT_TRUE(panel->tmrCountDown->isActive());
    EXPECT_EQ(panel->tmrCountDown->interval(), 500);
    run(61'000);
    EXPECT_EQ(w.lblTimer->text(), QStringLiteral("0:59"));
    EXPECT_EQ(w.classicTimer->text(), QStringLiteral("0:59"));
    EXPECT_FALSE(w.lblTimer->isVisible()); // blinks in the last minute
    run(500);
    EXPECT_TRUE(w.lblTimer->isVisible());

    panel->mnClockPause_Click();
    EXPECT_FALSE(panel->tmrCountDown->isActive());
    EXPECT_EQ(w.btnClock->Caption(), QStringLiteral("Clock: Not Running"));
    EXPECT_TRUE(w.lblTimer->isVisible());

    // Two skips: level 2, then the break after it.
    panel->mnSkipLevel_Click();
    panel->mnSkipLevel_Click();
    EXPECT_EQ(w.lblLevel->text(), QStringLiteral("BREAK!"));
    EXPECT_EQ(w.lblNextBreak->text(), QStringLiteral("Now!"));
    EXPECT_EQ(w.lblTimer->text(), QStringLiteral("10:00"));
    EXPECT_TRUE(panel->tmrCountDown->isActive());
}

TEST_F(LevelClockPanelTest, RemindersWaitInTheirWindowOrStandInTheFrame)
{
    SetTestLevels(openTournament(), {{1, 0, "Colour up the 5s", true}, {1, 0, "Last rebuys"}, {1}});
    makePanel();
    panel->Load();
    panel->mnClockStart_Click();
    run(60'000);
    frmReminder& reminder = reminderWindow();
    ASSERT_TRUE(reminder.isVisible());
    EXPECT_EQ(reminder.lblReminder->text(), QStringLiteral("Colour up the 5s"));
    EXPECT_FALSE(panel->tmrCountDown->isActive());
    EXPECT_EQ(w.lblTimer->text(), QStringLiteral("0:00"));

    QTest::mouseClick(reminder.cmdOK, Qt::LeftButton);
    EXPECT_EQ(w.lblLevel->text(), QStringLiteral("Level 2"));
    EXPECT_TRUE(panel->tmrCountDown->isActive());

    run(60'000);
    EXPECT_FALSE(reminder.isVisible());
    EXPECT_TRUE(w.frameReminder->isVisible());
    EXPECT_EQ(w.lblReminder->text(), QStringLiteral("Last rebuys"));
    EXPECT_EQ(w.lblLevel->text(), QStringLiteral("Level 3"));
    EXPECT_TRUE(panel->tmrCountDown->isActive());
}
