#include "MainWindowFixture.h"

#include "core/store/SettingsFile.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/ctlButton.h"
#include "gui/display/ScreenController.h"
#include "gui/floor/AwardDialogs.h"
#include "gui/platform/BusyPointer.h"

#include "WindowTestHelpers.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTimer>

TEST_F(MainKeysTest, ActOnceWithTheMenusClosed)
{
    showActive();
    struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        Long screen;
    } views[] = {
        {Qt::Key_M, Qt::ControlModifier, 1},
        {Qt::Key_N, Qt::ControlModifier, 10},
        {Qt::Key_O, Qt::ControlModifier, 8},
        {Qt::Key_U, Qt::ControlModifier, 13},
        {Qt::Key_W, Qt::ControlModifier, 14},
        {Qt::Key_T, Qt::ControlModifier, 9},
        {Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier, 9}, // not Ctrl alone: nothing
        {Qt::Key_P, Qt::ControlModifier, 0},
        {Qt::Key_F12, Qt::NoModifier, 1},
        {Qt::Key_F12, Qt::ShiftModifier, 2},
        {Qt::Key_F12, Qt::ControlModifier, 2}, // Ctrl alone never reaches a function key
    };
    for (const auto& v : views) {
        QTest::keyClick(w.data(), v.key, v.mods);
        EXPECT_EQ(screen(), v.screen) << QKeySequence(QKeyCombination(v.mods, v.key)).toString().toStdString();
    }

    QSignalSpy starts(action("mnClockStart"), &QAction::triggered);
    for (Qt::KeyboardModifiers mods : {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier),
                                       Qt::KeyboardModifiers(Qt::AltModifier), Qt::ControlModifier | Qt::ShiftModifier,
                                       Qt::KeyboardModifiers(Qt::ControlModifier)})
        QTest::keyClick(w.data(), Qt::Key_F1, mods);
    EXPECT_EQ(starts.count(), 4);
    EXPECT_EQ(parts(w).frames.btnClock->Caption(), QStringLiteral("Clock: Running"));

    ShowHourglass(); // left up by the home window's Open
    QTest::keyClick(w.data(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(wizardPages, std::vector<int> {0});
    EXPECT_FALSE(busyOverWizard);

    parts(w).display.grid->show();
    parts(w).display.grid->setFocus();
    QTest::keyClick(parts(w).display.grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(playersShown, 1);
}

TEST_F(MainKeysTest, CtrlRTogglesRotationAndKeepsIt)
{
    showActive();
    QTest::keyClick(w.data(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(programSettings().gintRotateScreens, 1);
    EXPECT_TRUE(action("mnRotate")->isChecked());
    EXPECT_TRUE(parts(w).screens->tmrDisplay->isActive());
    EXPECT_EQ(parts(w).screens->tmrDisplay->interval(), 10000);
    EXPECT_EQ(ReadIniValue(QStringLiteral("Display"), QStringLiteral("RotateScreens"), QString()), QStringLiteral("1"));

    QTest::keyClick(w.data(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(programSettings().gintRotateScreens, 0);
    EXPECT_FALSE(action("mnRotate")->isChecked());
    EXPECT_FALSE(parts(w).screens->tmrDisplay->isActive());
    EXPECT_EQ(ReadIniValue(QStringLiteral("Display"), QStringLiteral("RotateScreens"), QString()), QStringLiteral("0"));
}

TEST_F(MainKeysTest, EscapeClosesTheAwardDialogWhereverItsFocusIs)
{
    OpenTournament& t = openTournament();
    t.gtypAwards.redim(1, 1);
    t.gtypAwards[1].AwardID = 1;
    t.gtypAwards[1].Description = QStringLiteral("Bounty on Bob");
    t.gtypAwards[1].Payout = 50;
    showActive();
    w->RefreshScreens(true);
    parts(w).display.grid->setRow(1);
    parts(w).display.grid->setCol(0);
    ASSERT_EQ(w->FindPlayerIndex(), 1);
    for (const char* focus : {"gridAwards", "cmdOK", "cmdCancel"}) {
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.data()));
        bool closed = false;
        OnNextDialog<frmAwardAward>([&closed, focus](frmAwardAward& d) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
            QWidget* f = d.findChild<QWidget*>(QString::fromLatin1(focus));
            // The award list takes the keys in its grid.
            if (auto* inner = f->findChild<FlexGrid*>())
                f = inner;
            f->setFocus();
            QTest::keyClick(f, Qt::Key_Escape);
            closed = !d.isVisible();
        });
        QTest::keyClick(w.data(), Qt::Key_B, Qt::ControlModifier);
        EXPECT_TRUE(closed) << focus;
    }
    EXPECT_EQ(t.gtypAwards[1].AwardedToPlayerID, 0);
}

TEST_F(MainKeysTest, TheKeysActAgainWhenADialogOfTheWindowCloses)
{
    // Nothing gives the keyboard back to the window but the window itself
    // where no window manager runs.
    showActive();
    const auto clock = [this] { return parts(w).frames.btnClock->Caption(); };
    QTest::keyClick(w.data(), Qt::Key_F1);
    ASSERT_EQ(clock(), QStringLiteral("Clock: Running"));
    for (const char* entry : {"mnSounds", "mnAppearance", "mnFonts", "mnDisplayOptions", "mnHandTimer"}) {
        for (const char* button : {"cmdCancel", "cmdOK", "cmdClose"}) {
            QWidget* dialog = nullptr;
            QTimer::singleShot(0, [&dialog, button] {
                dialog = QApplication::activeModalWidget();
                if (auto* b = dialog ? dialog->findChild<QAbstractButton*>(QString::fromLatin1(button)) : nullptr)
                    b->click();
                else if (dialog)
                    dialog->close();
            });
            action(entry)->trigger();
            ASSERT_NE(dialog, nullptr) << entry;
            QTest::keyClick(w.data(), Qt::Key_F2);
            EXPECT_EQ(clock(), QStringLiteral("Clock: Not Running")) << entry << ' ' << button;
            QTest::keyClick(w.data(), Qt::Key_F1);
            EXPECT_EQ(clock(), QStringLiteral("Clock: Running")) << entry << ' ' << button;
        }
    }
}
