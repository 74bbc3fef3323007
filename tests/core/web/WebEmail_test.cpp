#include "core/web/WebEmail.h"

#include "TestSupport.h"

#include <QUrl>
#include <QUrlQuery>

TEST(WebEmailText, TheResultsBodyNamesTheTournamentTheDateTheLinkAndAnyPassword)
{
    const QString start = QStringLiteral("Results are available on the internet for a poker tournament you recently "
                                         "participated in: \n\nTournament Name:  March  \n\nTournament Date: "
                                         "03/07/2026 \n\nResults can be viewed at: \nhttp://site/leaguehome.aspx?"
                                         "webleagueid=42 ");
    EXPECT_EQ(ResultsEmailBody(QStringLiteral("March"), QStringLiteral("03/07/2026"),
                               QStringLiteral("http://site/leaguehome.aspx?webleagueid=42"), QString()),
              start);
    EXPECT_EQ(ResultsEmailBody(QStringLiteral("March"), QStringLiteral("03/07/2026"),
                               QStringLiteral("http://site/leaguehome.aspx?webleagueid=42"), QStringLiteral("pw 1")),
              start
                  + QStringLiteral(" \n\nYou will be required to provide the following password to access the league "
                                   "home page: pw 1"));
}

TEST(WebEmailText, MailtoAddressDecodesBackToTheBoxesAndAddsNoHeader)
{
    const QString to = QStringLiteral("a@b.c?bcc=x@y; d&e@f.g");
    const QString subject = QStringLiteral("Results & more #1? 100% sure");
    const QString body = QStringLiteral("Line 1 & 2\nLine #3?\n\n100% &body=x\nMailto: c@d.e");
    const QString link = MailtoAddress(to, subject, body);
    EXPECT_TRUE(link.startsWith(QStringLiteral("mailto:")));
    EXPECT_EQ(link.count(QLatin1Char('?')), 1);
    EXPECT_EQ(link.count(QLatin1Char('&')), 1);
    EXPECT_TRUE(link.contains(QStringLiteral("%0D%0A")));

    const QUrl url(link, QUrl::StrictMode);
    ASSERT_TRUE(url.isValid());
    EXPECT_EQ(url.path(QUrl::FullyDecoded), to);
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItems().size(), 2);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), subject);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
              QString(body).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}
