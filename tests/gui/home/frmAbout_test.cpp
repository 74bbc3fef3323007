#include "gui/home/frmAbout.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs check while the window's modal loop is up, then close to end it.
void whileShown(frmAbout& window, const std::function<void()>& check, const std::function<void()>& close)
{
    QTimer::singleShot(0, &window, [check, close] {
        check();
        close();
    });
}

} // namespace

TEST(frmAbout, SplashRunsItsTwoSecondTimerAndAClickClosesItAtOnce)
{
    frmAbout window;
    bool sawTimer = false;
    whileShown(
        window, [&] { sawTimer = window.tmrStartup->isActive() && window.tmrStartup->interval() == 2000; },
        [&] { QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("Image1")), Qt::LeftButton); });
    window.ShowAsSplash();
    EXPECT_TRUE(sawTimer);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.tmrStartup->isActive());
}

TEST(frmAbout, SplashClosesItselfWhenItsTimerRunsOut)
{
    frmAbout window;
    window.tmrStartup->setInterval(1); // the same path, without the wait
    window.ShowAsSplash();
    EXPECT_FALSE(window.isVisible());
}

TEST(frmAbout, AboutBoxWaitsForEscAndShowsTheVersion)
{
    frmAbout window;
    bool timerOff = false;
    whileShown(
        window, [&] { timerOff = !window.tmrStartup->isActive(); }, [&] { QTest::keyClick(&window, Qt::Key_Escape); });
    window.ShowAsAbout();
    EXPECT_TRUE(timerOff);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$"))
                    .match(window.findChild<QLabel*>(QStringLiteral("lblVersion"))->text())
                    .hasMatch());
}
