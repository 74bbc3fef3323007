#include "gui/floor/frmReminder.h"

#include "TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(Reminder, ShowsTheTextModallyAndGoesOnOnceWhenClosed)
{
    frmReminder& window = reminderWindow();
    int closed = 0;
    window.ShowReminder(QStringLiteral("Colour up the 5s"), [&] { ++closed; });
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Reminder"));
    EXPECT_EQ(window.lblReminder->text(), QStringLiteral("Colour up the 5s"));
    EXPECT_EQ(closed, 0);
    QTest::mouseClick(window.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(closed, 1);

    // Esc closes it just the same; closing it again runs nothing twice.
    window.ShowReminder(QStringLiteral("Last rebuys"), [&] { ++closed; });
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    window.close();
    EXPECT_EQ(closed, 2);
}
