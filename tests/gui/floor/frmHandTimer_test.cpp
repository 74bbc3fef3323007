#include "gui/floor/frmHandTimer.h"

#include "core/store/ProgramSettings.h"

#include "ManualClock.h"
#include "ModalDialogs.h"
#include "RecordingSoundPlayer.h"
#include "TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class HandTimerTest : public DataFolderTest {
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        programSettings().gintHandTimer = 5;
        window.Form_Load();
        window.show();
    }
    void TearDown() override
    {
        window.close();
        programSettings().gintHandTimer = 0;
        DataFolderTest::TearDown();
    }

    // Lets time pass, with the window's 100 ms ticks.
    void run(qint64 ms)
    {
        for (qint64 done = 0; done < ms; done += 100) {
            time.advance(100);
            if (window.Timer1->isActive())
                window.Timer1_Timer();
        }
    }
    QString shown() const { return window.lblTimer->text(); }
    QString caption() const { return window.cmdStartPause->text(); }

    ManualClock time;
    RecordingSoundPlayer sounds;
    frmHandTimer window;
};

} // namespace

TEST_F(HandTimerTest, CountsPausesContinuesAndSoundsAtZero)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Hand Timer"));
    EXPECT_EQ(shown(), QStringLiteral("5:00"));
    EXPECT_EQ(caption(), QStringLiteral("Start"));

    QTest::mouseClick(window.cmdStartPause, Qt::LeftButton);
    EXPECT_EQ(caption(), QStringLiteral("Pause"));
    EXPECT_TRUE(window.Timer1->isActive());
    EXPECT_EQ(window.Timer1->interval(), 100);
    run(258'000);
    EXPECT_EQ(shown(), QStringLiteral("0:42"));

    QTest::mouseClick(window.cmdStartPause, Qt::LeftButton);
    EXPECT_EQ(caption(), QStringLiteral("Start"));
    EXPECT_FALSE(window.Timer1->isActive());
    time.advance(600'000);
    QTest::mouseClick(window.cmdStartPause, Qt::LeftButton);
    run(500);
    EXPECT_EQ(shown(), QStringLiteral("0:42"));

    run(41'500);
    EXPECT_EQ(shown(), QStringLiteral("0:00"));
    EXPECT_EQ(sounds.played, std::vector<int> {11});
    EXPECT_EQ(caption(), QStringLiteral("Start"));
    EXPECT_FALSE(window.Timer1->isActive());
    run(5'000);
    EXPECT_EQ(shown(), QStringLiteral("0:00"));
    EXPECT_EQ(sounds.played.size(), 1u);

    // Started after it ran out: a full period again.
    QTest::mouseClick(window.cmdStartPause, Qt::LeftButton);
    run(1'000);
    EXPECT_EQ(shown(), QStringLiteral("4:59"));
}

TEST_F(HandTimerTest, ANewLengthAppliesAtResetAndCloseStopsIt)
{
    QTest::mouseClick(window.cmdStartPause, Qt::LeftButton);
    run(3'000);
    programSettings().gintHandTimer = 2;
    EXPECT_EQ(shown(), QStringLiteral("4:57"));
    QTest::mouseClick(window.cmdReset, Qt::LeftButton);
    EXPECT_EQ(shown(), QStringLiteral("2:00"));
    EXPECT_EQ(caption(), QStringLiteral("Start"));
    EXPECT_FALSE(window.Timer1->isActive());

    QTest::mouseClick(window.cmdStartPause, Qt::LeftButton);
    QTest::mouseClick(window.cmdClose, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.Timer1->isActive());

    QStringList opened;
    CancelNextModal(opened);
    QTest::mouseClick(window.cmdSettings, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList {"frmAppearance"});
}
