#include "frmWebResultsManagerFixture.h"

#include "gui/platform/MessagePrompter.h"

#include <QCheckBox>
#include <QMessageBox>
#include <functional>

namespace {

class WebPostingWindow : public frmWebResultsManagerTest {
protected:
    // A tournament of the league with one entrant per name, finishing in
    // that order.
    Long tournament(const QString& name, const QString& date, const QStringList& entrants)
    {
        const Long id = addTournament(league, name, date);
        int finish = 0;
        for (const QString& player : entrants)
            addEntry(id, addPlayer(player, {league}), ++finish);
        return id;
    }

    void loggedIn()
    {
        openLoggedIn();
        ASSERT_TRUE(window->frameButtons->isVisible());
    }

    QStringList newLogLines(qsizetype& seen) const
    {
        const QStringList all = logLines();
        const QStringList fresh = all.mid(seen);
        seen = all.size();
        return fresh;
    }
};

} // namespace

TEST_F(WebPostingWindow, ThreeSelectedWithTheSecondRefusedPostTheOthersWithEveryResult)
{
    const Long jan = tournament(QStringLiteral("Jan"), QStringLiteral("2026-01-09 00:00:00"), {QStringLiteral("Ann")});
    tournament(QStringLiteral("Feb"), QStringLiteral("2026-02-09 00:00:00"), {QStringLiteral("Bob")});
    const Long mar = addTournament(league, QStringLiteral("Mar"), QStringLiteral("2026-03-09 00:00:00"));
    const Long cy = addPlayer(QStringLiteral("Cy"), {league});
    const Long di = addPlayer(QStringLiteral("Di"), {league});
    addEntry(mar, cy, 1, 12.5);
    addEntry(mar, di, 2, 13.5, cy);
    // Every field of Di's result its own value, so that no two can trade
    // places unseen.
    db.execute(QStringLiteral("UPDATE tblTournamentXPlayer SET Payout = 25.5, TotalBuyin = 20.25, TotalRebuy = 10.5, "
                              "TotalAddon = 5.75, NumRebuys = 3, NumAddons = 5, Kills = 7 WHERE PlayerID = ?"),
               {di});
    const Long diEntry
        = db.query(QStringLiteral("SELECT rowid FROM tblTournamentXPlayer WHERE PlayerID = ?"), {di}).value(0).toInt();
    FakeResultsService::Account a = fake.account();
    a.refusedTournaments = {QStringLiteral("Feb")};
    fake.setAccount(a);

    loggedIn();
    EXPECT_EQ(EntryTexts(window->lstTournamentsNotPosted),
              (QStringList {QStringLiteral("Mar"), QStringLiteral("Feb"), QStringLiteral("Jan")}));
    EXPECT_TRUE(window->lstTournamentsPosted->count() == 0);
    EXPECT_EQ(window->lblWebLeagueName->text(), QStringLiteral("Wednesday Poker"));
    qsizetype seen = logLines().size();

    // The e-mail page lists the league meanwhile and keeps doing so.
    window->optEmailLeague->setChecked(true);
    select(window->lstTournamentsNotPosted, EntryTexts(window->lstTournamentsNotPosted));
    QTest::mouseClick(window->cmdPost, Qt::LeftButton);
    EXPECT_EQ(window->lstPlayers->count(), 4);
    window->optEmailTourney->setChecked(true);
    EXPECT_EQ(EntryTexts(window->lstTournamentsPosted), (QStringList {QStringLiteral("Jan"), QStringLiteral("Mar")}));
    EXPECT_EQ(data(window->lstTournamentsPosted), (QList<int> {101, 100}));
    EXPECT_EQ(EntryTexts(window->lstTournamentsNotPosted), QStringList {QStringLiteral("Feb")});
    EXPECT_EQ(EntryTexts(window->cmbTournament), (QStringList {QStringLiteral("Mar"), QStringLiteral("Jan")}));
    EXPECT_EQ(window->cmbTournament->itemData(1).toInt(), jan);
    EXPECT_EQ(window->cmbTournament->currentText(), QStringLiteral("Mar"));
    EXPECT_EQ(EntryTexts(window->lstPlayers),
              (QStringList {QStringLiteral("Cy (NO EMAIL)"), QStringLiteral("Di (NO EMAIL)")}));
    EXPECT_EQ(
        newLogLines(seen),
        (QStringList {QStringLiteral("Uploading tournament Mar..."), QStringLiteral("Tournament uploaded."),
                      QStringLiteral("Uploading player result for Cy..."), QStringLiteral("Player result uploaded."),
                      QStringLiteral("Uploading player result for Di..."), QStringLiteral("Player result uploaded."),
                      QStringLiteral("Uploading tournament Feb..."), QStringLiteral("The tournament was refused."),
                      QStringLiteral("Uploading tournament Jan..."), QStringLiteral("Tournament uploaded."),
                      QStringLiteral("Uploading player result for Ann..."), QStringLiteral("Player result uploaded."),
                      QStringLiteral("2 of 3 selected tournaments posted.")}));
    EXPECT_TRUE(window->imgError->isVisible());
    EXPECT_TRUE(window->isEnabled());

    // The second result, field by field: eliminated by Cy, kills, the web
    // tournament, name, finish, payout, buy-in, rebuy and add-on totals, their
    // counts, the entry and 13.5 points as 14.
    const FakeResultsService::Account after = fake.account();
    ASSERT_EQ(after.results.size(), 3);
    EXPECT_EQ(after.results[1],
              (QStringList {QStringLiteral("Cy"), QStringLiteral("7"), QStringLiteral("100"), QStringLiteral("Di"),
                            QStringLiteral("2"), QStringLiteral("25.5"), QStringLiteral("20.25"),
                            QStringLiteral("10.5"), QStringLiteral("5.75"), QStringLiteral("3"), QStringLiteral("5"),
                            QString::number(diEntry), QStringLiteral("14")}));
    EXPECT_FALSE((QList<Long> {2, 3, 5, 7, 14, 100}).contains(diEntry));
    EXPECT_EQ(after.results[0].value(12), QStringLiteral("12"));
    EXPECT_EQ(after.results[0].value(0), QString());
    const auto calls = fake.calls();
    const auto insert = std::find_if(calls.begin(), calls.end(), [](const FakeResultsService::Call& c) {
        return c.operation == QLatin1String("InsertWebTournament");
    });
    ASSERT_NE(insert, calls.end());
    EXPECT_EQ(insert->arguments.mid(3),
              (QStringList {QStringLiteral("Mar"), QString::number(mar), QStringLiteral("03/09/2026")}));
}

TEST_F(WebPostingWindow, RefusedRowsLostAnswersNoPlayersAndBadNamesEachStopWhereTheyShouldAndLogWhy)
{
    tournament(QStringLiteral("Rows"), QStringLiteral("2026-01-01 00:00:00"),
               {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")});
    tournament(QStringLiteral("Lost"), QStringLiteral("2026-02-01 00:00:00"),
               {QStringLiteral("Di"), QStringLiteral("Gus")});
    tournament(QStringLiteral("Garbled"), QStringLiteral("2026-02-15 00:00:00"), {QStringLiteral("Hal")});
    tournament(QStringLiteral("Empty"), QStringLiteral("2026-03-01 00:00:00"), {});
    tournament(QStringLiteral("A,,,~~~B"), QStringLiteral("2026-04-01 00:00:00"), {QStringLiteral("Ed")});
    // Control characters the site could not be sent: in the name of the
    // tournament, or of one of its players.
    const QString hidden = QStringLiteral("C,,,") + QChar(0x1) + QStringLiteral("~~~D");
    tournament(hidden, QStringLiteral("2026-05-01 00:00:00"), {QStringLiteral("Flo")});
    tournament(QStringLiteral("Names"), QStringLiteral("2026-06-01 00:00:00"),
               {QStringLiteral("Ida"), QStringLiteral("Jo") + QChar(0x1F) + QStringLiteral("e")});
    // Winnings stored below 0 before payouts were kept from going there.
    tournament(QStringLiteral("Owed"), QStringLiteral("2026-07-01 00:00:00"),
               {QStringLiteral("Kim"), QStringLiteral("Lee Ray")});
    db.execute(QStringLiteral("UPDATE tblTournamentXPlayer SET Payout = -180 WHERE PlayerID = "
                              "(SELECT PlayerID FROM tblPlayer WHERE PlayerName = 'Lee Ray')"));
    FakeResultsService::Account a = fake.account();
    a.refusedPlayers = {QStringLiteral("Bob")};
    fake.setAccount(a);
    loggedIn();

    const QString mayHaveArrived = MayHaveArrivedTail;
    const QString missing
        = QStringLiteral("1 of 1 selected tournaments posted, 1 of them with player results missing.");
    const QString none = QStringLiteral("0 of 1 selected tournaments posted.");
    struct Case {
        QString name;
        FakeResultsService::Script playerResults;
        bool posted;
        QStringList lines; // the log's new lines
        QString message; // the message box, if any
    };
    const QString lost = QStringLiteral("127.0.0.1 closed the connection without answering.") + mayHaveArrived;
    const QString garbled
        = QStringLiteral("The web service answered InsertWebPlayerResult4 with HTTP status 500.") + mayHaveArrived;
    const QString badName = QStringLiteral("The name of the tournament \"C,,,~~~D\" holds a character that cannot be "
                                           "sent to the results web site (U+0001).  Nothing was sent.  Please take "
                                           "that character out and try again.");
    const QString badPlayer = QStringLiteral("The name of the player \"Joe\" holds a character that cannot be sent to "
                                             "the results web site (U+001F).  Nothing was sent.  Please take that "
                                             "character out and try again.");
    const QString separator = QStringLiteral("The name of the tournament \"A,,,~~~B\" holds \",,,~~~\", which the "
                                             "results web site uses to separate the items of its lists.  Nothing was "
                                             "sent.  Please take \",,,~~~\" out and try again.");
    const QString owed = QStringLiteral("The winnings of the player \"Lee Ray\" are below 0 (-180).  Nothing was "
                                        "sent.  Please open the tournament and mend them on the players screen: "
                                        "select the player, click More... and choose Manually Adjust "
                                        "Payout/Points..., then type the player's winnings in \"Assign Bounty\"; "
                                        "then try again.");
    const Case cases[] = {
        {QStringLiteral("Rows"),
         {},
         true,
         {QStringLiteral("Uploading tournament Rows..."), QStringLiteral("Tournament uploaded."),
          QStringLiteral("Uploading player result for Ann..."), QStringLiteral("Player result uploaded."),
          QStringLiteral("Uploading player result for Bob..."), QStringLiteral("The player result was refused."),
          QStringLiteral("1 of 3 player results of Rows were uploaded. Delete it from the league home page and post "
                         "it again."),
          missing},
         {}},
        // The first result's answer was lost, or was no answer: it may be
        // on the home page.
        {QStringLiteral("Lost"),
         {Behaviour::Close, {}},
         true,
         {QStringLiteral("Uploading tournament Lost..."), QStringLiteral("Tournament uploaded."),
          QStringLiteral("Uploading player result for Di..."), lost,
          QStringLiteral("0 of 2 player results of Lost were uploaded; the result of Di may have arrived as well. "
                         "Delete it from the league home page and post it again."),
          missing},
         lost},
        {QStringLiteral("Garbled"),
         {Behaviour::StoreThenServerError, {}},
         true,
         {QStringLiteral("Uploading tournament Garbled..."), QStringLiteral("Tournament uploaded."),
          QStringLiteral("Uploading player result for Hal..."), garbled,
          QStringLiteral("0 of 1 player results of Garbled were uploaded; the result of Hal may have arrived as "
                         "well. Delete it from the league home page and post it again."),
          missing},
         garbled},
        {QStringLiteral("Empty"),
         {},
         false,
         {none},
         QStringLiteral("A tournament you selected does not contain any players to upload.")},
        {QStringLiteral("A,,,~~~B"),
         {},
         false,
         {QStringLiteral("Uploading tournament A,,,~~~B..."), separator, none},
         separator},
        {hidden,
         {},
         false,
         {QStringLiteral("Uploading tournament ") + hidden + QStringLiteral("..."), badName, none},
         badName},
        {QStringLiteral("Names"),
         {},
         false,
         {QStringLiteral("Uploading tournament Names..."), badPlayer, none},
         badPlayer},
        {QStringLiteral("Owed"), {}, false, {QStringLiteral("Uploading tournament Owed..."), owed, none}, owed},
    };
    qsizetype seen = logLines().size();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        fake.clearScripts();
        fake.script(QStringLiteral("InsertWebPlayerResult4"), c.playerResults);
        const qsizetype callsBefore = fake.calls().size();
        prompts.messages.clear();
        select(window->lstTournamentsNotPosted, {c.name});
        QTest::mouseClick(window->cmdPost, Qt::LeftButton);
        EXPECT_EQ(newLogLines(seen), c.lines);
        EXPECT_EQ(EntryTexts(window->lstTournamentsPosted).contains(c.name), c.posted);
        EXPECT_EQ(EntryTexts(window->lstTournamentsNotPosted).contains(c.name), !c.posted);
        if (c.message.isEmpty())
            EXPECT_TRUE(prompts.messages.isEmpty());
        else
            EXPECT_EQ(prompts.messages, QStringList {c.message});
        if (!c.posted) {
            EXPECT_EQ(fake.calls().size(), callsBefore);
        }
        EXPECT_TRUE(window->isEnabled());
    }
}

TEST_F(WebPostingWindow, OnePostedNameTakesOneLocalTournamentAndRemovalTakesTheFirstComboEntry)
{
    const Long older
        = tournament(QStringLiteral("Final"), QStringLiteral("2026-01-01 00:00:00"), {QStringLiteral("Ann")});
    const Long newer
        = tournament(QStringLiteral("Final"), QStringLiteral("2026-02-01 00:00:00"), {QStringLiteral("Bob")});
    postedOnTheWeb({{7, QStringLiteral("Final")}});
    loggedIn();
    EXPECT_EQ(EntryTexts(window->lstTournamentsPosted), QStringList {QStringLiteral("Final")});
    EXPECT_EQ(data(window->lstTournamentsNotPosted), QList<int> {older});
    EXPECT_EQ(window->lstTournamentsNotPosted->currentRow(), 0);
    EXPECT_TRUE(window->lstTournamentsNotPosted->selectedItems().isEmpty());
    EXPECT_EQ(EntryTexts(window->cmbTournament), (QStringList {QStringLiteral("Final"), QStringLiteral("Final")}));
    EXPECT_EQ(window->cmbTournament->currentIndex(), 1);
    EXPECT_EQ(window->cmbTournament->currentData().toInt(), older);

    select(window->lstTournamentsNotPosted, {QStringLiteral("Final")});
    QTest::mouseClick(window->cmdPost, Qt::LeftButton);
    EXPECT_EQ(logLines().back(), QStringLiteral("Selected tournament(s) posted."));
    EXPECT_EQ(data(window->lstTournamentsPosted), (QList<int> {100, 7}));
    EXPECT_EQ(window->cmbTournament->count(), 3);

    // The newer web copy goes; the first "Final" of the combo goes with it.
    window->lstTournamentsPosted->item(0)->setSelected(true);
    QTest::mouseClick(window->cmdRemove, Qt::LeftButton);
    EXPECT_EQ(logLines().mid(logLines().size() - 3),
              (QStringList {QStringLiteral("Removing tournament from league home page..."),
                            QStringLiteral("Tournament removed."), QStringLiteral("Selected tournament(s) removed.")}));
    EXPECT_EQ(data(window->lstTournamentsPosted), QList<int> {7});
    EXPECT_EQ(window->cmbTournament->count(), 2);
    EXPECT_EQ(window->cmbTournament->itemData(0).toInt(), older);
    EXPECT_EQ(data(window->lstTournamentsNotPosted), QList<int> {older});
    EXPECT_NE(newer, older);

    // A refused removal is settled by the tournaments posted: still there,
    // the entry stays and the log says why.
    auto deleteFirst = [this] {
        window->lstTournamentsPosted->item(0)->setSelected(true);
        QTest::mouseClick(window->cmdRemove, Qt::LeftButton);
        return logLines().mid(logLines().size() - 4);
    };
    fake.script(QStringLiteral("DeleteWebTournament"), {Behaviour::Reply, QStringLiteral("1|Not yours.")});
    EXPECT_EQ(deleteFirst(),
              (QStringList {QStringLiteral("Not yours."), QStringLiteral("Getting tournaments posted..."),
                            QStringLiteral("Final is still on the league home page."),
                            QStringLiteral("0 of 1 selected tournaments removed.")}));
    EXPECT_EQ(data(window->lstTournamentsPosted), QList<int> {7});

    // Removed by another program: the service refuses to delete it, and the
    // list of tournaments posted shows it gone, so it can be posted again.
    fake.clearScripts();
    postedOnTheWeb({});
    EXPECT_EQ(deleteFirst(),
              (QStringList {QStringLiteral("No such tournament."), QStringLiteral("Getting tournaments posted..."),
                            QStringLiteral("Final is no longer on the league home page: it was removed."),
                            QStringLiteral("Selected tournament(s) removed.")}));
    EXPECT_EQ(window->lstTournamentsPosted->count(), 0);
    EXPECT_EQ(data(window->lstTournamentsNotPosted), (QList<int> {newer, older}));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(WebPostingWindow, ARemovalWhoseAnswerIsLostIsSettledByTheListOfTournamentsPosted)
{
    const Long jan = tournament(QStringLiteral("Jan"), QStringLiteral("2026-01-09 00:00:00"), {QStringLiteral("Ann")});
    const QString reread = QStringLiteral("Getting tournaments posted...");
    const QString removed = QStringLiteral("Jan is no longer on the league home page: it was removed.");
    const QString stillThere = QStringLiteral(
        "Jan is still on the league home page: it has not been removed so far.  Delete it again to remove it.");
    const QString unknown = QStringLiteral("The tournaments posted could not be read again, so it is not known "
                                           "whether Jan is still on the league home page.  It stays listed as "
                                           "posted; delete it again to find out.");
    struct Case {
        FakeResultsService::Script remove;
        Behaviour list; // how the list is answered when read again
        QString says; // the last line before the walk's
        QStringList deletedAgain; // the log of a second Delete, when the first leaves Jan listed
    };
    // The service refuses to delete what it no longer holds.
    const QStringList refusedButGone {QStringLiteral("No such tournament."), reread, removed,
                                      QStringLiteral("Selected tournament(s) removed.")};
    const Case cases[] = {
        {{Behaviour::StoreThenGarbage, {}}, Behaviour::Account, removed, {}},
        {{Behaviour::StoreThenClose, {}}, Behaviour::Account, removed, {}},
        {{Behaviour::Garbage, {}},
         Behaviour::Account,
         stillThere,
         {QStringLiteral("Tournament removed."), QStringLiteral("Selected tournament(s) removed.")}},
        {{Behaviour::StoreThenGarbage, {}}, Behaviour::Garbage, unknown, refusedButGone},
        // Stored after the window gave up waiting, and after the list was
        // read again.
        {{Behaviour::StoreLater, QStringLiteral("1500")}, Behaviour::Account, stillThere, refusedButGone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says.toStdString());
        postedOnTheWeb({{7, QStringLiteral("Jan")}});
        fake.clearScripts();
        const bool late = c.remove.behaviour == Behaviour::StoreLater;
        openLoggedIn(late ? ShortWait : std::chrono::seconds(5));
        ASSERT_TRUE(window->frameButtons->isVisible());
        ASSERT_EQ(EntryTexts(window->lstTournamentsPosted), QStringList {QStringLiteral("Jan")});
        ASSERT_EQ(window->lstTournamentsNotPosted->count(), 0);
        fake.script(QStringLiteral("DeleteWebTournament"), c.remove);
        fake.script(QStringLiteral("GetWebTournaments"), {c.list, {}});
        prompts.messages.clear();
        qsizetype seen = logLines().size();
        select(window->lstTournamentsPosted, {QStringLiteral("Jan")});
        QTest::mouseClick(window->cmdRemove, Qt::LeftButton);
        const QStringList said = newLogLines(seen);
        ASSERT_GE(said.size(), 4);
        EXPECT_EQ(said[0], QStringLiteral("Removing tournament from league home page..."));
        EXPECT_TRUE(said[1].endsWith(MayHaveArrivedTail)) << said[1].toStdString();
        EXPECT_EQ(said[2], reread);
        EXPECT_EQ(said[said.size() - 2], c.says);
        const bool gone = c.deletedAgain.isEmpty();
        EXPECT_EQ(said.back(),
                  gone ? QStringLiteral("Selected tournament(s) removed.")
                       : QStringLiteral("0 of 1 selected tournaments removed."));
        EXPECT_EQ(prompts.messages, gone ? QStringList {} : QStringList {c.says});
        EXPECT_EQ(EntryTexts(window->lstTournamentsPosted),
                  gone ? QStringList {} : QStringList {QStringLiteral("Jan")});
        EXPECT_EQ(data(window->lstTournamentsNotPosted), gone ? QList<int> {jan} : QList<int> {});
        EXPECT_EQ(window->cmbTournament->count(), gone ? 0 : 1);
        if (gone)
            continue;

        fake.clearScripts();
        prompts.messages.clear();
        if (late)
            QTRY_VERIFY_WITH_TIMEOUT(fake.account().tournaments.isEmpty(), 5000);
        select(window->lstTournamentsPosted, {QStringLiteral("Jan")});
        QTest::mouseClick(window->cmdRemove, Qt::LeftButton);
        EXPECT_EQ(newLogLines(seen).mid(1), c.deletedAgain);
        EXPECT_TRUE(prompts.messages.isEmpty());
        EXPECT_EQ(window->lstTournamentsPosted->count(), 0);
        EXPECT_EQ(data(window->lstTournamentsNotPosted), QList<int> {jan});
        EXPECT_EQ(window->cmbTournament->count(), 0);
    }
}

TEST_F(WebPostingWindow, AnEmptyLeagueListsNothingAndARefusedTournamentListKeepsTheLoginPage)
{
    loggedIn();
    EXPECT_EQ(window->lstTournamentsNotPosted->count(), 0);
    EXPECT_EQ(window->lstTournamentsNotPosted->currentRow(), -1);
    EXPECT_EQ(window->cmbTournament->count(), 0);
    EXPECT_TRUE(window->optEmailTourney->isChecked());

    fake.script(QStringLiteral("GetWebTournaments"), {Behaviour::Reply, QStringLiteral("1|Account suspended.")});
    open();
    login(QStringLiteral("secret"));
    EXPECT_EQ(logLines().back(), QStringLiteral("Account suspended."));
    EXPECT_TRUE(window->frameLogin->isVisible());
    EXPECT_FALSE(window->frameButtons->isVisible());
    EXPECT_EQ(window->txtPassword->text(), QStringLiteral("secret"));
}

TEST_F(WebPostingWindow, LeagueDetailsAreSavedWithThirteenArgumentsAndRefreshedFromElevenFields)
{
    loggedIn();
    EXPECT_EQ(window->txtLeagueName->text(), QStringLiteral("Wednesday Poker"));
    EXPECT_TRUE(window->chkDisplayManagerName->isChecked());
    EXPECT_FALSE(window->chkDisplayManagerEmail->isChecked());
    EXPECT_EQ(window->txtLeagueMessage->toPlainText(), QStringLiteral("Next game Friday"));
    EXPECT_EQ(window->txtViewerPassword->echoMode(), QLineEdit::Normal);

    window->optMessage->setChecked(true);
    type(window->txtCity, QStringLiteral("Shelbyville"));
    type(window->txtViewerPassword, QStringLiteral("open sesame"));
    window->chkDisplayManagerName->setChecked(false);
    window->chkDisplayManagerEmail->setChecked(true);
    window->txtLeagueMessage->setPlainText(QStringLiteral("Two\nlines"));
    QTest::mouseClick(window->cmdUpdateLeagueMessage, Qt::LeftButton);
    EXPECT_EQ(logLines().back(), QStringLiteral("League details updated."));
    const FakeResultsService::Call save = fake.calls().back();
    EXPECT_EQ(save.operation, QStringLiteral("UpdateWebLeagueInfo3"));
    EXPECT_EQ(save.arguments,
              (QStringList {QStringLiteral("director@example.com"), QStringLiteral("secret"), QStringLiteral("42"),
                            QStringLiteral("Shelbyville"), QStringLiteral("IL"), QStringLiteral("USA"),
                            QStringLiteral("Two\nlines"), QStringLiteral("0"), QStringLiteral("1"),
                            QStringLiteral("Wednesday Poker"), QStringLiteral("open sesame"), QStringLiteral("Pat"),
                            QStringLiteral("Jones")}));
    EXPECT_FALSE(window->rtbInfo->toPlainText().contains(QStringLiteral("open sesame")));

    type(window->txtCity, QStringLiteral("scratch"));
    QTest::mouseClick(window->cmdRefreshLeague, Qt::LeftButton);
    EXPECT_EQ(window->txtCity->text(), QStringLiteral("Shelbyville"));
    EXPECT_EQ(window->txtViewerPassword->text(), QStringLiteral("open sesame"));
    EXPECT_TRUE(window->chkDisplayManagerEmail->isChecked());

    // A record of ten or twelve fields (a field that held the separator)
    // cannot be read; no box changes.
    type(window->txtCity, QStringLiteral("kept"));
    for (qsizetype fields : {10, 12}) {
        SCOPED_TRACE(fields);
        QStringList record = fake.account().leagueFields;
        record.insert(6, QStringLiteral("soon"));
        fake.script(QStringLiteral("GetWebLeague3"),
                    {Behaviour::Reply, QStringLiteral("0|") + record.mid(0, fields).join(ListSeparator)});
        prompts.messages.clear();
        QTest::mouseClick(window->cmdRefreshLeague, Qt::LeftButton);
        ASSERT_EQ(prompts.messages.size(), 1);
        EXPECT_TRUE(prompts.messages[0].contains(QStringLiteral("cannot be read")));
        EXPECT_EQ(window->txtCity->text(), QStringLiteral("kept"));
        EXPECT_EQ(window->txtFirstName->text(), QStringLiteral("Pat"));
        EXPECT_EQ(window->txtViewerPassword->text(), QStringLiteral("open sesame"));
        EXPECT_NE(logLines().back(), QStringLiteral("League details retrieved."));
        EXPECT_TRUE(window->isEnabled());
    }

    // At login the same record is only reported: the boxes stay empty and the
    // login goes on, so that Save can put the record right.
    tournament(QStringLiteral("Jan"), QStringLiteral("2026-01-09 00:00:00"), {QStringLiteral("Ann")});
    prompts.messages.clear();
    open();
    login(QStringLiteral("secret"));
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('\n').toStdString();
    EXPECT_TRUE(window->frameButtons->isVisible());
    EXPECT_TRUE(window->txtPassword->text().isEmpty());
    EXPECT_EQ(EntryTexts(window->lstTournamentsNotPosted), QStringList {QStringLiteral("Jan")});
    const QStringList lines = logLines();
    EXPECT_EQ(lines.mid(lines.indexOf(QStringLiteral("Getting league details...")) + 1, 2),
              (QStringList {QStringLiteral("The results web site sent league details that cannot be read."),
                            QStringLiteral("Getting tournaments posted...")}));
    EXPECT_TRUE(window->lblWebLeagueName->text().isEmpty());
    for (const QLineEdit* box :
         {window->txtLeagueName, window->txtCity, window->txtViewerPassword, window->txtFirstName, window->txtLastName})
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
    EXPECT_TRUE(window->txtLeagueMessage->toPlainText().isEmpty());
    EXPECT_FALSE(window->chkDisplayManagerName->isChecked());

    fake.clearScripts();
    window->optMessage->setChecked(true);
    type(window->txtLeagueName, QStringLiteral("Wednesday Poker"));
    QTest::mouseClick(window->cmdUpdateLeagueMessage, Qt::LeftButton);
    QTest::mouseClick(window->cmdRefreshLeague, Qt::LeftButton);
    EXPECT_EQ(logLines().back(), QStringLiteral("League details retrieved."));
    EXPECT_EQ(window->lblWebLeagueName->text(), QStringLiteral("Wednesday Poker"));
}

TEST_F(WebPostingWindow, ALeagueDetailHoldingTheListSeparatorOrAControlCharacterIsRefusedNamingItsBox)
{
    loggedIn();
    window->optMessage->setChecked(true);
    // The separator as typed, and pasted with a control character inside,
    // which cannot be sent either.
    const QList<QPair<QString, QString>> refusals {
        {QStringLiteral("see you,,,~~~soon"), QStringLiteral("holds \",,,~~~\"")},
        {QStringLiteral("see you,,,") + QChar(0x1) + QStringLiteral("~~~soon"),
         QStringLiteral("holds a character that cannot be sent to the results web site (U+0001)")}};
    struct Case {
        QString box;
        QWidget* control;
    };
    const Case cases[] = {
        {QStringLiteral("League Name"), window->txtLeagueName},
        {QStringLiteral("City/Region"), window->txtCity},
        {QStringLiteral("State"), window->txtState},
        {QStringLiteral("Country"), window->txtCountry},
        {QStringLiteral("League Message"), window->txtLeagueMessage},
        {QStringLiteral("League Homepage Password"), window->txtViewerPassword},
        {QStringLiteral("Manager First"), window->txtFirstName},
        {QStringLiteral("Manager Last"), window->txtLastName},
    };
    auto set = [](QWidget* control, const QString& text) {
        if (auto* line = qobject_cast<QLineEdit*>(control)) {
            line->clear();
            line->insert(text); // what a paste does
        } else {
            qobject_cast<QTextEdit*>(control)->setPlainText(text);
        }
    };
    const QStringList stored = fake.account().leagueFields;
    for (const Case& c : cases) {
        for (const auto& [text, holds] : refusals) {
            SCOPED_TRACE(c.box.toStdString() + " " + QString::number(text.size()).toStdString());
            set(c.control, text);
            const qsizetype callsBefore = fake.calls().size();
            prompts.messages.clear();
            QTest::mouseClick(window->cmdUpdateLeagueMessage, Qt::LeftButton);
            ASSERT_EQ(prompts.messages.size(), 1);
            EXPECT_TRUE(prompts.messages[0].startsWith(QStringLiteral("The %1 box %2").arg(c.box, holds)))
                << prompts.messages[0].toStdString();
            EXPECT_TRUE(prompts.messages[0].contains(QStringLiteral("Nothing was sent.")));
            // The "Updating league details..." line is ended by the refusal.
            EXPECT_EQ(logLines().back(), prompts.messages[0]);
            EXPECT_TRUE(window->imgError->isVisible());
            EXPECT_EQ(fake.calls().size(), callsBefore);
            EXPECT_EQ(fake.account().leagueFields, stored);
            EXPECT_TRUE(window->isEnabled());
        }
        set(c.control, QStringLiteral("see you soon"));
    }
    QTest::mouseClick(window->cmdUpdateLeagueMessage, Qt::LeftButton);
    EXPECT_EQ(logLines().back(), QStringLiteral("League details updated."));
}

TEST_F(WebPostingWindow, ACallStoredByTheServiceWhoseAnswerIsLostIsSentOnceAndAgainOnlyWhenTheDirectorSaysSo)
{
    struct Case {
        Behaviour behaviour;
        QString says;
        QString reply = {};
    };
    auto unreadable = [](const QString& reply) {
        return QStringLiteral("The results web site sent a reply to InsertWebTournament that cannot be read: \"%1\".")
            .arg(reply);
    };
    // The call went out whole, and what came back was no SOAP answer: the
    // connection dropped, no answer within the time-out, bytes that are no
    // XML, an HTML error page or an answer too large to be one. Or it was
    // one that says stored without the number, or has no result code.
    const Case cases[] = {
        {Behaviour::StoreThenClose, QStringLiteral("127.0.0.1 closed the connection without answering.")},
        {Behaviour::StoreThenSilent, QStringLiteral("127.0.0.1 did not answer within 1 seconds.")},
        {Behaviour::StoreThenGarbage, QStringLiteral("The reply to InsertWebTournament is not readable XML")},
        {Behaviour::StoreThenServerError,
         QStringLiteral("The web service answered InsertWebTournament with HTTP status 500.")},
        {Behaviour::StoreThenOversize, QStringLiteral("127.0.0.1 sent a reply too large to be the web service's."),
         QStringLiteral("100000")},
        {Behaviour::StoreThenReply, unreadable(QStringLiteral("0|abc")), QStringLiteral("0|abc")},
        {Behaviour::StoreThenReply, unreadable(QStringLiteral("0")), QStringLiteral("0")},
        {Behaviour::StoreThenReply, unreadable(QStringLiteral("Server busy")), QStringLiteral("Server busy")},
    };
    tournament(QStringLiteral("Jan"), QStringLiteral("2026-01-09 00:00:00"), {QStringLiteral("Ann")});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says.toStdString());
        postedOnTheWeb({});
        fake.clearScripts();
        WriteSetting(ShowWebTrialKey, 0);
        open();
        window->transferLimits = {std::chrono::seconds(1), 64 * 1024};
        login(QStringLiteral("secret"));
        ASSERT_TRUE(window->frameButtons->isVisible());
        fake.script(QStringLiteral("InsertWebTournament"), {c.behaviour, c.reply});
        prompts.messages.clear();
        const qsizetype before = fake.calls().size();
        auto called = [&] { return fake.operationsCalled().mid(before); };
        select(window->lstTournamentsNotPosted, {QStringLiteral("Jan")});
        QTest::mouseClick(window->cmdPost, Qt::LeftButton);

        EXPECT_EQ(called(), QStringList {QStringLiteral("InsertWebTournament")});
        EXPECT_EQ(fake.account().tournaments.size(), 1);
        ASSERT_EQ(prompts.messages.size(), 1);
        EXPECT_TRUE(prompts.messages[0].startsWith(c.says)) << prompts.messages[0].toStdString();
        EXPECT_TRUE(prompts.messages[0].endsWith(MayHaveArrivedTail)) << prompts.messages[0].toStdString();
        EXPECT_EQ(EntryTexts(window->lstTournamentsNotPosted), QStringList {QStringLiteral("Jan")});
        EXPECT_EQ(window->lstTournamentsPosted->count(), 0);
        EXPECT_EQ(logLines().mid(logLines().size() - 2),
                  (QStringList {prompts.messages[0], QStringLiteral("0 of 1 selected tournaments posted.")}));

        // Posting it again asks first; No sends nothing.
        fake.clearScripts();
        prompts.messages.clear();
        select(window->lstTournamentsNotPosted, {QStringLiteral("Jan")});
        QTest::mouseClick(window->cmdPost, Qt::LeftButton);
        ASSERT_EQ(prompts.messages.size(), 1);
        EXPECT_TRUE(prompts.messages[0].startsWith(QStringLiteral("The league home page may already have Jan of "
                                                                  "01/09/2026")))
            << prompts.messages[0].toStdString();
        EXPECT_EQ(called(), QStringList {QStringLiteral("InsertWebTournament")});
        EXPECT_EQ(
            logLines().mid(logLines().size() - 2),
            (QStringList {QStringLiteral("Jan was not sent."), QStringLiteral("0 of 1 selected tournaments posted.")}));
        EXPECT_EQ(EntryTexts(window->lstTournamentsNotPosted), QStringList {QStringLiteral("Jan")});

        // Yes sends the second copy.
        prompts.answers = {Prompter::Answer::Yes};
        select(window->lstTournamentsNotPosted, {QStringLiteral("Jan")});
        QTest::mouseClick(window->cmdPost, Qt::LeftButton);
        EXPECT_EQ(fake.account().tournaments.size(), 2);
        EXPECT_EQ(logLines().back(), QStringLiteral("Selected tournament(s) posted."));
        EXPECT_EQ(EntryTexts(window->lstTournamentsPosted), QStringList {QStringLiteral("Jan")});
    }
}

TEST_F(WebPostingWindow, ATournamentOfTheNameAndDayOfOneOnTheHomePageIsSentOnlyWhenTheDirectorSaysSo)
{
    // Two local tournaments of one name and day, the home page holding one:
    // the second is listed to post, and would be a second copy.
    const Long first
        = tournament(QStringLiteral("Final"), QStringLiteral("2026-01-09 00:00:00"), {QStringLiteral("Ann")});
    const Long second
        = tournament(QStringLiteral("Final"), QStringLiteral("2026-01-09 00:00:00"), {QStringLiteral("Bob")});
    const Long other
        = tournament(QStringLiteral("Final"), QStringLiteral("2026-02-09 00:00:00"), {QStringLiteral("Cy")});
    postedOnTheWeb({{7, QStringLiteral("Final")}, {8, QStringLiteral("Final")}});
    loggedIn();
    ASSERT_EQ(data(window->lstTournamentsNotPosted), QList<int> {first});
    EXPECT_NE(second, other);

    select(window->lstTournamentsNotPosted, {QStringLiteral("Final")});
    QTest::mouseClick(window->cmdPost, Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith(QStringLiteral("The league home page may already have Final of "
                                                              "01/09/2026")));
    EXPECT_FALSE(fake.operationsCalled().contains(QStringLiteral("InsertWebTournament")));
    EXPECT_EQ(data(window->lstTournamentsNotPosted), QList<int> {first});

    // In the program's own question box, Enter pressed out of habit is No.
    MessagePrompter boxes;
    setPrompter(&boxes);
    QString asked;
    OnNextDialog<QMessageBox>([&asked](QMessageBox& box) {
        asked = box.text();
        QTest::keyClick(&box, Qt::Key_Return);
    });
    QTest::mouseClick(window->cmdPost, Qt::LeftButton);
    setPrompter(&prompts);
    EXPECT_TRUE(asked.startsWith(QStringLiteral("The league home page may already have Final"))) << asked.toStdString();
    EXPECT_FALSE(fake.operationsCalled().contains(QStringLiteral("InsertWebTournament")));
    EXPECT_EQ(logLines().back(), QStringLiteral("0 of 1 selected tournaments posted."));
}

TEST_F(WebPostingWindow, PlayerResultsAnsweredWithCodeTwoAreAllSentAndReportedStored)
{
    tournament(QStringLiteral("Jan"), QStringLiteral("2026-01-09 00:00:00"),
               {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")});
    loggedIn();
    fake.script(QStringLiteral("InsertWebPlayerResult4"), {Behaviour::Reply, QStringLiteral("2|stored")});
    qsizetype seen = logLines().size();
    select(window->lstTournamentsNotPosted, {QStringLiteral("Jan")});
    QTest::mouseClick(window->cmdPost, Qt::LeftButton);

    QStringList sent;
    for (const FakeResultsService::Call& c : fake.calls())
        if (c.operation == QLatin1String("InsertWebPlayerResult4"))
            sent << c.arguments.value(5);
    EXPECT_EQ(sent, (QStringList {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")}));
    EXPECT_EQ(
        newLogLines(seen),
        (QStringList {QStringLiteral("Uploading tournament Jan..."), QStringLiteral("Tournament uploaded."),
                      QStringLiteral("Uploading player result for Ann..."), QStringLiteral("Player result uploaded."),
                      QStringLiteral("Uploading player result for Bob..."), QStringLiteral("Player result uploaded."),
                      QStringLiteral("Uploading player result for Cy..."), QStringLiteral("Player result uploaded."),
                      QStringLiteral("Selected tournament(s) posted.")}));
    EXPECT_EQ(EntryTexts(window->lstTournamentsPosted), QStringList {QStringLiteral("Jan")});
    EXPECT_FALSE(window->imgError->isVisible());
}
