#include "gui/shared/frmInstructions.h"

#include "RecordingLinkOpener.h"
#include "TestSupport.h"
#include "core/store/SettingsFile.h"
#include "gui/controls/ctlButton.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>

namespace {

class frmInstructionsTest : public DataFolderTest {
protected:
    void TearDown() override
    {
        delete openInstructions();
        DataFolderTest::TearDown();
    }

    static void click(ctlButton* button)
    {
        QTest::mouseClick(button->findChild<QLabel*>(QStringLiteral("lbl")), Qt::LeftButton);
    }
};

} // namespace

TEST_F(frmInstructionsTest, EachOptionPutsUpItsOwnHelpPage)
{
    frmInstructions window;
    window.show();
    QTest::mouseClick(window.optZorvane, Qt::LeftButton);
    EXPECT_TRUE(window.rtbInstructions->toPlainText().contains(QStringLiteral("How do I eliminate")));
    QTest::mouseClick(window.optTournamentSetup, Qt::LeftButton);
    EXPECT_TRUE(window.rtbInstructions->toPlainText().contains(QStringLiteral("house fee")));
    QTest::mouseClick(window.optSystem, Qt::LeftButton);
    EXPECT_TRUE(window.rtbInstructions->toPlainText().contains(QStringLiteral("What is a league?")));
    // Rich text is rendered, not shown as its source.
    EXPECT_FALSE(window.rtbInstructions->toPlainText().contains(QStringLiteral("<b>")));
    EXPECT_FALSE(window.lblWeb->isVisible());
    EXPECT_FALSE(window.btnWeb->isVisible());
}

TEST_F(frmInstructionsTest, TheWebPageShowsOnlyTheLineAndTheAddress)
{
    frmInstructions window;
    window.show();
    QTest::mouseClick(window.optWeb, Qt::LeftButton);
    EXPECT_FALSE(window.rtbInstructions->isVisible());
    EXPECT_TRUE(window.lblWeb->isVisible());
    EXPECT_EQ(window.lblWeb->text(), QStringLiteral("For support and product updates, visit us on the web at:"));
    EXPECT_TRUE(window.btnWeb->isVisible());
}

TEST_F(frmInstructionsTest, TheWebButtonOpensTheAddressItShows)
{
    RecordingLinkOpener opener;
    {
        frmInstructions window;
        window.show();
        window.ShowPage(frmInstructions::Page::Web);
        click(window.btnWeb);
        EXPECT_TRUE(opener.opened.isEmpty());
        EXPECT_EQ(prompts.messages, QStringList {QStringLiteral("No web site is set.")});
    }
    WriteIniValue(QStringLiteral("Defaults"), QStringLiteral("ProductWebSite"), QStringLiteral("https://example.org/"));
    frmInstructions window;
    window.show();
    window.ShowPage(frmInstructions::Page::Web);
    EXPECT_EQ(window.btnWeb->Caption(), QStringLiteral("https://example.org/"));
    click(window.btnWeb);
    EXPECT_EQ(opener.opened, QList<QUrl> {QUrl(QStringLiteral("https://example.org/"))});
}

TEST_F(frmInstructionsTest, HelpAgainSwitchesTheOpenWindowBackToTheAskedPage)
{
    ShowInstructions(frmInstructions::Page::Web, false);
    frmInstructions* window = openInstructions();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    ShowInstructions(frmInstructions::Page::System, false);
    EXPECT_EQ(openInstructions(), window);
    EXPECT_TRUE(window->optSystem->isChecked());
    EXPECT_TRUE(window->rtbInstructions->isVisibleTo(window));

    // Close unloads it; the next Help makes a new one.
    click(window->btnClose);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(openInstructions(), nullptr);
}

TEST(frmInstructionsPlacement, SitsInTheBottomRightCorner)
{
    // 120 twips from the right edge and 300 from the bottom.
    EXPECT_EQ(frmInstructions::CornerPosition(QRect(0, 0, 1024, 768), QSize(400, 300)),
              QPoint(1024 - 400 - 8, 768 - 300 - 20));
}
