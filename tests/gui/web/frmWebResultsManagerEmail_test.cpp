#include "frmWebResultsManagerFixture.h"

#include "WindowTestHelpers.h"
#include "gui/shared/frmAddEditPlayer.h"

#include <QUrlQuery>

namespace {

class WebEmailWindow : public frmWebResultsManagerTest {
protected:
    // "March" is on the home page; Amy and Bo (a 4-character address) played
    // it; Cy is a member only.
    void SetUp() override
    {
        frmWebResultsManagerTest::SetUp();
        march = addTournament(league, QStringLiteral("March"), QStringLiteral("2026-03-07 00:00:00"));
        amy = addPlayerWithEmail(QStringLiteral("Amy"), QStringLiteral("amy@x.io"));
        bo = addPlayerWithEmail(QStringLiteral("Bo"), QStringLiteral("b@x."));
        addPlayerWithEmail(QStringLiteral("Cy"), QStringLiteral("cy@x.io"));
        addEntry(march, amy);
        addEntry(march, bo, 2);
        postedOnTheWeb({{5, QStringLiteral("March")}});
        WriteSetting(ShowWebTrialKey, 0);
    }

    void loggedIn(const QString& viewerPassword = {})
    {
        FakeResultsService::Account a = fake.account();
        a.leagueFields[8] = viewerPassword;
        fake.setAccount(a);
        open();
        login(QStringLiteral("secret"));
        ASSERT_TRUE(window->frameButtons->isVisible());
        window->optEmail->setChecked(true);
    }

    QList<QStringList> emailsSent() const { return fake.account().emails; }

    Long march = 0, amy = 0, bo = 0;
};

} // namespace

TEST_F(WebEmailWindow, TheEntrantsOfAPostedTournamentGetTheResultsBodyThroughAMailtoLink)
{
    WriteSetting(SubjectKey, QStringLiteral("Old subject"));
    for (const QString& password : {QString(), QStringLiteral("pw 7")}) {
        loggedIn(password);
        EXPECT_TRUE(window->optCopyOnly->isChecked());
        EXPECT_TRUE(window->txtTo->isVisible());
        EXPECT_FALSE(window->txtFrom->isVisible());
        EXPECT_TRUE(window->optEmailTourney->isChecked());
        EXPECT_EQ(EntryTexts(window->cmbTournament), QStringList {QStringLiteral("March")});
        EXPECT_EQ(EntryTexts(window->lstPlayers),
                  (QStringList {QStringLiteral("Amy"), QStringLiteral("Bo (NO EMAIL)")}));
        EXPECT_EQ(window->lstPlayers->item(0)->checkState(), Qt::Checked);
        EXPECT_EQ(window->lstPlayers->item(1)->checkState(), Qt::Unchecked);
        EXPECT_EQ(data(window->lstPlayers), (QList<int> {amy, bo}));
        EXPECT_EQ(EntryTexts(window->lstPlayerEmails),
                  (QStringList {QStringLiteral("amy@x.io"), QStringLiteral("unknown email")}));
        EXPECT_EQ(window->txtTo->text(), QStringLiteral("amy@x.io"));
        EXPECT_EQ(window->txtSubject->text(), QStringLiteral("Tournament Results"));
        EXPECT_EQ(window->rtbBody->toPlainText(),
                  ResultsEmailBody(QStringLiteral("March"), QStringLiteral("03/07/2026"), window->btnWeb->Caption(),
                                   password));
    }

    // Ticking Bo, who has no address, leaves the To box as it is.
    window->lstPlayers->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(window->txtTo->text(), QStringLiteral("amy@x.io"));
    type(window->txtSubject, QStringLiteral("Results & more?"));
    window->rtbBody->setPlainText(QStringLiteral("Line 1 #\n100% done"));
    QTest::mouseClick(window->cmdEmail, Qt::LeftButton);
    ASSERT_EQ(links.opened.size(), 1);
    const QUrl mail = links.opened[0];
    EXPECT_EQ(mail.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(mail.path(QUrl::FullyDecoded), QStringLiteral("amy@x.io"));
    EXPECT_EQ(QUrlQuery(mail).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              QStringLiteral("Results & more?"));
    EXPECT_EQ(QUrlQuery(mail).queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
              QStringLiteral("Line 1 #\r\n100% done"));
    EXPECT_EQ(ReadSetting(SubjectKey), QStringLiteral("Results & more?"));
    EXPECT_FALSE(window->rtbInfo->toPlainText().contains(QStringLiteral("mailto")));

    window->optEmailLeague->setChecked(true);
    EXPECT_FALSE(window->cmbTournament->isVisible());
    EXPECT_EQ(EntryTexts(window->lstPlayers),
              (QStringList {QStringLiteral("Amy"), QStringLiteral("Bo (NO EMAIL)"), QStringLiteral("Cy")}));
    EXPECT_EQ(window->txtTo->text(), QStringLiteral("amy@x.io; cy@x.io"));
    EXPECT_EQ(window->rtbBody->toPlainText(), QStringLiteral("  "));
    EXPECT_EQ(window->txtSubject->text(), QStringLiteral("  "));
}

TEST_F(WebEmailWindow, EditingAPlayerSetsTheMarkAndTheAddressAndRebuildsTheToBox)
{
    loggedIn();
    struct Edit {
        int row;
        QString email;
        QString listed;
        QString to;
    };
    for (const Edit& e : {Edit {1, QStringLiteral("bo@x.io"), QStringLiteral("Bo"), QStringLiteral("amy@x.io")},
                          Edit {0, QString(), QStringLiteral("Amy"), QString()}}) {
        QString asked;
        OnNextDialog<frmAddEditPlayer>([&](frmAddEditPlayer& d) {
            asked = d.txtPlayer->text();
            d.txtEmail->setText(e.email);
            QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        });
        window->lstPlayers->setCurrentRow(e.row);
        QTest::mouseClick(window->cmdEditPlayer, Qt::LeftButton);
        EXPECT_EQ(asked, e.listed);
        EXPECT_EQ(window->lstPlayers->item(e.row)->text(), e.listed);
        EXPECT_EQ(window->lstPlayerEmails->item(e.row)->text(), e.email);
        EXPECT_EQ(window->txtTo->text(), e.to);
    }
    // The ticks stay: Bo was not ticked and is not now.
    EXPECT_EQ(window->lstPlayers->item(1)->checkState(), Qt::Unchecked);
    EXPECT_EQ(db.query(QStringLiteral("SELECT Email FROM tblPlayer WHERE PlayerID = ?"), {bo})
                  .value(QStringLiteral("Email"))
                  .toString(),
              QStringLiteral("bo@x.io"));

    // A marked player left without an address keeps the mark; the double
    // click edits the same player.
    window->optEmailLeague->setChecked(true);
    ASSERT_EQ(window->lstPlayers->item(0)->text(), QStringLiteral("Amy (NO EMAIL)"));
    OnNextDialog<frmAddEditPlayer>([&](frmAddEditPlayer& d) {
        d.txtPlayer->setText(QStringLiteral("Amyette"));
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    });
    window->lstPlayerEmails->setCurrentRow(0);
    EXPECT_EQ(window->lstPlayers->currentRow(), 0);
    const QPoint onAmy = window->lstPlayerEmails->visualItemRect(window->lstPlayerEmails->item(0)).center();
    QTest::mousePress(window->lstPlayerEmails->viewport(), Qt::LeftButton, {}, onAmy);
    QTest::mouseDClick(window->lstPlayerEmails->viewport(), Qt::LeftButton, {}, onAmy);
    EXPECT_EQ(window->lstPlayers->item(0)->text(), QStringLiteral("Amyette (NO EMAIL)"));
}

TEST_F(WebEmailWindow, TheServiceSendsSeparatelyOrToTheGroupAndKeepsTheSettingsOnlyAfterASend)
{
    loggedIn();
    window->optEmailLeague->setChecked(true);
    window->lstPlayers->item(1)->setCheckState(Qt::Checked); // Bo, without an address
    type(window->txtSubject, QStringLiteral("Next game"));
    window->rtbBody->setPlainText(QStringLiteral("Friday at 8"));

    window->optEmailIndividual->setChecked(true);
    EXPECT_FALSE(window->txtTo->isVisible());
    EXPECT_TRUE(window->txtFrom->isVisible());
    type(window->txtFrom, QStringLiteral("director.example.com"));
    const qsizetype lines = logLines().size();
    QTest::mouseClick(window->cmdEmail, Qt::LeftButton);
    EXPECT_EQ(prompts.messages, QStringList {QStringLiteral("Please specify a valid Reply To email address.")});
    EXPECT_EQ(logLines().size(), lines);
    EXPECT_TRUE(emailsSent().isEmpty());
    EXPECT_EQ(ReadSetting(SubjectKey), QStringLiteral("Poker Tournament Results Available"));

    type(window->txtFrom, QStringLiteral("director@example.com"));
    QTest::mouseClick(window->cmdEmail, Qt::LeftButton);
    const QStringList reply {QStringLiteral("director@example.com"), QStringLiteral("Next game"),
                             QStringLiteral("Friday at 8")};
    EXPECT_EQ(emailsSent(),
              (QList<QStringList> {QStringList {QStringLiteral("amy@x.io")} + reply,
                                   QStringList {QStringLiteral("cy@x.io")} + reply}));
    EXPECT_EQ(logLines().mid(lines),
              (QStringList {QStringLiteral("Bo has no email address and is left out."),
                            QStringLiteral("Sending email to amy@x.io..."), QStringLiteral("Email sent."),
                            QStringLiteral("Sending email to cy@x.io..."), QStringLiteral("Email sent."),
                            QStringLiteral("Completed sending emails.")}));
    EXPECT_EQ(ReadSetting(ReplyAddressKey), QStringLiteral("director@example.com"));
    EXPECT_EQ(ReadSetting(SubjectKey), QStringLiteral("Next game"));

    window->optEmailGroup->setChecked(true);
    type(window->txtSubject, QStringLiteral("To all"));
    QTest::mouseClick(window->cmdEmail, Qt::LeftButton);
    EXPECT_EQ(emailsSent().size(), 3);
    EXPECT_EQ(emailsSent().back().value(0), QStringLiteral("amy@x.io;cy@x.io"));
    EXPECT_EQ(logLines().back(), QStringLiteral("Email sent."));
    EXPECT_EQ(ReadSetting(SubjectKey), QStringLiteral("To all"));

    // A lost connection: the message, and the settings as they were.
    fake.script(QStringLiteral("EmailPlayer"), {Behaviour::Close, {}});
    type(window->txtSubject, QStringLiteral("Lost"));
    prompts.messages.clear();
    QTest::mouseClick(window->cmdEmail, Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(QStringLiteral("closed the connection without answering")));
    EXPECT_EQ(ReadSetting(SubjectKey), QStringLiteral("To all"));
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(WebEmailWindow, AWalkCutShortSaysWhoWasNotMailedAndTheNextSendReachesOnlyThem)
{
    addPlayerWithEmail(QStringLiteral("Di"), QStringLiteral("di@x.io"));
    openLoggedIn(ShortWait);
    ASSERT_TRUE(window->frameButtons->isVisible());
    window->optEmail->setChecked(true);
    window->optEmailLeague->setChecked(true);
    window->optEmailIndividual->setChecked(true);
    type(window->txtFrom, QStringLiteral("director@example.com"));
    type(window->txtSubject, QStringLiteral("Friday"));
    auto ticked = [this] {
        QStringList names;
        for (int i = 0; i < window->lstPlayers->count(); ++i)
            if (window->lstPlayers->item(i)->checkState() == Qt::Checked)
                names << window->lstPlayers->item(i)->text();
        return names;
    };
    ASSERT_EQ(ticked(), (QStringList {QStringLiteral("Amy"), QStringLiteral("Cy"), QStringLiteral("Di")}));

    // The first player's e-mail goes out and its answer is lost.
    fake.script(QStringLiteral("EmailPlayer"), {Behaviour::StoreThenSilent, {}});
    const qsizetype seen = logLines().size();
    QTest::mouseClick(window->cmdEmail, Qt::LeftButton);
    const QString lost = QStringLiteral("127.0.0.1 did not answer within 0 seconds.  The email was not sent again: it "
                                        "may have gone out all the same.");
    const QString notMailed = QStringLiteral("Not every ticked player was mailed.  Not mailed: Cy, Di.  Perhaps "
                                             "mailed: Amy.  Only those not mailed stay ticked, so the next Send "
                                             "reaches only them.");
    EXPECT_EQ(logLines().mid(seen), (QStringList {QStringLiteral("Sending email to amy@x.io..."), lost, notMailed}));
    EXPECT_EQ(prompts.messages, QStringList {lost + QStringLiteral("\n\n") + notMailed});
    EXPECT_EQ(ticked(), (QStringList {QStringLiteral("Cy"), QStringLiteral("Di")}));
    EXPECT_EQ(window->txtTo->text(), QStringLiteral("cy@x.io; di@x.io"));
    EXPECT_EQ(ReadSetting(SubjectKey), QStringLiteral("Poker Tournament Results Available"));
    EXPECT_TRUE(window->isEnabled());

    fake.clearScripts();
    QTest::mouseClick(window->cmdEmail, Qt::LeftButton);
    QStringList reached;
    for (const QStringList& email : emailsSent())
        reached << email.value(0);
    EXPECT_EQ(reached,
              (QStringList {QStringLiteral("amy@x.io"), QStringLiteral("cy@x.io"), QStringLiteral("di@x.io")}));
    EXPECT_EQ(logLines().back(), QStringLiteral("Completed sending emails."));
    EXPECT_EQ(ReadSetting(SubjectKey), QStringLiteral("Friday"));
}

TEST_F(WebEmailWindow, RemovingTheTournamentAnEmailWasBuiltFromClearsItsRecipientsAndTextAndSendsNothing)
{
    loggedIn();
    window->optEmailIndividual->setChecked(true);
    type(window->txtFrom, QStringLiteral("director@example.com"));
    ASSERT_EQ(EntryTexts(window->lstPlayers), (QStringList {QStringLiteral("Amy"), QStringLiteral("Bo (NO EMAIL)")}));

    window->optPost->setChecked(true);
    select(window->lstTournamentsPosted, {QStringLiteral("March")});
    QTest::mouseClick(window->cmdRemove, Qt::LeftButton);
    ASSERT_EQ(logLines().back(), QStringLiteral("Selected tournament(s) removed."));

    window->optEmail->setChecked(true);
    EXPECT_EQ(window->cmbTournament->count(), 0);
    EXPECT_EQ(window->lstPlayers->count(), 0);
    EXPECT_EQ(window->lstPlayerEmails->count(), 0);
    EXPECT_TRUE(window->txtTo->text().isEmpty());
    EXPECT_TRUE(window->txtSubject->text().isEmpty());
    EXPECT_TRUE(window->rtbBody->toPlainText().isEmpty());
    QTest::mouseClick(window->cmdEmail, Qt::LeftButton);
    EXPECT_FALSE(fake.operationsCalled().contains(QStringLiteral("EmailPlayer")));
    EXPECT_EQ(logLines().back(), QStringLiteral("Completed sending emails."));

    // One e-mail to the group with its recipients cleared, or none ticked:
    // nothing is sent or kept, and the log says why.
    const QString subject = ReadSetting(SubjectKey);
    window->optEmailGroup->setChecked(true);
    for (bool league : {false, true}) {
        if (league) {
            window->optEmailLeague->setChecked(true);
            for (int i = 0; i < window->lstPlayers->count(); ++i)
                window->lstPlayers->item(i)->setCheckState(Qt::Unchecked);
        }
        type(window->txtSubject, QStringLiteral("Nobody"));
        QTest::mouseClick(window->cmdEmail, Qt::LeftButton);
        EXPECT_FALSE(fake.operationsCalled().contains(QStringLiteral("EmailPlayer")));
        EXPECT_EQ(logLines().back(),
                  QStringLiteral("There is no recipient: no ticked player has an email address.  Nothing was sent."));
        EXPECT_TRUE(window->imgError->isVisible());
        EXPECT_EQ(ReadSetting(SubjectKey), subject);
    }
}
