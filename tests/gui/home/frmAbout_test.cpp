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

// Ends the modal loop should the window not close by itself in time, so a
// broken close fails the test instead of hanging it.
class CloseTimeout {
public:
    explicit CloseTimeout(QDialog& window, int milliseconds = 5000)
    {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &window, [this, &window] {
            expired = true;
            window.QDialog::done(QDialog::Rejected);
        });
        timer.start(milliseconds);
    }

    bool expired = false;

private:
    QTimer timer;
};

} // namespace

TEST(frmAbout, SplashRunsItsTwoSecondTimerAndAClickClosesItAtOnce)
{
    frmAbout window;
    bool sawTimer = false;
    whileShown(
        window, [&] { sawTimer = window.tmrStartup->isActive() && window.tmrStartup->interval() == 2000; },
        [&] { QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("Image1")), Qt::LeftButton); });
    CloseTimeout timeout(window, 1000); // well below the splash's own two seconds
    window.ShowAsSplash();
    EXPECT_FALSE(timeout.expired);
    EXPECT_TRUE(sawTimer);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.tmrStartup->isActive());
}

TEST(frmAbout, SplashClosesItselfWhenItsTimerRunsOut)
{
    frmAbout window;
    window.tmrStartup->setInterval(1); // the same path, without the wait
    CloseTimeout timeout(window);
    window.ShowAsSplash();
    EXPECT_FALSE(timeout.expired);
    EXPECT_FALSE(window.isVisible());
}

TEST(frmAbout, AboutBoxWaitsForEscAndShowsTheVersionAndOwnership)
{
    frmAbout window;
    bool timerOff = false;
    whileShown(
        window, [&] { timerOff = !window.tmrStartup->isActive(); }, [&] { QTest::keyClick(&window, Qt::Key_Escape); });
    CloseTimeout timeout(window);
    window.ShowAsAbout();
    EXPECT_FALSE(timeout.expired);
    EXPECT_TRUE(timerOff);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$"))
                    .match(window.findChild<QLabel*>(QStringLiteral("lblVersion"))->text())
                    .hasMatch());
    const QLabel* ownership = window.findChild<QLabel*>(QStringLiteral("lblOwnership"));
    ASSERT_NE(ownership, nullptr);
    EXPECT_TRUE(ownership->text().startsWith(QStringLiteral("Copyright")));
}
