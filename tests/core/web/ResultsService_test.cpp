#include "core/web/TestWebConnection.h"
#include "core/web/WebService.h"

#include "FakeResultsService.h"
#include "TestSupport.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SettingsKeys.h"

#include <functional>

namespace {

using Behaviour = FakeResultsService::Behaviour;

class RecordingLog : public WebLog {
public:
    QStringList lines;
    void ShowMessage(const QString& strMessage, bool bError) override
    {
        lines << (bError ? QStringLiteral("E ") : QStringLiteral("  ")) + strMessage;
    }
};

} // namespace

TEST(ResultsServiceReplies, CodesAreReadByTheirFirstCharacterAndShortOrOddRepliesAreErrors)
{
    enum Outcome { Success, Refused, Error };
    struct Case {
        const char* reply;
        SuccessRule rule;
        Outcome outcome;
    };
    const Case cases[] = {
        {"0|", SuccessRule::CodeZero, Success},
        {"0|42", SuccessRule::CodeZero, Success},
        {"1|No", SuccessRule::CodeZero, Refused},
        {"2|x", SuccessRule::CodeZero, Refused},
        {"x|", SuccessRule::CodeZero, Refused},
        {"0", SuccessRule::CodeZero, Error},
        {"", SuccessRule::CodeZero, Error},
        {"2|x", SuccessRule::AnyCodeButOne, Success},
        {"0|", SuccessRule::AnyCodeButOne, Success},
        {"1|No", SuccessRule::AnyCodeButOne, Refused},
        {"<html>", SuccessRule::AnyCodeButOne, Error},
        {"2", SuccessRule::AnyCodeButOne, Error},
    };
    for (const Case& c : cases) {
        const QString reply = QString::fromLatin1(c.reply);
        if (c.outcome == Error) {
            EXPECT_THROW(ReplySucceeded(reply, c.rule), SoapError) << c.reply;
        } else {
            EXPECT_EQ(ReplySucceeded(reply, c.rule), c.outcome == Success) << c.reply;
        }
    }
    EXPECT_EQ(StripResultCode(QStringLiteral("0|42")), QStringLiteral("42"));
    EXPECT_EQ(StripResultCode(QStringLiteral("0|")), QString());
    EXPECT_THROW(StripResultCode(QStringLiteral("0")), SoapError);
    EXPECT_EQ(ReadWebNumber(QStringLiteral("42")), 42);
    EXPECT_THROW(ReadWebNumber(QStringLiteral("4x2")), SoapError);
}

TEST(ResultsServiceReplies, TournamentListsAndLeagueRecordsAreReadOrRefused)
{
    EXPECT_TRUE(ReadTournamentList(QStringLiteral("0|")).isEmpty());
    const auto list = ReadTournamentList(QStringLiteral("0|7,,,~~~Week 1,,,~~~9,,,~~~Week, 2,,,~~~"));
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].number, 7);
    EXPECT_EQ(list[1].name, QStringLiteral("Week, 2"));
    for (const char* odd : {"0|7,,,~~~Week 1", "0|7,,,~~~", "0|x,,,~~~Week,,,~~~", "0"})
        EXPECT_THROW(ReadTournamentList(QString::fromLatin1(odd)), SoapError) << odd;

    const QString fields = QStringList {QStringLiteral("League"), QStringLiteral("True"), QStringLiteral("0"),
                                        QStringLiteral("City"),   QStringLiteral("ST"),   QStringLiteral("US"),
                                        QStringLiteral("Hello"),  QStringLiteral("-"),    QStringLiteral("view"),
                                        QStringLiteral("Pat"),    QStringLiteral("Jones")}
                               .join(ListSeparator);
    const WebLeagueRecord league = ReadLeagueRecord(fields);
    EXPECT_EQ(league.leagueName, QStringLiteral("League"));
    EXPECT_TRUE(league.showManagerName);
    EXPECT_FALSE(league.showManagerEmail);
    EXPECT_EQ(league.viewerPassword, QStringLiteral("view"));
    EXPECT_EQ(league.lastName, QStringLiteral("Jones"));
    EXPECT_THROW(ReadLeagueRecord(fields.section(ListSeparator, 0, 9)), SoapError);
    EXPECT_THROW(ReadLeagueRecord(QString(fields).replace(QStringLiteral("True"), QStringLiteral("Yes"))), SoapError);
}

TEST(ResultsServiceReplies, TheSiteSettingGivesTheThreeAddresses)
{
    EXPECT_FALSE(ResultsSiteAddress(QStringLiteral("  ")).has_value());
    const QUrl site = ResultsSiteAddress(QStringLiteral("results.example.com/zrv/")).value();
    EXPECT_EQ(ServiceDescriptionAddress(site).toString(),
              QStringLiteral("https://results.example.com/zrv/ZRVResultsShare.asmx?WSDL"));
    EXPECT_EQ(SignUpPageAddress(site), QStringLiteral("https://results.example.com/zrv/webresultssharing.aspx"));
    EXPECT_EQ(LeagueHomePageAddress(site, 42),
              QStringLiteral("https://results.example.com/zrv/leaguehome.aspx?webleagueid=42"));
    EXPECT_THROW(ResultsSiteAddress(QStringLiteral("ftp://results.example.com")), SoapError);
    EXPECT_FALSE(SendsPasswordsInClear(site));
    EXPECT_FALSE(SendsPasswordsInClear(QUrl(QStringLiteral("http://127.0.0.1:8080"))));
    EXPECT_FALSE(SendsPasswordsInClear(QUrl(QStringLiteral("http://localhost"))));
    EXPECT_TRUE(SendsPasswordsInClear(QUrl(QStringLiteral("http://results.example.com"))));
}

class ResultsServiceCalls : public DataFolderTest {
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        WriteSetting(ResultsWebSiteKey, fake.address());
    }

    bool connect(std::chrono::milliseconds timeout = SoapLimits {}.timeout)
    {
        return TestWebConnection(client, connected, log, {timeout});
    }

    FakeResultsService fake;
    std::unique_ptr<SoapClient> client;
    bool connected = false;
    RecordingLog log;
};

TEST_F(ResultsServiceCalls, TheTwelveOperationsSendTheirArgumentsInOrderAndForm)
{
    ASSERT_TRUE(connect());
    SoapClient& c = *client;
    const WebAccount account {QStringLiteral("director@example.com"), QStringLiteral("secret"), 42};
    WebLeagueRecord league;
    league.leagueName = QStringLiteral("L");
    league.showManagerEmail = true;
    league.city = QStringLiteral("C");
    league.state = QStringLiteral("S");
    league.country = QStringLiteral("N");
    league.message = QStringLiteral("M");
    league.viewerPassword = QStringLiteral("V");
    league.firstName = QStringLiteral("F");
    league.lastName = QStringLiteral("Z");
    WebPlayerResult result {QStringLiteral("Bob"), 2, 100, QStringLiteral("Al"), 3, 12.5, 20, 10, 5, 2, 1, 77, 13};

    EXPECT_EQ(WebService::LoginNew(c, account.user, account.password), QStringLiteral("0|42"));
    WebService::GetWebLeague3(c, account);
    WebService::UpdateWebLeagueInfo3(c, account, league);
    EXPECT_EQ(WebService::InsertWebTournament(c, account, QStringLiteral("Week 1"), 5, QDate(2026, 3, 4)),
              QStringLiteral("0|100"));
    WebService::InsertWebPlayerResult4(c, account, result);
    EXPECT_EQ(WebService::GetWebTournaments(c, account), QStringLiteral("0|100,,,~~~Week 1,,,~~~"));
    WebService::DeleteWebTournament(c, account, 100);
    WebService::EmailPlayer(c, account, QStringLiteral("a@x;b@x"), QStringLiteral("me@x"), QStringLiteral("Sub"),
                            QStringLiteral("Body"));
    WebService::GetSecurityQuestion(c, account.user);
    WebService::ChangePasswordBySecurityAnswer(c, account.user, QStringLiteral("Rex"), QStringLiteral("next"));
    WebService::ChangePassword(c, {account.user, QStringLiteral("next"), 42}, QStringLiteral("last"));

    const QString u = account.user;
    const QList<QStringList> expected {
        {},
        {u, QStringLiteral("secret")},
        {u, QStringLiteral("secret"), QStringLiteral("42")},
        {u, QStringLiteral("secret"), QStringLiteral("42"), QStringLiteral("C"), QStringLiteral("S"),
         QStringLiteral("N"), QStringLiteral("M"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("L"),
         QStringLiteral("V"), QStringLiteral("F"), QStringLiteral("Z")},
        {u, QStringLiteral("secret"), QStringLiteral("42"), QStringLiteral("Week 1"), QStringLiteral("5"),
         QStringLiteral("03/04/2026")},
        {u, QStringLiteral("secret"), QStringLiteral("Bob"), QStringLiteral("2"), QStringLiteral("100"),
         QStringLiteral("Al"), QStringLiteral("3"), QStringLiteral("12.5"), QStringLiteral("20"), QStringLiteral("10"),
         QStringLiteral("5"), QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("77"), QStringLiteral("13")},
        {u, QStringLiteral("secret"), QStringLiteral("42")},
        {u, QStringLiteral("secret"), QStringLiteral("100")},
        {u, QStringLiteral("secret"), QStringLiteral("a@x;b@x"), QStringLiteral("me@x"), QStringLiteral("Sub"),
         QStringLiteral("Body")},
        {u},
        {u, QStringLiteral("Rex"), QStringLiteral("next")},
        {u, QStringLiteral("next"), QStringLiteral("last")},
    };
    const auto calls = fake.calls();
    ASSERT_EQ(calls.size(), expected.size());
    const QStringList order {QStringLiteral("TestConnection"),
                             QStringLiteral("LoginNew"),
                             QStringLiteral("GetWebLeague3"),
                             QStringLiteral("UpdateWebLeagueInfo3"),
                             QStringLiteral("InsertWebTournament"),
                             QStringLiteral("InsertWebPlayerResult4"),
                             QStringLiteral("GetWebTournaments"),
                             QStringLiteral("DeleteWebTournament"),
                             QStringLiteral("EmailPlayer"),
                             QStringLiteral("GetSecurityQuestion"),
                             QStringLiteral("ChangePasswordBySecurityAnswer"),
                             QStringLiteral("ChangePassword")};
    for (qsizetype i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].operation, order[i]);
        EXPECT_EQ(calls[i].arguments, expected[i]) << order[i].toStdString();
    }
    EXPECT_EQ(fake.account().password, QStringLiteral("last"));
    EXPECT_EQ(FakeResultsService::MaskedLine(calls[11]),
              QStringLiteral("ChangePassword(director@example.com, ***, ***)"));

    EXPECT_EQ(WebOperationNamed(QStringLiteral("DeleteWebTournament")).rule, SuccessRule::AnyCodeButOne);
    try {
        WebOperationNamed(QStringLiteral("DeleteWebTournaments"));
        ADD_FAILURE() << "an operation that is none was found";
    } catch (const SoapError& e) {
        EXPECT_EQ(e.text(),
                  QStringLiteral("The program does not know the web service's operation "
                                 "DeleteWebTournaments."));
    }
}

TEST_F(ResultsServiceCalls, TheConnectionTestLogsOnceAndRefusesWhatItCannotUse)
{
    ASSERT_TRUE(connect());
    EXPECT_TRUE(connect());
    EXPECT_EQ(
        log.lines,
        (QStringList {QStringLiteral("  Connecting to 127.0.0.1..."), QStringLiteral("  Connection successful.")}));
    EXPECT_EQ(fake.operationsCalled(), QStringList {QStringLiteral("TestConnection")});
    EXPECT_EQ(programSettings().gintUseProxy, 0);

    // A refusal is logged with the whole reply; the next test tries again.
    connected = false;
    log.lines.clear();
    fake.script(QStringLiteral("TestConnection"), {Behaviour::Reply, QStringLiteral("1|Closed for repairs")});
    EXPECT_FALSE(connect());
    EXPECT_TRUE(log.lines.back().endsWith(QStringLiteral("Error Message:  1|Closed for repairs")));
    EXPECT_FALSE(connected);

    // Descriptions the program cannot use, and answers it cannot read.
    struct Case {
        FakeResultsService::DescriptionOptions options;
        FakeResultsService::Script script;
        QString names;
    };
    auto options = [](QString style, QString omitted, QString extra) {
        FakeResultsService::DescriptionOptions o;
        o.style = style;
        o.omitted = omitted;
        o.extraParameterFor = extra;
        return o;
    };
    const QString document = QStringLiteral("document");
    const Case cases[] = {
        {options(QStringLiteral("rpc"), {}, {}), {}, QStringLiteral("rpc style")},
        {options(document, QStringLiteral("EmailPlayer"), {}), {}, QStringLiteral("operation EmailPlayer")},
        {options(document, {}, QStringLiteral("ChangePassword")), {}, QStringLiteral("ChangePassword takes 4")},
        {options(document, {}, {}), {Behaviour::Garbage, {}}, QStringLiteral("not readable XML")},
        {options(document, {}, {}), {Behaviour::Reply, QStringLiteral("0")}, QStringLiteral("cannot be read")},
    };
    for (const Case& c : cases) {
        fake.setDescription(c.options);
        fake.script(QStringLiteral("TestConnection"), c.script);
        try {
            connect();
            ADD_FAILURE() << c.names.toStdString();
        } catch (const SoapError& e) {
            EXPECT_TRUE(e.text().startsWith(WebContactErrorText() + QStringLiteral("\n\n"))) << e.text().toStdString();
            EXPECT_TRUE(e.text().contains(c.names)) << e.text().toStdString();
        }
        EXPECT_EQ(client, nullptr);
    }
}

TEST_F(ResultsServiceCalls, NoSiteSendsNothingAndAPlainAddressIsWarnedAbout)
{
    WriteSetting(ResultsWebSiteKey, QString());
    EXPECT_FALSE(connect());
    EXPECT_EQ(prompts.messages, QStringList {QStringLiteral("No web site is set.")});
    EXPECT_TRUE(log.lines.isEmpty());

    // An address reserved for documentation: nothing answers there.
    WriteSetting(ResultsWebSiteKey, QStringLiteral("http://192.0.2.1:9"));
    EXPECT_THROW(connect(std::chrono::milliseconds(300)), SoapError);
    ASSERT_EQ(log.lines.size(), 2);
    EXPECT_TRUE(
        log.lines[1].startsWith(QStringLiteral("E Warning:  the results web site address begins with http://")));
    EXPECT_TRUE(fake.calls().isEmpty());
}

TEST_F(ResultsServiceCalls, TextsReachTheSiteAsTheyAreOrAreRefusedNamingWhereTheyCameFrom)
{
    ASSERT_TRUE(connect());
    SoapClient& c = *client;
    const WebAccount account {QStringLiteral("director@example.com"), QStringLiteral("secret"), 42};

    // Carriage returns arrive, are stored and come back as they are.
    const QString name = QStringLiteral("Jan\rFinal");
    WebService::InsertWebTournament(c, account, name, 5, QDate(2026, 1, 9));
    EXPECT_EQ(fake.account().tournaments.value(0).second, name);
    EXPECT_EQ(ReadTournamentList(WebService::GetWebTournaments(c, account)).value(0).name, name);
    WebLeagueRecord league;
    league.message = QStringLiteral("Friday\r\nat 8\r");
    league.city = QStringLiteral("Spring\rfield");
    WebService::UpdateWebLeagueInfo3(c, account, league);
    const WebLeagueRecord back = ReadLeagueRecord(StripResultCode(WebService::GetWebLeague3(c, account)));
    EXPECT_EQ(back.message, league.message);
    EXPECT_EQ(back.city, league.city);

    // A character XML cannot carry is refused before anything is sent.
    const QString bad = QStringLiteral("Fl") + QChar(0xB) + QStringLiteral("o");
    WebPlayerResult result;
    result.playerName = QStringLiteral("Ann");
    WebPlayerResult eliminated = result;
    result.playerName = bad;
    eliminated.eliminatedBy = bad;
    const QString mail = QStringLiteral("a@x");
    struct Case {
        QString owner;
        std::function<void()> send;
    };
    const Case cases[] = {
        {QStringLiteral("The Email Address box"), [&] { WebService::LoginNew(c, bad, QStringLiteral("secret")); }},
        {QStringLiteral("The Password box"), [&] { WebService::LoginNew(c, account.user, bad); }},
        {QStringLiteral("The name of the tournament \"Flo\""),
         [&] { WebService::InsertWebTournament(c, account, bad, 5, {}); }},
        {QStringLiteral("The name of the player \"Flo\""),
         [&] { WebService::InsertWebPlayerResult4(c, account, result); }},
        {QStringLiteral("The name of the player \"Flo\""),
         [&] { WebService::InsertWebPlayerResult4(c, account, eliminated); }},
        {QStringLiteral("The League Message box"),
         [&] {
             WebLeagueRecord l;
             l.message = bad;
             WebService::UpdateWebLeagueInfo3(c, account, l);
         }},
        {QStringLiteral("The email address \"Flo\""),
         [&] { WebService::EmailPlayer(c, account, mail + QLatin1Char(';') + bad, mail, mail, mail); }},
        {QStringLiteral("The Reply to Address box"),
         [&] { WebService::EmailPlayer(c, account, mail, bad, mail, mail); }},
        {QStringLiteral("The Subject box"), [&] { WebService::EmailPlayer(c, account, mail, mail, bad, mail); }},
        {QStringLiteral("The Message box"), [&] { WebService::EmailPlayer(c, account, mail, mail, mail, bad); }},
        {QStringLiteral("The Email Address box"), [&] { WebService::GetSecurityQuestion(c, bad); }},
        {QStringLiteral("The Answer box"),
         [&] { WebService::ChangePasswordBySecurityAnswer(c, account.user, bad, QStringLiteral("new")); }},
        {QStringLiteral("The New Password box"),
         [&] { WebService::ChangePasswordBySecurityAnswer(c, account.user, QStringLiteral("Rex"), bad); }},
        {QStringLiteral("The New Password box"), [&] { WebService::ChangePassword(c, account, bad); }},
    };
    const qsizetype before = fake.calls().size();
    for (const Case& k : cases) {
        try {
            k.send();
            ADD_FAILURE() << "sent: " << k.owner.toStdString();
        } catch (const SoapError& e) {
            EXPECT_EQ(e.text(),
                      k.owner
                          + QStringLiteral(" holds a character that cannot be sent to the results web site "
                                           "(U+000B).  Nothing was sent.  Please take that character out "
                                           "and try again."));
        }
    }
    EXPECT_EQ(fake.calls().size(), before);
}

TEST_F(ResultsServiceCalls, AStoringCallWhoseReplyCannotBeReadMayHaveStoredWhatWasSent)
{
    ASSERT_TRUE(connect(std::chrono::milliseconds(500)));
    SoapClient& c = *client;
    const WebAccount account {QStringLiteral("director@example.com"), QStringLiteral("secret"), 42};
    const QString look = QStringLiteral("  The call was not sent again: it may have arrived, so look on the web site "
                                        "before trying it once more.");
    const QString password
        = QStringLiteral("  The change of password was not sent again: the web site may have stored it, now or later.");
    const QString reset = QStringLiteral("  The change of password was not sent again: the web site may have stored "
                                         "it, so try to log in with the new password before asking for it once more.");
    const QString email = QStringLiteral("  The email was not sent again: it may have gone out all the same.");
    struct Case {
        QString operation;
        FakeResultsService::Script how;
        QString tail; // what the error says the lost answer means; empty: the call did nothing
        std::function<QString()> send;
        QString says = {}; // how the error begins, when the reply is no set text
    };
    auto insert = [&] { return WebService::InsertWebTournament(c, account, QStringLiteral("Jan"), 5, {}); };
    auto result = [&] { return WebService::InsertWebPlayerResult4(c, account, {}); };
    auto remove = [&] { return WebService::DeleteWebTournament(c, account, 100); };
    auto save = [&] { return WebService::UpdateWebLeagueInfo3(c, account, {}); };
    auto change = [&] { return WebService::ChangePassword(c, account, QStringLiteral("next")); };
    auto answer = [&] {
        return WebService::ChangePasswordBySecurityAnswer(c, account.user, QStringLiteral("Rex"),
                                                          QStringLiteral("next"));
    };
    auto mail = [&] {
        return WebService::EmailPlayer(c, account, QStringLiteral("a@b.cd"), account.user, QStringLiteral("Hi"), {});
    };
    auto list = [&] { return WebService::GetWebTournaments(c, account); };
    auto check = [&] { return WebService::LoginNew(c, account.user, account.password); };
    auto reply = [](const char* text) {
        return FakeResultsService::Script {Behaviour::Reply, QString::fromUtf8(text)};
    };
    const QString noXml = QStringLiteral("The reply to %1 is not readable XML");
    const Case cases[] = {
        {QStringLiteral("InsertWebTournament"), reply("0|abc"), look, insert},
        {QStringLiteral("InsertWebTournament"), reply("0|"), look, insert},
        {QStringLiteral("InsertWebTournament"), reply("2|Refused."), {}, insert},
        {QStringLiteral("InsertWebPlayerResult4"), reply("2"), look, result},
        {QStringLiteral("InsertWebPlayerResult4"), reply("<html>"), look, result},
        {QStringLiteral("DeleteWebTournament"), reply(""), look, remove},
        // A bare code, refusing or not, is no whole reply.
        {QStringLiteral("DeleteWebTournament"), reply("1"), look, remove},
        {QStringLiteral("DeleteWebTournament"), reply("1|"), {}, remove},
        {QStringLiteral("InsertWebTournament"), reply("1"), look, insert},
        {QStringLiteral("InsertWebTournament"), reply("2"), look, insert},
        {QStringLiteral("InsertWebPlayerResult4"), reply("1"), look, result},
        {QStringLiteral("UpdateWebLeagueInfo3"), reply("0"), look, save},
        {QStringLiteral("UpdateWebLeagueInfo3"), reply("1"), look, save},
        // Each call says what a lost answer means for it.
        {QStringLiteral("ChangePassword"), reply("0"), password, change},
        {QStringLiteral("ChangePassword"), reply("1"), password, change},
        {QStringLiteral("ChangePasswordBySecurityAnswer"), reply("x|"), reset, answer},
        {QStringLiteral("EmailPlayer"), reply("0"), email, mail},
        {QStringLiteral("EmailPlayer"),
         {Behaviour::StoreThenGarbage, {}},
         email,
         mail,
         noXml.arg(QStringLiteral("EmailPlayer"))},
        {QStringLiteral("DeleteWebTournament"),
         {Behaviour::StoreThenRedirect, QStringLiteral("307")},
         look,
         remove,
         QStringLiteral("127.0.0.1 answered with a redirect to %1/moved.asmx (HTTP status 307) instead of a reply; the "
                        "call was not sent there.")
             .arg(fake.address())},
        // Calls that store nothing did nothing: the error says why, and only
        // that.
        {QStringLiteral("LoginNew"), reply("0|abc"), {}, check},
        {QStringLiteral("LoginNew"),
         {Behaviour::Silent, {}},
         {},
         check,
         QStringLiteral("127.0.0.1 did not answer within 0 seconds.")},
        {QStringLiteral("GetWebTournaments"),
         {Behaviour::Garbage, {}},
         {},
         list,
         noXml.arg(QStringLiteral("GetWebTournaments"))},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE((k.operation + QLatin1Char(' ') + k.how.reply).toStdString());
        fake.clearScripts();
        fake.script(k.operation, k.how);
        const bool setReply = k.how.behaviour == Behaviour::Reply;
        try {
            EXPECT_EQ(k.send(), k.how.reply);
            EXPECT_TRUE(setReply && k.tail.isEmpty());
        } catch (const SoapError& e) {
            EXPECT_EQ(e.mayHaveArrived(), !k.tail.isEmpty());
            if (setReply) {
                EXPECT_EQ(e.text(),
                          QStringLiteral("The results web site sent a reply to %1 that cannot be read: \"%2\".")
                                  .arg(k.operation, k.how.reply)
                              + k.tail);
            } else {
                EXPECT_TRUE(e.text().startsWith(k.says)) << e.text().toStdString();
                EXPECT_TRUE(e.text().endsWith(k.tail)) << e.text().toStdString();
                EXPECT_EQ(e.text().contains(QStringLiteral("sent again")), !k.tail.isEmpty());
            }
        }
    }
}
