#include "gui/web/frmWebResultsManager.h"

#include "gui/web/WebPageWidgets.h"

#include "core/platform/SoapClient.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SettingsKeys.h"
#include "gui/controls/ctlButton.h"
#include "gui/platform/BusyPointer.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

using namespace webpage;

namespace {

const QString InfoText = QStringLiteral(
    "Web Results Posting is a free, optional service of Zorvane that enables you to post tournament results to your "
    "own home page at the Zorvane website so that all players in your league/tournament can view results at any "
    "time.  You can automatically email all the participants in a tournament to let them know that tournament "
    "results are available.  You can even add a custom message to your league home page to advertise to players or "
    "let people know about the next tournament.  Only the players screen name is displayed, so NO personal "
    "information - like email address - is ever displayed on the web using this service.\n\nSetup only takes a "
    "minute or two.  Follow the link below to get started...\n\n\nNote:  Internet access is not required when "
    "setting up and running tournaments, but it is required when you are ready to post results.\n");

} // namespace

frmWebResultsManager::frmWebResultsManager(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmWebResultsManager"));
    setWindowTitle(QStringLiteral("Web Results Posting Manager"));

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 8);
    txtHeader = textBox(this, QStringLiteral("txtHeader"));
    txtHeader->setText(QStringLiteral("Web Results Posting Manager"));
    txtHeader->setReadOnly(true);
    txtHeader->setFocusPolicy(Qt::NoFocus);
    txtHeader->setFrame(false);
    txtHeader->setAlignment(Qt::AlignCenter);
    txtHeader->setStyleSheet(QStringLiteral("background: #1f4e79; color: white; padding: 8px;"));
    QFont headerFont(QStringLiteral("Arial"), 16, QFont::Bold);
    txtHeader->setFont(headerFont);
    root->addWidget(txtHeader);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(12, 4, 12, 0);
    root->addLayout(body, 1);
    auto* options = new QVBoxLayout;
    body->addLayout(options);
    frameLoginButtons = page(this, QStringLiteral("frameLoginButtons"));
    optRenew = option(frameLoginButtons, QStringLiteral("optRenew"), QStringLiteral("Activate Account"));
    optForgotPassword
        = option(frameLoginButtons, QStringLiteral("optForgotPassword"), QStringLiteral("Forgot Password"));
    optLogin = option(frameLoginButtons, QStringLiteral("optLogin"), QStringLiteral("Login"));
    frameButtons = page(this, QStringLiteral("frameButtons"));
    optHomePage = option(frameButtons, QStringLiteral("optHomePage"), QStringLiteral("View Home Page"));
    optPost = option(frameButtons, QStringLiteral("optPost"), QStringLiteral("Post Results"));
    optMessage = option(frameButtons, QStringLiteral("optMessage"), QStringLiteral("League Message && Details"));
    optChangePassword = option(frameButtons, QStringLiteral("optChangePassword"), QStringLiteral("Change Password"));
    optEmail = option(frameButtons, QStringLiteral("optEmail"), QStringLiteral("Email Players"));
    frameButtons->hide();
    options->addWidget(frameLoginButtons);
    options->addWidget(frameButtons);
    options->addStretch(1);

    auto* pages = new QWidget(this);
    new QVBoxLayout(pages);
    pages->layout()->setContentsMargins(0, 0, 0, 0);
    body->addWidget(pages, 1);
    buildLoginPages(pages);
    buildAccountPages(pages);
    static_cast<QVBoxLayout*>(pages->layout())->addStretch(1);

    auto* status = new QHBoxLayout;
    status->setContentsMargins(12, 0, 12, 0);
    lblStatus = label(this, QStringLiteral("lblStatus"), QStringLiteral("Status"));
    imgOK = named(new QLabel(this), QStringLiteral("imgOK"));
    imgOK->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(20, 20));
    imgError = named(new QLabel(this), QStringLiteral("imgError"));
    imgError->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(20, 20));
    imgOK->hide();
    imgError->hide();
    status->addWidget(lblStatus);
    status->addWidget(imgOK);
    status->addWidget(imgError);
    status->addStretch(1);
    root->addLayout(status);
    rtbInfo = named(new QTextEdit(this), QStringLiteral("rtbInfo"));
    rtbInfo->setReadOnly(true);
    rtbInfo->setAcceptRichText(false);
    rtbInfo->setFixedHeight(120);
    auto* log = new QHBoxLayout;
    log->setContentsMargins(12, 0, 12, 0);
    log->addWidget(rtbInfo);
    root->addLayout(log);
    cmdClose = CommandButton(this, QStringLiteral("cmdClose"), QStringLiteral("Close"));
    auto* close = new QHBoxLayout;
    close->setContentsMargins(12, 0, 12, 0);
    close->addStretch(1);
    close->addWidget(cmdClose);
    root->addLayout(close);

    for (QWidget* box : {static_cast<QWidget*>(txtPassword), static_cast<QWidget*>(txtLoginForSecurityQuestion),
                         static_cast<QWidget*>(txtConfirmPassword[0]), static_cast<QWidget*>(txtConfirmPassword[1]),
                         static_cast<QWidget*>(txtLeagueMessage)})
        box->installEventFilter(this);
    connectHandlers();
    resize(820, 520);
    Form_Load();
}

frmWebResultsManager::~frmWebResultsManager() = default;

void frmWebResultsManager::buildLoginPages(QWidget* pages)
{
    frameRenew = page(pages, QStringLiteral("frameRenew"));
    lblInfo = label(frameRenew, QStringLiteral("lblInfo"), QString());
    btnActivate = captionButton(frameRenew, QStringLiteral("btnActivate"), QStringLiteral("I'd Like to Get Started!"));
    btnGoToLogin = captionButton(frameRenew, QStringLiteral("btnGoToLogin"),
                                 QStringLiteral("I have Signed Up, Take Me to the Login Page"));
    column(frameRenew)->addWidget(lblInfo);
    column(frameRenew)->addWidget(btnActivate, 0, Qt::AlignHCenter);
    column(frameRenew)->addWidget(btnGoToLogin, 0, Qt::AlignHCenter);

    frameForgotPassword = page(pages, QStringLiteral("frameForgotPassword"));
    column(frameForgotPassword)
        ->addWidget(label(frameForgotPassword, QStringLiteral("lblForgotPassword"),
                          QStringLiteral("Please provide your login (email address) to get your security question.")));
    auto* loginForm = new QFormLayout;
    txtLoginForSecurityQuestion = textBox(frameForgotPassword, QStringLiteral("txtLoginForSecurityQuestion"));
    loginForm->addRow(QStringLiteral("Email Address"), txtLoginForSecurityQuestion);
    column(frameForgotPassword)->addLayout(loginForm);
    cmdGetSecurityQuestion = CommandButton(frameForgotPassword, QStringLiteral("cmdGetSecurityQuestion"),
                                           QStringLiteral("Get Security Question"));
    column(frameForgotPassword)->addWidget(cmdGetSecurityQuestion, 0, Qt::AlignLeft);
    frameSecurityQuestion = page(frameForgotPassword, QStringLiteral("frameSecurityQuestion"));
    lblQuestion = label(frameSecurityQuestion, QStringLiteral("lblQuestion"), QString());
    column(frameSecurityQuestion)->addWidget(lblQuestion);
    column(frameSecurityQuestion)
        ->addWidget(label(frameSecurityQuestion, QStringLiteral("lblAnswerInfo"),
                          QStringLiteral("If you answer the security question correctly, you will be able to reset "
                                         "your password.")));
    auto* answerForm = new QFormLayout;
    // The answer shows while it is typed and is masked afterwards.
    txtAnswer = textBox(frameSecurityQuestion, QStringLiteral("txtAnswer"), QLineEdit::PasswordEchoOnEdit);
    txtNewPassword[1] = textBox(frameSecurityQuestion, QStringLiteral("txtNewPassword(1)"), QLineEdit::Password);
    txtConfirmPassword[1]
        = textBox(frameSecurityQuestion, QStringLiteral("txtConfirmPassword(1)"), QLineEdit::Password);
    answerForm->addRow(QStringLiteral("Answer"), txtAnswer);
    answerForm->addRow(QStringLiteral("New Password"), txtNewPassword[1]);
    answerForm->addRow(QStringLiteral("Confirm New Password"), txtConfirmPassword[1]);
    column(frameSecurityQuestion)->addLayout(answerForm);
    cmdChange = CommandButton(frameSecurityQuestion, QStringLiteral("cmdChange"), QStringLiteral("Change My Password"));
    column(frameSecurityQuestion)->addWidget(cmdChange, 0, Qt::AlignLeft);
    column(frameForgotPassword)->addWidget(frameSecurityQuestion);
    frameSecurityQuestion->hide();

    frameLogin = page(pages, QStringLiteral("frameLogin"));
    column(frameLogin)
        ->addWidget(label(frameLogin, QStringLiteral("lblLoginInfo"),
                          QStringLiteral("To login you must have access to the internet.  Press Test "
                                         "Connection if you are unsure if you are connected.")));
    auto* form = new QFormLayout;
    txtLogin = textBox(frameLogin, QStringLiteral("txtLogin"));
    txtPassword = textBox(frameLogin, QStringLiteral("txtPassword"), QLineEdit::Password);
    form->addRow(QStringLiteral("Email Address"), txtLogin);
    form->addRow(QStringLiteral("Password"), txtPassword);
    column(frameLogin)->addLayout(form);
    chkProxy = named(new QCheckBox(QStringLiteral("My Connection Uses a Proxy Server"), frameLogin),
                     QStringLiteral("chkProxy"));
    column(frameLogin)->addWidget(chkProxy);
    auto* buttons = new QHBoxLayout;
    cmdLogin = CommandButton(frameLogin, QStringLiteral("cmdLogin"), QStringLiteral("Login"));
    cmdTest = CommandButton(frameLogin, QStringLiteral("cmdTest"), QStringLiteral("Test Connection"));
    cmdTrial = CommandButton(frameLogin, QStringLiteral("cmdTrial"), QStringLiteral("Need a login?"));
    buttons->addWidget(cmdLogin);
    buttons->addWidget(cmdTest);
    buttons->addStretch(1);
    buttons->addWidget(cmdTrial);
    column(frameLogin)->addLayout(buttons);

    for (QFrame* f : {frameRenew, frameForgotPassword, frameLogin}) {
        pages->layout()->addWidget(f);
        f->hide();
    }
}

void frmWebResultsManager::buildAccountPages(QWidget* pages)
{
    frameHomePage = page(pages, QStringLiteral("frameHomePage"));
    column(frameHomePage)
        ->addWidget(label(frameHomePage, QStringLiteral("lblHomePage"), QStringLiteral("Go to League Home Page")));
    btnWeb = captionButton(frameHomePage, QStringLiteral("btnWeb"), QString());
    column(frameHomePage)->addWidget(btnWeb);

    framePassword = page(pages, QStringLiteral("framePassword"));
    auto* form = new QFormLayout;
    txtNewPassword[0] = textBox(framePassword, QStringLiteral("txtNewPassword(0)"), QLineEdit::Password);
    txtConfirmPassword[0] = textBox(framePassword, QStringLiteral("txtConfirmPassword(0)"), QLineEdit::Password);
    form->addRow(QStringLiteral("New Password"), txtNewPassword[0]);
    form->addRow(QStringLiteral("Confirm New Password"), txtConfirmPassword[0]);
    column(framePassword)->addLayout(form);
    cmdChangePassword
        = CommandButton(framePassword, QStringLiteral("cmdChangePassword"), QStringLiteral("Change Password"));
    column(framePassword)->addWidget(cmdChangePassword, 0, Qt::AlignLeft);

    for (QFrame* f : {frameHomePage, framePassword}) {
        pages->layout()->addWidget(f);
        f->hide();
    }
    buildPostPage(pages);
    buildMessagePage(pages);
    buildEmailPage(pages);
}

void frmWebResultsManager::connectHandlers()
{
    auto onSelect = [this](QRadioButton* o, void (frmWebResultsManager::*handler)()) { onSelected(o, this, handler); };
    onSelect(optRenew, &frmWebResultsManager::optRenew_Click);
    onSelect(optForgotPassword, &frmWebResultsManager::optForgotPassword_Click);
    onSelect(optLogin, &frmWebResultsManager::optLogin_Click);
    onSelect(optHomePage, &frmWebResultsManager::optHomePage_Click);
    onSelect(optPost, &frmWebResultsManager::optPost_Click);
    onSelect(optMessage, &frmWebResultsManager::optMessage_Click);
    onSelect(optChangePassword, &frmWebResultsManager::optChangePassword_Click);
    onSelect(optEmail, &frmWebResultsManager::optEmail_Click);
    connect(btnActivate, &ctlButton::Click, this, &frmWebResultsManager::btnActivate_Click);
    connect(btnGoToLogin, &ctlButton::Click, this, &frmWebResultsManager::btnGoToLogin_Click);
    connect(btnWeb, &ctlButton::Click, this, &frmWebResultsManager::btnWeb_Click);
    connect(cmdTrial, &QPushButton::clicked, this, &frmWebResultsManager::cmdTrial_Click);
    connect(chkProxy, &QCheckBox::clicked, this, &frmWebResultsManager::chkProxy_Click);
    connect(cmdLogin, &QPushButton::clicked, this, &frmWebResultsManager::cmdLogin_Click);
    connect(cmdTest, &QPushButton::clicked, this, &frmWebResultsManager::cmdTest_Click);
    connect(cmdChangePassword, &QPushButton::clicked, this, &frmWebResultsManager::cmdChangePassword_Click);
    connect(cmdGetSecurityQuestion, &QPushButton::clicked, this, &frmWebResultsManager::cmdGetSecurityQuestion_Click);
    connect(cmdChange, &QPushButton::clicked, this, &frmWebResultsManager::cmdChange_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmWebResultsManager::cmdClose_Click);
    connectPostHandlers();
    connectEmailHandlers();
}

void frmWebResultsManager::Form_Load()
{
    optCopyOnly->setChecked(true);
    txtLogin->setText(ReadSetting(UserNameKey));
    txtFrom->setText(ReadSetting(ReplyAddressKey));
    txtSubject->setText(ReadSetting(SubjectKey));
    chkProxy->setChecked(programSettings().gintUseProxy == 1);
    lblInfo->setText(InfoText);
}

void frmWebResultsManager::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // Run once the window is up, not from the activation event, which some
    // desktops never send.
    if (!mbActivated)
        QTimer::singleShot(0, this, &frmWebResultsManager::Form_Activate);
}

bool frmWebResultsManager::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && mbActivated && !mbBusy)
        ShowDefaultPointer();
    return QDialog::event(e);
}

void frmWebResultsManager::Form_Activate()
{
    if (!mbBusy)
        ShowDefaultPointer();
    if (mbActivated)
        return;
    mbActivated = true;
    if (ReadLongSetting(ShowWebTrialKey) == 1)
        optRenew->setChecked(true);
    else
        optLogin->setChecked(true);
}

bool frmWebResultsManager::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::FocusIn) {
        QPushButton* button = nullptr;
        if (watched == txtPassword)
            button = cmdLogin;
        else if (watched == txtLoginForSecurityQuestion)
            button = cmdGetSecurityQuestion;
        else if (watched == txtConfirmPassword[1])
            button = cmdChange;
        else if (watched == txtConfirmPassword[0])
            button = cmdChangePassword;
        else if (watched == txtLeagueMessage)
            button = cmdUpdateLeagueMessage;
        if (button) {
            for (QPushButton* b : findChildren<QPushButton*>())
                b->setDefault(b == button);
        }
    }
    return QDialog::eventFilter(watched, e);
}

void frmWebResultsManager::HideFrames()
{
    for (QFrame* f : {framePassword, framePost, frameMessage, frameEmail, frameHomePage})
        f->hide();
}

void frmWebResultsManager::fitPage()
{
    // The pages differ in height; a page shown in a window sized for a
    // smaller one would be squeezed below its natural size.
    layout()->activate();
    QSize natural = sizeHint();
    if (screen())
        natural = natural.boundedTo(screen()->availableGeometry().size());
    if (natural.width() > width() || natural.height() > height())
        resize(size().expandedTo(natural));
}

void frmWebResultsManager::HideLoginFrames()
{
    for (QFrame* f : {frameLogin, frameForgotPassword, frameRenew})
        f->hide();
}

void frmWebResultsManager::optRenew_Click()
{
    HideLoginFrames();
    frameRenew->show();
}

void frmWebResultsManager::optForgotPassword_Click()
{
    HideLoginFrames();
    frameForgotPassword->show();
    txtLoginForSecurityQuestion->setFocus();
}

void frmWebResultsManager::optLogin_Click()
{
    HideLoginFrames();
    frameLogin->show();
    if (txtLogin->text().isEmpty())
        txtLogin->setFocus();
    else
        txtPassword->setFocus();
}

void frmWebResultsManager::optHomePage_Click()
{
    HideFrames();
    frameHomePage->show();
    fitPage();
}

void frmWebResultsManager::optPost_Click()
{
    HideFrames();
    framePost->show();
    fitPage();
}

void frmWebResultsManager::optMessage_Click()
{
    HideFrames();
    frameMessage->show();
    txtLeagueMessage->setFocus();
    fitPage();
}

void frmWebResultsManager::optChangePassword_Click()
{
    HideFrames();
    framePassword->show();
    txtNewPassword[0]->setFocus();
    fitPage();
}

void frmWebResultsManager::optEmail_Click()
{
    HideFrames();
    frameEmail->show();
    if (cmbTournament->isVisible())
        cmbTournament->setFocus();
    fitPage();
}

void frmWebResultsManager::ShowMessage(const QString& strMessage, bool bError)
{
    QTextCursor end = rtbInfo->textCursor();
    end.movePosition(QTextCursor::End);
    end.insertText(strMessage + QLatin1Char('\n'));
    rtbInfo->setTextCursor(end);
    rtbInfo->ensureCursorVisible();
    imgError->setVisible(bError);
    imgOK->setVisible(!bError);
}

void frmWebResultsManager::DisableScreen()
{
    mbBusy = true;
    mFocusBeforeCall = focusWidget();
    setEnabled(false);
}

void frmWebResultsManager::EnableScreen()
{
    setEnabled(true);
    mbBusy = false;
    // A disabled window loses its focus; the box typed in gets it back.
    if (mFocusBeforeCall && mFocusBeforeCall->isVisible() && mFocusBeforeCall->isEnabled())
        mFocusBeforeCall->setFocus();
}

void frmWebResultsManager::cmdClose_Click()
{
    if (!mbBusy)
        done(QDialog::Accepted);
}

void frmWebResultsManager::reject()
{
    // Escape waits for a call to the service to end.
    if (!mbBusy)
        QDialog::reject();
}

void frmWebResultsManager::closeEvent(QCloseEvent* e)
{
    if (mbBusy)
        e->ignore();
    else
        QDialog::closeEvent(e);
}
