#include "core/web/WebEmail.h"

#include "LeagueTestData.h"

#include <QUrl>
#include <QUrlQuery>

namespace {

class WebEmailStore : public LeagueDatabaseTest {
protected:
    Long addPlayerWithEmail(const QString& name, const QVariant& email, Long league)
    {
        const Long id = addPlayer(name, {league});
        db.execute(QStringLiteral("UPDATE tblPlayer SET Email = ? WHERE PlayerID = ?"), {email, id});
        return id;
    }
};

} // namespace

TEST_F(WebEmailStore, RecipientsComeByNameAndAnAddressNeedsMoreThanFourCharacters)
{
    const Long league = addLeague(QStringLiteral("Wednesday"));
    const Long zed = addPlayerWithEmail(QStringLiteral("zed"), QStringLiteral("z@x.io"), league);
    const Long amy = addPlayerWithEmail(QStringLiteral("Amy"), QStringLiteral("a@b."), league);
    const Long bo = addPlayerWithEmail(QStringLiteral("Bo"), QVariant(), league);
    addPlayerWithEmail(QStringLiteral("Elsewhere"), QStringLiteral("e@x.io"), addLeague(QStringLiteral("Other")));
    const Long t = addTournament(league, QStringLiteral("March"));
    for (Long p : {zed, bo})
        db.execute(QStringLiteral("INSERT INTO tblTournamentXPlayer (TournamentID, PlayerID) VALUES (?, ?)"), {t, p});

    const QList<EmailRecipient> all = LeagueRecipients(db, league);
    ASSERT_EQ(all.size(), 3);
    QStringList listed, addresses;
    for (const EmailRecipient& r : all) {
        listed << RecipientListText(r);
        addresses << RecipientAddressText(r.email);
    }
    EXPECT_EQ(listed,
              (QStringList {QStringLiteral("Amy (NO EMAIL)"), QStringLiteral("Bo (NO EMAIL)"), QStringLiteral("zed")}));
    EXPECT_EQ(
        addresses,
        (QStringList {QStringLiteral("unknown email"), QStringLiteral("unknown email"), QStringLiteral("z@x.io")}));
    EXPECT_EQ(all[0].playerId, amy);
    const QList<EmailRecipient> entrants = TournamentRecipients(db, t);
    ASSERT_EQ(entrants.size(), 2);
    EXPECT_EQ(entrants[0].name, QStringLiteral("Bo"));
    EXPECT_EQ(entrants[1].playerId, zed);
    EXPECT_TRUE(TournamentRecipients(db, addTournament(league, QStringLiteral("Empty"))).isEmpty());
}

TEST(WebEmailText, TickedPlayersWithAnAddressAreTheRecipientsAndTheMarkFollowsEdits)
{
    const QStringList stored {QStringLiteral("a@x.io"), QStringLiteral("abcd"), QString(), QStringLiteral("c@x.io")};
    const QStringList to = TickedAddresses({true, true, true, true}, stored);
    EXPECT_EQ(to, (QStringList {QStringLiteral("a@x.io"), QStringLiteral("c@x.io")}));
    EXPECT_EQ(ToText(to), QStringLiteral("a@x.io; c@x.io"));
    EXPECT_EQ(GroupRecipients(to), QStringLiteral("a@x.io;c@x.io"));
    EXPECT_EQ(ToText(TickedAddresses({false, true, false, true}, stored)), QStringLiteral("c@x.io"));

    struct Case {
        const char* listed;
        const char* email;
        const char* after;
    };
    for (const Case& c : {Case {"Amy (NO EMAIL)", "", "Ann (NO EMAIL)"}, Case {"Amy (NO EMAIL)", "a@x.io", "Ann"},
                          Case {"Amy", "", "Ann"}, Case {"Amy", "a@x.io", "Ann"}}) {
        const ListedName name = SplitNoEmailMark(QString::fromUtf8(c.listed));
        EXPECT_EQ(name.name, QStringLiteral("Amy"));
        EXPECT_EQ(EditedRecipientText(QStringLiteral("Ann"), QString::fromUtf8(c.email), name.marked),
                  QString::fromUtf8(c.after))
            << c.listed << " / " << c.email;
    }
}

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
