#pragma once

#include "core/platform/ModelTypes.h"
#include "core/web/PasswordChange.h"
#include "core/web/TestWebConnection.h"
#include "core/web/WebEmail.h"
#include "core/web/WebPosting.h"

#include <QDialog>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTextEdit;
class SoapClient;
class ctlButton;

// "Web Results Posting Manager": signs in to the director's free account at
// the results web site, and from there the league home page, the account's
// password, posting and removing tournaments, the league details and
// e-mailing the players. A new window
// for each opening, shown modally, so each opening starts logged out.
class frmWebResultsManager : public QDialog, public WebLog {
    Q_OBJECT
public:
    explicit frmWebResultsManager(QWidget* parent = nullptr);
    ~frmWebResultsManager() override;

    Long mlngWebleagueID = 0;
    QString mstrUserName;
    QString mstrPassword; // in memory only
    bool mbSoapConnected = false;
    Long mlngLocalLeagueId = 0;

    // How long a call waits for the service's answer and how large the
    // answer may be; tests lower them.
    SoapLimits transferLimits;

    QLineEdit* txtHeader;
    QLabel* lblStatus;
    QTextEdit* rtbInfo;
    QLabel* imgOK;
    QLabel* imgError;
    QPushButton* cmdClose;

    // Before login
    QFrame* frameLoginButtons;
    QRadioButton* optRenew;
    QRadioButton* optForgotPassword;
    QRadioButton* optLogin;
    QFrame* frameRenew;
    QLabel* lblInfo;
    ctlButton* btnActivate;
    ctlButton* btnGoToLogin;
    QFrame* frameForgotPassword;
    QLineEdit* txtLoginForSecurityQuestion;
    QPushButton* cmdGetSecurityQuestion;
    QFrame* frameSecurityQuestion;
    QLabel* lblQuestion;
    QLineEdit* txtAnswer;
    QPushButton* cmdChange;
    QFrame* frameLogin;
    QLineEdit* txtLogin;
    QLineEdit* txtPassword;
    QCheckBox* chkProxy;
    QPushButton* cmdLogin;
    QPushButton* cmdTest;
    QPushButton* cmdTrial;

    // After login
    QFrame* frameButtons;
    QRadioButton* optHomePage;
    QRadioButton* optPost;
    QRadioButton* optMessage;
    QRadioButton* optChangePassword;
    QRadioButton* optEmail;
    QFrame* frameHomePage;
    ctlButton* btnWeb;
    QFrame* framePassword;
    QPushButton* cmdChangePassword;

    // Posting
    QFrame* framePost;
    QLabel* lblWebLeagueName;
    QListWidget* lstTournamentsNotPosted;
    QListWidget* lstTournamentsPosted;
    QPushButton* cmdPost;
    QPushButton* cmdRemove;

    // League details
    QFrame* frameMessage;
    QLineEdit* txtLeagueName;
    QCheckBox* chkDisplayManagerName;
    QCheckBox* chkDisplayManagerEmail;
    QLineEdit* txtCity;
    QLineEdit* txtState;
    QLineEdit* txtCountry;
    QTextEdit* txtLeagueMessage;
    QLineEdit* txtViewerPassword; // shared with the players, so shown
    QLineEdit* txtFirstName;
    QLineEdit* txtLastName;
    QPushButton* cmdUpdateLeagueMessage;
    QPushButton* cmdRefreshLeague;

    // E-mail
    QFrame* frameEmail;
    QRadioButton* optEmailTourney;
    QRadioButton* optEmailLeague;
    QComboBox* cmbTournament;
    QListWidget* lstPlayers;
    QListWidget* lstPlayerEmails; // the address as stored in Qt::UserRole
    QRadioButton* optCopyOnly;
    QRadioButton* optEmailIndividual;
    QRadioButton* optEmailGroup;
    QLabel* lblTo;
    QLineEdit* txtTo;
    QLabel* lblReturnAddress;
    QLineEdit* txtFrom;
    QLabel* lblSubject;
    QLineEdit* txtSubject;
    QTextEdit* rtbBody;
    QPushButton* cmdEditPlayer;
    QPushButton* cmdEmail;

    // Element 0 on the change-password page, 1 on the forgotten-password page.
    std::array<QLineEdit*, 2> txtNewPassword {};
    std::array<QLineEdit*, 2> txtConfirmPassword {};

    void HideFrames();
    void HideLoginFrames();
    void CheckRemoveTournaments();
    // Fills the league details and the tournament lists and moves on to the
    // account's pages; false when the service refused the posted list and
    // the login page stays.
    bool LoginSuccessful();
    void SaveProxy();
    void ShowMessage(const QString& strMessage, bool bError) override;
    // Fills the league boxes from the service. A record that cannot be read
    // is refused; at login it is only reported, the boxes stay as they are
    // and the login goes on, so the director can still put the record right
    // with Save League Details.
    void LoadLeagueDetails(bool atLogin);
    void DisableScreen();
    void EnableScreen();
    void LoadTournamentListForEmail(QComboBox* combo, Long lngLeagueID, bool bSortbyDateDesc);
    void ShowHideEmailCopy(bool bCopyOnly);
    void LoadEmailAddresses();

    void Form_Load();
    void Form_Activate();

    void optRenew_Click();
    void optForgotPassword_Click();
    void optLogin_Click();
    void optHomePage_Click();
    void optPost_Click();
    void optMessage_Click();
    void optChangePassword_Click();
    void optEmail_Click();
    void btnActivate_Click();
    void btnGoToLogin_Click();
    void btnWeb_Click();
    void cmdTrial_Click();
    void chkProxy_Click();
    void cmdLogin_Click();
    void cmdTest_Click();
    void cmdChangePassword_Click();
    void cmdGetSecurityQuestion_Click();
    void cmdChange_Click();
    void cmdClose_Click();
    void cmdPost_Click();
    void cmdRemove_Click();
    void cmdUpdateLeagueMessage_Click();
    void cmdRefreshLeague_Click();
    void cmbTournament_Click();
    void optEmailTourney_Click();
    void optEmailLeague_Click();
    void optCopyOnly_Click();
    void optEmailIndividual_Click();
    void optEmailGroup_Click();
    void cmdEditPlayer_Click();
    void cmdEmail_Click();

    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildLoginPages(QWidget* pages);
    void buildAccountPages(QWidget* pages);
    void buildPostPage(QWidget* pages);
    void buildMessagePage(QWidget* pages);
    void buildEmailPage(QWidget* pages);
    void connectHandlers();
    void fitPage();
    void connectPostHandlers();
    void connectEmailHandlers();
    // Runs a call to the service: busy pointer and window disabled for
    // its length; any failure shown once the window is usable again.
    void serviceCall(const std::function<void()>& work);
    bool testConnection();
    // True when the service refused: its answer goes to the log as an error.
    bool refused(const QString& reply, SuccessRule rule = SuccessRule::CodeZero);
    // The service's answer to the log, as an error when it refused; true
    // when it succeeded.
    bool logReply(const QString& reply);
    // The two checks of a new password; false (with the message and the
    // focus on the box to mend) when it is not to be sent.
    bool newPasswordAccepted(int Index);
    QString homePageAddress() const;
    // What the account calls send. After a change of password whose answer
    // was lost it first asks the service which password is in force.
    WebAccount account();
    // Takes the password the service takes, old or new, and says which;
    // throws SoapError when it cannot tell.
    void settlePassword();
    // After a refused call, while a change of password is uncertain: asks
    // again which password the service takes.
    void passwordAfterRefusal();
    SoapClient& client();
    // A message or a question (No the default) in the middle of a walk over
    // the lists: the window is usable for it and then disabled again.
    void messageWhileBusy(const QString& text);
    bool askWhileBusy(const QString& text);
    // A step of such a walk stopped: why, as an error line of the log and
    // in a message.
    void failedWhileBusy(const QString& reason);
    WalkStep PostTournament(int Index);
    WalkStep RemoveTournament(int Index);
    // After a removal that was refused or whose answer was lost: whether
    // the service's list of posted tournaments no longer holds it. False,
    // and why, when it does or cannot be read.
    bool goneFromHomePage(const QString& name, Long webNumber, RemovalDoubt doubt);
    void makeLastComboEntryCurrent();
    // The names on the home page, as the posted list shows them.
    QStringList postedNames() const;
    void addRecipients(const QList<EmailRecipient>& recipients);
    void clearRecipients();
    // No tournament to write about: no recipients, To, subject or body.
    void clearTournamentEmail();
    QList<bool> tickedPlayers() const;
    // One e-mail to each of these players (their places in the lists) at
    // their addresses, through `send`, which logs the answer and is true
    // when the service sent it. A failure stops the walk; either way the
    // window says who was not mailed and keeps only them ticked. False when
    // it stopped.
    bool sendOneEachTo(const QList<int>& players, const QStringList& addresses,
                       const std::function<bool(const QString&)>& send);
    QStringList storedAddresses() const;

    // The local tournaments whose posting may have arrived although its
    // answer was lost: not listed as posted, but not sent again unasked.
    QList<Long> mMaybePosted;
    // A change of password whose answer was lost: in force or not, or in
    // force later, until the service is found to take it.
    std::optional<UncertainPasswordChange> mPendingPassword;
    std::unique_ptr<SoapClient> mobjSoapClient;
    bool mbActivated = false;
    bool mbBusy = false;
    QPointer<QWidget> mFocusBeforeCall;
};
