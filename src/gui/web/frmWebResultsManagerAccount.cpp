// The web window's calls to the results service: login, connection test,
// password change and reset, and the links.

#include "gui/web/frmWebResultsManager.h"

#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/store/OpenFileOrLink.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SettingsKeys.h"
#include "core/web/PasswordChange.h"
#include "core/web/WebService.h"
#include "gui/controls/SelectAllText.h"
#include "gui/controls/ctlButton.h"
#include "gui/platform/BusyPointer.h"
#include "gui/web/WebPageWidgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopeGuard>

void frmWebResultsManager::serviceCall(const std::function<void()>& work)
{
    ReportFailures([&] {
        BusyPointer busy;
        webpage::ScreenDisabled<frmWebResultsManager> disabled(*this);
        try {
            work();
        } catch (const std::exception& e) {
            // The log's last line ends with why the call stopped, as it does
            // when the service refuses; the message box follows.
            ShowMessage(QString::fromUtf8(e.what()), true);
            throw;
        }
    });
}

bool frmWebResultsManager::testConnection()
{
    return TestWebConnection(mobjSoapClient, mbSoapConnected, *this, transferLimits);
}

bool frmWebResultsManager::refused(const QString& reply, SuccessRule rule)
{
    if (ReplySucceeded(reply, rule))
        return false;
    ShowMessage(StripResultCode(reply), true);
    passwordAfterRefusal();
    return true;
}

bool frmWebResultsManager::logReply(const QString& reply)
{
    const bool ok = ReplySucceeded(reply);
    ShowMessage(StripResultCode(reply), !ok);
    if (!ok)
        passwordAfterRefusal();
    return ok;
}

WebAccount frmWebResultsManager::account()
{
    if (AskBeforeCall(mPendingPassword))
        settlePassword();
    return {mstrUserName, mstrPassword, mlngWebleagueID};
}

void frmWebResultsManager::passwordAfterRefusal()
{
    // A change of password whose answer was lost may have been stored since:
    // the refusal may be the site's answer to the old password.
    if (mPendingPassword)
        settlePassword();
}

void frmWebResultsManager::settlePassword()
{
    ShowMessage(AskingWhichPasswordText(), false);
    const PasswordCheckLine line = CheckPasswordInForce(mstrPassword, mPendingPassword, [this](const QString& p) {
        return ReplySucceeded(WebService::LoginNew(client(), mstrUserName, p));
    });
    ShowMessage(line.text, line.error);
}

SoapClient& frmWebResultsManager::client()
{
    if (!mobjSoapClient)
        throw SoapError(QStringLiteral("The results web site is not connected."));
    return *mobjSoapClient;
}

namespace {

// A message box would open disabled over the disabled window.
template <typename Prompt>
auto usableFor(QWidget& window, Prompt prompt)
{
    const bool wasEnabled = window.isEnabled();
    window.setEnabled(true);
    const auto restore = qScopeGuard([&] { window.setEnabled(wasEnabled); });
    return prompt();
}

} // namespace

void frmWebResultsManager::messageWhileBusy(const QString& text)
{
    usableFor(*this, [&] { prompter().message(text); });
}

void frmWebResultsManager::failedWhileBusy(const QString& reason)
{
    // The log keeps why the step stopped once the message box is closed.
    ShowMessage(reason, true);
    messageWhileBusy(reason);
}

bool frmWebResultsManager::askWhileBusy(const QString& text)
{
    return usableFor(*this, [&] { return prompter().askYesNoDefaultNo(text); }) == Prompter::Answer::Yes;
}

QString frmWebResultsManager::homePageAddress() const
{
    const std::optional<QUrl> site = ResultsSiteAddress(ReadSetting(ResultsWebSiteKey));
    return site ? LeagueHomePageAddress(*site, mlngWebleagueID) : QString();
}

void frmWebResultsManager::SaveProxy()
{
    programSettings().gintUseProxy = chkProxy->isChecked() ? 1 : 0;
    WriteSetting(UseProxyKey, programSettings().gintUseProxy);
    WriteSetting(UserNameKey, txtLogin->text());
}

void frmWebResultsManager::chkProxy_Click() { SaveProxy(); }

void frmWebResultsManager::cmdTrial_Click() { optRenew->setChecked(true); }

void frmWebResultsManager::btnGoToLogin_Click() { optLogin->setChecked(true); }

void frmWebResultsManager::btnActivate_Click()
{
    ReportFailures([] {
        const std::optional<QUrl> site = ResultsSiteAddress(ReadSetting(ResultsWebSiteKey));
        if (site)
            OpenFileOrLink(SignUpPageAddress(*site));
        else
            OpenWebSite(QString());
    });
}

void frmWebResultsManager::btnWeb_Click() { OpenFileOrLink(btnWeb->Caption()); }

void frmWebResultsManager::cmdLogin_Click()
{
    SaveProxy();
    bool completed = false;
    serviceCall([&] {
        if (!testConnection())
            return;
        ShowMessage(QStringLiteral("Verifying user information..."), false);
        const QString reply = WebService::LoginNew(*mobjSoapClient, txtLogin->text(), txtPassword->text());
        if (refused(reply))
            return;
        const Long league = ReadWebNumber(StripResultCode(reply));
        ShowMessage(QStringLiteral("Login/password verified."), false);
        mlngWebleagueID = league;
        mstrUserName = txtLogin->text();
        mstrPassword = txtPassword->text();
        WriteSetting(ShowWebTrialKey, 0);
        completed = LoginSuccessful();
    });
    // Emptied once the window has moved on to the account's pages; a login
    // that stops before, even after the password was verified, keeps it.
    if (completed)
        txtPassword->clear();
}

void frmWebResultsManager::cmdTest_Click()
{
    serviceCall([&] {
        if (!testConnection())
            return;
        logReply(WebService::TestConnection(*mobjSoapClient));
    });
}

bool frmWebResultsManager::newPasswordAccepted(int Index)
{
    if (txtNewPassword[Index]->text().size() < 4) {
        prompter().message(QStringLiteral("Password must be at least 4 characters long."));
        FocusRefused(txtNewPassword[Index]);
        return false;
    }
    if (txtConfirmPassword[Index]->text() != txtNewPassword[Index]->text()) {
        prompter().message(QStringLiteral("Password confirmation does not match, please correct and try again."));
        FocusRefused(txtConfirmPassword[Index]);
        return false;
    }
    return true;
}

void frmWebResultsManager::cmdChangePassword_Click()
{
    if (!newPasswordAccepted(0))
        return;
    serviceCall([&] {
        ShowMessage(QStringLiteral("Attempting to change password..."), false);
        const QString newPassword = txtNewPassword[0]->text();
        const WebAccount sent = account();
        QString reply;
        try {
            reply = WebService::ChangePassword(client(), sent, newPassword);
        } catch (const SoapError& e) {
            if (!e.mayHaveArrived())
                throw;
            // The service knows the account by one of the two now, or may
            // later: the next call asks which first, and so does a refusal
            // until the new one is found in force.
            ShowMessage(e.text(), true);
            mPendingPassword = UncertainPasswordChange {newPassword};
            settlePassword();
            return;
        }
        // The service now knows the account by the new password only; an
        // earlier change that was lost can no longer arrive, as it was sent
        // with a password no longer in force.
        if (logReply(reply)) {
            mstrPassword = newPassword;
            mPendingPassword.reset();
        }
    });
    txtNewPassword[0]->clear();
    txtConfirmPassword[0]->clear();
}

void frmWebResultsManager::cmdGetSecurityQuestion_Click()
{
    frameSecurityQuestion->hide();
    bool received = false;
    serviceCall([&] {
        if (!testConnection())
            return;
        const QString reply = WebService::GetSecurityQuestion(*mobjSoapClient, txtLoginForSecurityQuestion->text());
        if (ReplySucceeded(reply)) {
            lblQuestion->setText(StripResultCode(reply));
            received = true;
        } else {
            ShowMessage(QStringLiteral("Error:  ") + StripResultCode(reply), true);
        }
    });
    if (received) {
        frameSecurityQuestion->show();
        txtLoginForSecurityQuestion->setEnabled(false);
        txtAnswer->setFocus();
    }
}

void frmWebResultsManager::cmdChange_Click()
{
    if (!newPasswordAccepted(1))
        return;
    bool changed = false;
    serviceCall([&] {
        if (!testConnection())
            return;
        ShowMessage(QStringLiteral("Request password change..."), false);
        changed = logReply(WebService::ChangePasswordBySecurityAnswer(
            *mobjSoapClient, txtLoginForSecurityQuestion->text(), txtAnswer->text(), txtNewPassword[1]->text()));
    });
    if (changed) {
        txtConfirmPassword[1]->clear();
        txtNewPassword[1]->clear();
    }
}
