#include "core/store/ProgramSettings.h"
#include "core/store/SettingsKeys.h"
#include "frmWebResultsManagerFixture.h"
#include "gui/controls/ctlButton.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

TEST_F(frmWebResultsManagerTest, TheFirstPageFollowsShowWebTrialAndTheLinksLeadOn)
{
    struct Case {
        const char* stored;
        QString page;
    };
    for (const Case& c : {Case {nullptr, QStringLiteral("frameRenew")}, Case {"1", QStringLiteral("frameRenew")},
                          Case {"0", QStringLiteral("frameLogin")}, Case {"7", QStringLiteral("frameLogin")}}) {
        if (c.stored)
            WriteSetting(ShowWebTrialKey, QString::fromLatin1(c.stored));
        open();
        for (const char* page : {"frameRenew", "frameForgotPassword", "frameLogin"})
            EXPECT_EQ(find<QFrame>(QString::fromLatin1(page))->isVisible(), c.page == QLatin1String(page))
                << page << " with " << (c.stored ? c.stored : "none");
        EXPECT_FALSE(window->frameButtons->isVisible());
    }
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Web Results Posting Manager"));
    EXPECT_TRUE(window->lblInfo->text().startsWith(QStringLiteral("Web Results Posting is a free, optional service of "
                                                                  "Zorvane")));
    EXPECT_TRUE(window->lblInfo->text().endsWith(QStringLiteral("ready to post results.\n")));
    for (const char* box :
         {"txtPassword", "txtNewPassword(0)", "txtConfirmPassword(0)", "txtNewPassword(1)", "txtConfirmPassword(1)"})
        EXPECT_EQ(find<QLineEdit>(QString::fromLatin1(box))->echoMode(), QLineEdit::Password) << box;
    EXPECT_EQ(window->txtAnswer->echoMode(), QLineEdit::PasswordEchoOnEdit);

    QTest::mouseClick(window->cmdTrial, Qt::LeftButton);
    EXPECT_TRUE(window->frameRenew->isVisible());
    ClickButton(window->btnActivate);
    EXPECT_EQ(links.opened, QList<QUrl> {QUrl(fake.address() + QStringLiteral("/webresultssharing.aspx"))});
    ClickButton(window->btnGoToLogin);
    EXPECT_TRUE(window->frameLogin->isVisible());
    EXPECT_TRUE(fake.calls().isEmpty());
}

TEST_F(frmWebResultsManagerTest, ANewUserLogsInAndChangesThePasswordWhichIsKeptNowhere)
{
    open();
    login(QStringLiteral("secret"));
    EXPECT_EQ(
        logLines(),
        (QStringList {QStringLiteral("Connecting to 127.0.0.1..."), QStringLiteral("Connection successful."),
                      QStringLiteral("Verifying user information..."), QStringLiteral("Login/password verified."),
                      QStringLiteral("Getting league details..."), QStringLiteral("League details retrieved."),
                      QStringLiteral("Getting tournaments posted..."), QStringLiteral("Tournaments retrieved.")}));
    EXPECT_EQ(ReadSetting(ShowWebTrialKey), QStringLiteral("0"));
    EXPECT_EQ(ReadSetting(UserNameKey), QStringLiteral("director@example.com"));
    EXPECT_EQ(window->mlngWebleagueID, 42);
    EXPECT_FALSE(window->frameLoginButtons->isVisible());
    EXPECT_TRUE(window->frameButtons->isVisible());
    EXPECT_TRUE(window->framePost->isVisible());
    window->optHomePage->setChecked(true);
    EXPECT_EQ(window->btnWeb->Caption(), fake.address() + QStringLiteral("/leaguehome.aspx?webleagueid=42"));
    ClickButton(window->btnWeb);
    EXPECT_EQ(links.opened, QList<QUrl> {QUrl(window->btnWeb->Caption())});

    // Short or mismatched passwords send nothing.
    window->optChangePassword->setChecked(true);
    struct Case {
        QString password, confirmation, message;
    };
    for (const Case& c :
         {Case {QStringLiteral("abc"), QStringLiteral("abc"),
                QStringLiteral("Password must be at least 4 characters long.")},
          Case {QStringLiteral("abcd"), QStringLiteral("abcD"),
                QStringLiteral("Password confirmation does not match, please correct and try again.")}}) {
        prompts.messages.clear();
        type(window->txtNewPassword[0], c.password);
        type(window->txtConfirmPassword[0], c.confirmation);
        QTest::mouseClick(window->cmdChangePassword, Qt::LeftButton);
        EXPECT_EQ(prompts.messages, QStringList {c.message});
    }
    EXPECT_EQ(fake.calls().size(), 4);

    // A changed password is the one sent next; no second connection test.
    for (const QString& next : {QStringLiteral("n3wpass"), QStringLiteral("th1rdpass")}) {
        type(window->txtNewPassword[0], next);
        type(window->txtConfirmPassword[0], next);
        QTest::mouseClick(window->cmdChangePassword, Qt::LeftButton);
        EXPECT_TRUE(window->txtNewPassword[0]->text().isEmpty());
        EXPECT_TRUE(window->txtConfirmPassword[0]->text().isEmpty());
    }
    const auto calls = fake.calls();
    EXPECT_EQ(
        calls.back().arguments,
        (QStringList {QStringLiteral("director@example.com"), QStringLiteral("n3wpass"), QStringLiteral("th1rdpass")}));
    EXPECT_EQ(fake.account().password, QStringLiteral("th1rdpass"));
    EXPECT_EQ(connectionTests(), 1);
    EXPECT_EQ(logLines().mid(8),
              (QStringList {QStringLiteral("Attempting to change password..."),
                            QStringLiteral("Your password has been changed."),
                            QStringLiteral("Attempting to change password..."),
                            QStringLiteral("Your password has been changed.")}));
    const QByteArray stored = dataFolderBytes();
    for (const char* secret : {"secret", "n3wpass", "th1rdpass"}) {
        EXPECT_FALSE(stored.contains(secret)) << secret;
        EXPECT_FALSE(window->rtbInfo->toPlainText().contains(QString::fromLatin1(secret))) << secret;
    }
}

TEST_F(frmWebResultsManagerTest, AfterAPasswordChangeWhoseAnswerIsLostTheSiteIsAskedWhichPasswordItTakes)
{
    const QString asking
        = QStringLiteral("Checking which password the results web site takes, the old or the new one...");
    const QString newInForce = QStringLiteral("The new password is in force: the change of password was stored.");
    const QString oldInForce = QStringLiteral(
        "The old password is still in force: the change of password has not been stored so far.  The web site may "
        "still store it later; should it then refuse a call, this window asks again which password it takes.");
    const QString lostTail
        = QStringLiteral("  The change of password was not sent again: the web site may have stored it, now or later.");
    struct Case {
        FakeResultsService::Script change;
        FakeResultsService::Script login; // how the site answers when asked
        QStringList says; // the log after the change's lost answer
        QString message; // and the message, when it cannot tell
        QString inForce; // the password the next calls send
    };
    const QString refusesBoth = QStringLiteral("The results web site refuses both the old and the new password, so "
                                               "the change of password may or may not have been stored.  Please close "
                                               "this window and log in again.");
    // The site stores the change after the window has given up waiting.
    const FakeResultsService::Script storedLate {Behaviour::StoreLater, QStringLiteral("1500")};
    const Case cases[] = {
        {{Behaviour::StoreThenServerError, {}}, {}, {asking, newInForce}, {}, QStringLiteral("n3wpass")},
        {{Behaviour::Garbage, {}}, {}, {asking, oldInForce}, {}, QStringLiteral("secret")},
        {{Behaviour::StoreThenRedirect, QStringLiteral("308")},
         {},
         {asking, newInForce},
         {},
         QStringLiteral("n3wpass")},
        {storedLate, {}, {asking, oldInForce}, {}, QStringLiteral("n3wpass")},
        {{Behaviour::StoreThenServerError, {}},
         {Behaviour::Close, {}},
         {asking},
         QStringLiteral("could not be asked"),
         QStringLiteral("n3wpass")},
        {{Behaviour::StoreThenServerError, {}},
         {Behaviour::Reply, QStringLiteral("1|Invalid login or password.")},
         {asking, refusesBoth},
         refusesBoth,
         QStringLiteral("n3wpass")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says.join(QLatin1Char('|')).toStdString());
        fake.clearScripts();
        fake.setAccount({});
        const bool late = c.change.behaviour == Behaviour::StoreLater;
        openLoggedIn(late ? ShortWait : std::chrono::seconds(5));
        ASSERT_TRUE(window->frameButtons->isVisible());
        window->optChangePassword->setChecked(true);
        fake.script(QStringLiteral("ChangePassword"), c.change);
        fake.script(QStringLiteral("LoginNew"), c.login);
        prompts.messages.clear();
        const qsizetype seen = logLines().size();
        type(window->txtNewPassword[0], QStringLiteral("n3wpass"));
        type(window->txtConfirmPassword[0], QStringLiteral("n3wpass"));
        QTest::mouseClick(window->cmdChangePassword, Qt::LeftButton);
        const QStringList said = logLines().mid(seen);
        ASSERT_GE(said.size(), 2 + c.says.size());
        EXPECT_EQ(said[0], QStringLiteral("Attempting to change password..."));
        EXPECT_TRUE(said[1].endsWith(lostTail)) << said[1].toStdString();
        EXPECT_EQ(said.mid(2, c.says.size()).join(QLatin1Char('|')).toStdString(),
                  c.says.join(QLatin1Char('|')).toStdString());
        if (c.message.isEmpty()) {
            EXPECT_EQ(said.size(), 2 + c.says.size());
            EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(QLatin1Char('|')).toStdString();
        } else {
            ASSERT_EQ(prompts.messages.size(), 1);
            EXPECT_TRUE(prompts.messages[0].contains(c.message)) << prompts.messages[0].toStdString();
        }

        // While the site cannot tell, nothing else is sent; once it can,
        // the next call sends the password in force.
        if (c.login.behaviour == Behaviour::Reply) {
            const qsizetype before = fake.calls().size();
            prompts.messages.clear();
            QTest::mouseClick(window->cmdRefreshLeague, Qt::LeftButton);
            EXPECT_EQ(prompts.messages, QStringList {refusesBoth});
            EXPECT_FALSE(fake.operationsCalled().mid(before).contains(QStringLiteral("GetWebLeague3")));
        }
        fake.clearScripts();
        prompts.messages.clear();
        // A change stored late: the first call under the old password is
        // refused, and the refusal asks again.
        if (late) {
            QTRY_COMPARE_WITH_TIMEOUT(fake.account().password, QStringLiteral("n3wpass"), 5000);
            const qsizetype before = logLines().size();
            QTest::mouseClick(window->cmdRefreshLeague, Qt::LeftButton);
            EXPECT_EQ(logLines().mid(before),
                      (QStringList {QStringLiteral("Getting league details..."),
                                    QStringLiteral("Invalid login or password."), asking,
                                    QStringLiteral("The new password is in force now: the change of password was "
                                                   "stored after all.  Please try once more what was refused.")}));
        }
        const qsizetype before = fake.calls().size();
        QTest::mouseClick(window->cmdRefreshLeague, Qt::LeftButton);
        EXPECT_EQ(logLines().back(), QStringLiteral("League details retrieved."));
        EXPECT_TRUE(prompts.messages.isEmpty());
        const auto calls = fake.calls().mid(before);
        ASSERT_FALSE(calls.isEmpty());
        EXPECT_EQ(calls.back().operation, QStringLiteral("GetWebLeague3"));
        EXPECT_EQ(calls.back().arguments.value(1), c.inForce);
        if (calls.size() > 1) {
            EXPECT_TRUE(logLines().contains(newInForce));
        }
        for (const char* secret : {"secret", "n3wpass"})
            EXPECT_FALSE(window->rtbInfo->toPlainText().contains(QString::fromLatin1(secret))) << secret;
    }
}

TEST_F(frmWebResultsManagerTest, ARefusedLoginIsLoggedAndFailuresAreShownWithTheWindowUsableAgain)
{
    WriteSetting(ShowWebTrialKey, 1);
    open();
    login(QStringLiteral("wrong"));
    EXPECT_EQ(logLines().back(), QStringLiteral("Invalid login or password."));
    EXPECT_TRUE(window->imgError->isVisible());
    EXPECT_FALSE(window->imgOK->isVisible());
    EXPECT_TRUE(window->frameLogin->isVisible());
    EXPECT_EQ(ReadSetting(ShowWebTrialKey), QStringLiteral("1"));

    // A test that fails keeps mbSoapConnected false, so the next login tests
    // again; the login typed is kept even so.
    window->mbSoapConnected = false;
    window->transferLimits.timeout = std::chrono::milliseconds(300);
    struct Case {
        FakeResultsService::Script login;
        QString says;
    };
    const Case cases[] = {
        {{Behaviour::Fault, QStringLiteral("Database offline")}, QStringLiteral("Database offline")},
        {{Behaviour::Garbage, {}}, QStringLiteral("not readable XML")},
        {{Behaviour::Close, {}}, QStringLiteral("closed the connection without answering")},
        {{Behaviour::Silent, {}}, QStringLiteral("did not answer")},
        {{Behaviour::Reply, QStringLiteral("0")}, QStringLiteral("cannot be read")},
        {{Behaviour::Reply, QStringLiteral("0|forty-two")}, QStringLiteral("cannot be read")},
    };
    for (const Case& c : cases) {
        fake.script(QStringLiteral("LoginNew"), c.login);
        prompts.messages.clear();
        bool closedWhileBusy = false;
        if (c.login.behaviour == Behaviour::Silent) {
            // Escape and the close box wait for the call to end.
            QTimer::singleShot(50, window.get(), [&] {
                window->reject();
                window->close();
                closedWhileBusy = !window->isVisible();
            });
        }
        login(QStringLiteral("secret"));
        ASSERT_EQ(prompts.messages.size(), 1) << c.says.toStdString();
        EXPECT_TRUE(prompts.messages[0].contains(c.says)) << prompts.messages[0].toStdString();
        EXPECT_FALSE(closedWhileBusy) << c.says.toStdString();
        EXPECT_TRUE(window->isEnabled());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(window->frameLogin->isVisible());
        EXPECT_EQ(window->mlngWebleagueID, 0);
    }
    EXPECT_EQ(connectionTests(), 2);

    fake.clearScripts();
    WriteSetting(ResultsWebSiteKey, QStringLiteral("http://127.0.0.1:1"));
    window->mbSoapConnected = false;
    prompts.messages.clear();
    type(window->txtLogin, QStringLiteral("someone@else.example"));
    QTest::mouseClick(window->cmdLogin, Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith(WebContactErrorText() + QStringLiteral("\n\n")));
    EXPECT_FALSE(window->mbSoapConnected);
    EXPECT_EQ(ReadSetting(UserNameKey), QStringLiteral("someone@else.example"));
}

TEST_F(frmWebResultsManagerTest, AForgottenPasswordIsResetWithTheSecurityAnswer)
{
    open();
    window->optForgotPassword->setChecked(true);
    type(window->txtLoginForSecurityQuestion, QStringLiteral("nobody@example.com"));
    QTest::mouseClick(window->cmdGetSecurityQuestion, Qt::LeftButton);
    EXPECT_EQ(logLines().back(), QStringLiteral("Error:  No account has that login."));
    EXPECT_FALSE(window->frameSecurityQuestion->isVisible());

    type(window->txtLoginForSecurityQuestion, QStringLiteral("director@example.com"));
    QTest::mouseClick(window->cmdGetSecurityQuestion, Qt::LeftButton);
    EXPECT_TRUE(window->frameSecurityQuestion->isVisible());
    EXPECT_EQ(window->lblQuestion->text(), QStringLiteral("Name of your first dog?"));
    EXPECT_FALSE(window->txtLoginForSecurityQuestion->isEnabled());

    for (const QString& answer : {QStringLiteral("Fido"), QStringLiteral("Rex")}) {
        type(window->txtAnswer, answer);
        type(window->txtNewPassword[1], QStringLiteral("fresh"));
        type(window->txtConfirmPassword[1], QStringLiteral("fresh"));
        QTest::mouseClick(window->cmdChange, Qt::LeftButton);
    }
    EXPECT_EQ(logLines().mid(3),
              (QStringList {QStringLiteral("Request password change..."), QStringLiteral("The answer is not correct."),
                            QStringLiteral("Request password change..."),
                            QStringLiteral("Your password has been changed.")}));
    EXPECT_TRUE(window->txtNewPassword[1]->text().isEmpty());
    EXPECT_EQ(fake.account().password, QStringLiteral("fresh"));
    EXPECT_EQ(connectionTests(), 1);
    EXPECT_FALSE(dataFolderBytes().contains("Rex"));
}
