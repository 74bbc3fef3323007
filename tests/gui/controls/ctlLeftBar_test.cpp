#include "gui/controls/ctlLeftBar.h"

#include "RecordingLinkOpener.h"
#include "TestSupport.h"
#include "core/platform/Twips.h"
#include "core/store/SettingsFile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTest>

namespace {

class ctlLeftBarTest : public DataFolderTest {
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        bar.show();
    }

    QLabel* part(const char* name) const
    {
        auto* found = bar.findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    RecordingLinkOpener opener;
    ctlLeftBar bar;
};

} // namespace

TEST_F(ctlLeftBarTest, EitherPictureOpensTheWebSite)
{
    // Read by the bar itself, at the click: no host hands it over.
    const QString site = QStringLiteral("https://example.org/zrv");
    ASSERT_TRUE(WriteIniValue(QStringLiteral("Defaults"), QStringLiteral("ProductWebSite"), site));
    QTest::mouseClick(part("imgLogo"), Qt::LeftButton);
    QTest::mouseClick(part("imgCards"), Qt::LeftButton);
    EXPECT_EQ(opener.opened, QList<QUrl>({QUrl(site), QUrl(site)}));
    QTest::mouseClick(part("lblBackground"), Qt::LeftButton);
    EXPECT_EQ(opener.opened.size(), 2);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(ctlLeftBarTest, WithoutAnAddressTheClickSaysNoSiteIsSet)
{
    QTest::mouseClick(part("imgLogo"), Qt::LeftButton);
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_EQ(prompts.messages, QStringList({QStringLiteral("No web site is set.")}));
}

TEST_F(ctlLeftBarTest, ResizeKeepsStripesAndCardsToTheBottom)
{
    EXPECT_EQ(part("imgLogo")->size(), QSize(110, 79));
    EXPECT_EQ(part("imgCards")->size(), QSize(120, 37));
    const int logoTop = part("imgLogo")->y();
    const int width = part("lblBackground")->width();

    bar.resize(bar.width(), TwipsToPixels(3000));
    EXPECT_EQ(PixelsToTwips(part("lblBackground")->height()), 2940);
    EXPECT_EQ(PixelsToTwips(part("lblShadow")->height()), 2940);
    EXPECT_EQ(PixelsToTwips(part("imgCards")->geometry().bottom() + 1), 2910);
    EXPECT_EQ(part("imgLogo")->y(), logoTop);
    EXPECT_EQ(part("lblBackground")->width(), width);
}

TEST_F(ctlLeftBarTest, ItDrawsWholeWhereverItIsPlaced)
{
    QWidget host;
    auto* layout = new QHBoxLayout(&host);
    auto* placed = new ctlLeftBar(&host);
    layout->addWidget(placed);
    layout->addWidget(new QWidget(&host), 1);
    host.resize(600, 400);
    host.show();
    for (const char* name : {"lblShadow", "lblBackground"}) {
        const QLabel* stripe = placed->findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_LE(stripe->geometry().right(), placed->width() - 1) << name;
    }
    EXPECT_EQ(placed->width(), bar.width());
}

TEST_F(ctlLeftBarTest, ShadowIsGreyBehindTheBackground)
{
    QLabel* shadow = part("lblShadow");
    EXPECT_EQ(shadow->palette().color(QPalette::Window), QColor(0x80, 0x80, 0x80));
    EXPECT_LT(bar.children().indexOf(shadow), bar.children().indexOf(part("lblBackground")));
}
