#include "core/store/OpenFileOrLink.h"

#include "RecordingLinkOpener.h"
#include "TestSupport.h"

#include <QFile>

namespace {

const QString NoItem = QStringLiteral("No item specified.");
const QString Unable = QStringLiteral("Unable to go to file/link.");

class OpenFileOrLinkTest : public DataFolderTest {
protected:
    RecordingLinkOpener opener;
};

} // namespace

TEST_F(OpenFileOrLinkTest, EmptyTargetSaysSoAndOpensNothing)
{
    OpenFileOrLink(QString());
    OpenFileOrLink(QStringLiteral(""));
    EXPECT_EQ(prompts.messages, QStringList({NoItem, NoItem}));
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(opener.started.isEmpty());
}

TEST_F(OpenFileOrLinkTest, WebAndMailAddressesOpenAsTheyStand)
{
    OpenFileOrLink(QStringLiteral("https://example.org/results?league=4"));
    OpenFileOrLink(QStringLiteral("mailto:a@example.org;b@example.org"));
    OpenFileOrLink(QStringLiteral("www.example.org"));
    ASSERT_EQ(opener.opened.size(), 3);
    EXPECT_EQ(opener.opened[0], QUrl(QStringLiteral("https://example.org/results?league=4")));
    EXPECT_EQ(opener.opened[1].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(opener.opened[1].path(), QStringLiteral("a@example.org;b@example.org"));
    EXPECT_EQ(opener.opened[2], QUrl(QStringLiteral("http://www.example.org")));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(OpenFileOrLinkTest, AnExistingFileOpensAsAFileUrl)
{
    const QString name = path(QStringLiteral("Player List.csv"));
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    OpenFileOrLink(name);
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(opener.opened[0], QUrl::fromLocalFile(name));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(OpenFileOrLinkTest, MissingFileOrRefusedOpenSaysUnable)
{
    OpenFileOrLink(path(QStringLiteral("gone.csv")));
    EXPECT_TRUE(opener.opened.isEmpty());

    opener.opens = false;
    OpenFileOrLink(QStringLiteral("http://example.org"));
    EXPECT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(prompts.messages, QStringList({Unable, Unable}));
}

TEST_F(OpenFileOrLinkTest, CalculatorStartsTheFirstInstalledOfTheList)
{
    opener.installed = {QStringLiteral("xcalc"), QStringLiteral("kcalc")};
    OpenFileOrLink(QStringLiteral("calc.exe"));
    OpenFileOrLink(QStringLiteral("CALC.EXE"));
    EXPECT_EQ(opener.started, QStringList({QStringLiteral("/usr/bin/kcalc"), QStringLiteral("/usr/bin/kcalc")}));
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(OpenFileOrLinkTest, CalculatorMissingOrNotStartingIsTold)
{
    OpenFileOrLink(QStringLiteral("calc.exe"));
    EXPECT_TRUE(opener.started.isEmpty());
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith(QStringLiteral("No calculator program is installed")));

    opener.installed = {QStringLiteral("galculator")};
    opener.starts = false;
    OpenFileOrLink(QStringLiteral("calc.exe"));
    EXPECT_EQ(opener.started, QStringList({QStringLiteral("/usr/bin/galculator")}));
    EXPECT_EQ(prompts.messages.last(), Unable);
}

TEST_F(OpenFileOrLinkTest, WebSiteWithoutAddressSaysNoneIsSet)
{
    OpenWebSite(QString());
    OpenWebSite(QStringLiteral("  "));
    EXPECT_EQ(prompts.messages,
              QStringList({QStringLiteral("No web site is set."), QStringLiteral("No web site is set.")}));
    OpenWebSite(QStringLiteral("http://example.org"));
    EXPECT_EQ(opener.opened, QList<QUrl>({QUrl(QStringLiteral("http://example.org"))}));
}
