// The web window after login: what it fills at login, posting tournaments
// to the league home page and removing them, and the league details.

#include "core/platform/Database.h"
#include "core/platform/SoapDescription.h"
#include "gui/controls/ListFillers.h"
#include "gui/platform/BusyPointer.h"
#include "gui/web/WebPageWidgets.h"
#include "gui/web/frmWebResultsManager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTextEdit>
#include <algorithm>

using namespace webpage;

namespace {

QListWidget* tournamentList(QWidget* parent, const QString& name)
{
    auto* list = named(new QListWidget(parent), name);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setMinimumHeight(160);
    return list;
}

Long itemData(const QListWidgetItem* item) { return item->data(Qt::UserRole).toInt(); }

// On a posted entry: the local tournament it stands for, 0 when none.
constexpr int LocalTournamentRole = Qt::UserRole + 1;

QListWidgetItem* listEntry(const QString& text, Long data)
{
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, data);
    return item;
}

// Runs a call to the service. When its answer is lost after the request
// went out, `mayHaveArrived` runs before the failure goes on.
template <typename Call, typename Note>
QString sentOnce(Call call, Note mayHaveArrived)
{
    try {
        return call();
    } catch (const SoapError& e) {
        if (e.mayHaveArrived())
            mayHaveArrived();
        throw;
    }
}

// Makes the first entry current without selecting it: what is posted or
// removed is what the director picked.
void makeFirstCurrent(QListWidget* list)
{
    if (list->count() > 0)
        list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

} // namespace

void frmWebResultsManager::buildPostPage(QWidget* pages)
{
    framePost = page(pages, QStringLiteral("framePost"));
    lblWebLeagueName = label(framePost, QStringLiteral("lblWebLeagueName"), QString());
    QFont bold = lblWebLeagueName->font();
    bold.setBold(true);
    lblWebLeagueName->setFont(bold);
    column(framePost)->addWidget(lblWebLeagueName);
    auto* grid = new QGridLayout;
    lstTournamentsNotPosted = tournamentList(framePost, QStringLiteral("lstTournamentsNotPosted"));
    lstTournamentsPosted = tournamentList(framePost, QStringLiteral("lstTournamentsPosted"));
    cmdPost = CommandButton(framePost, QStringLiteral("cmdPost"),
                            QStringLiteral("Post Selected Tournaments To League Home Page"));
    cmdRemove = CommandButton(framePost, QStringLiteral("cmdRemove"),
                              QStringLiteral("Delete Selected Tournaments From League Home Page"));
    grid->addWidget(label(framePost, QStringLiteral("lblNotPosted"),
                          QStringLiteral("Available Tournaments to Post on League Home Page")),
                    0, 0);
    grid->addWidget(
        label(framePost, QStringLiteral("lblPosted"), QStringLiteral("Tournaments Posted on League Home Page")), 0, 1);
    grid->addWidget(lstTournamentsNotPosted, 1, 0);
    grid->addWidget(lstTournamentsPosted, 1, 1);
    grid->addWidget(cmdPost, 2, 0);
    grid->addWidget(cmdRemove, 2, 1);
    column(framePost)->addLayout(grid);
    pages->layout()->addWidget(framePost);
    framePost->hide();
}

void frmWebResultsManager::buildMessagePage(QWidget* pages)
{
    frameMessage = page(pages, QStringLiteral("frameMessage"));
    auto* form = new QFormLayout;
    txtLeagueName = textBox(frameMessage, QStringLiteral("txtLeagueName"));
    form->addRow(QStringLiteral("League Name"), txtLeagueName);
    chkDisplayManagerName
        = named(new QCheckBox(QStringLiteral("Display Manager Name on League Home Page"), frameMessage),
                QStringLiteral("chkDisplayManagerName"));
    chkDisplayManagerEmail
        = named(new QCheckBox(QStringLiteral("Display Manager Email on League Home Page"), frameMessage),
                QStringLiteral("chkDisplayManagerEmail"));
    txtFirstName = textBox(frameMessage, QStringLiteral("txtFirstName"));
    txtLastName = textBox(frameMessage, QStringLiteral("txtLastName"));
    txtFirstName->setMinimumWidth(120);
    txtLastName->setMinimumWidth(120);
    auto* manager = new QHBoxLayout;
    manager->addWidget(txtFirstName);
    manager->addWidget(new QLabel(QStringLiteral("Last"), frameMessage));
    manager->addWidget(txtLastName);
    form->addRow(QStringLiteral("Manager First"), manager);
    form->addRow(QString(), chkDisplayManagerName);
    form->addRow(QString(), chkDisplayManagerEmail);
    column(frameMessage)->addLayout(form);

    auto* location
        = named(new QGroupBox(QStringLiteral("League Location"), frameMessage), QStringLiteral("frameLocation"));
    auto* where = new QFormLayout(location);
    txtCity = textBox(location, QStringLiteral("txtCity"));
    txtState = textBox(location, QStringLiteral("txtState"));
    txtCountry = textBox(location, QStringLiteral("txtCountry"));
    where->addRow(QStringLiteral("City/Region"), txtCity);
    where->addRow(QStringLiteral("State"), txtState);
    where->addRow(QStringLiteral("Country"), txtCountry);
    column(frameMessage)->addWidget(location);

    column(frameMessage)
        ->addWidget(label(frameMessage, QStringLiteral("lblLeagueMessage"), QStringLiteral("League Message")));
    column(frameMessage)
        ->addWidget(label(frameMessage, QStringLiteral("lblMessageHint"),
                          QStringLiteral("Enter your league message here to let players know about upcoming "
                                         "tournaments or to advertise:")));
    txtLeagueMessage = named(new QTextEdit(frameMessage), QStringLiteral("txtLeagueMessage"));
    txtLeagueMessage->setAcceptRichText(false);
    txtLeagueMessage->setTabChangesFocus(true);
    txtLeagueMessage->setFixedHeight(70);
    column(frameMessage)->addWidget(txtLeagueMessage);

    auto* security
        = named(new QGroupBox(QStringLiteral("League Security"), frameMessage), QStringLiteral("frameSecurity"));
    auto* guard = new QVBoxLayout(security);
    guard->addWidget(label(security, QStringLiteral("lblPasswordHint"),
                           QStringLiteral("You can optionally require a password to access your league home page "
                                          "online.  If you specify a password, you will have to provide the password "
                                          "to anyone you want to be able to access your league home page.  Leave "
                                          "blank for no password required.")));
    auto* password = new QHBoxLayout;
    txtViewerPassword = textBox(security, QStringLiteral("txtViewerPassword"));
    password->addWidget(new QLabel(QStringLiteral("League Homepage Password"), security));
    password->addWidget(txtViewerPassword, 1);
    guard->addLayout(password);
    column(frameMessage)->addWidget(security);
    auto* buttons = new QHBoxLayout;
    cmdUpdateLeagueMessage
        = CommandButton(frameMessage, QStringLiteral("cmdUpdateLeagueMessage"), QStringLiteral("Save League Details"));
    cmdRefreshLeague
        = CommandButton(frameMessage, QStringLiteral("cmdRefreshLeague"), QStringLiteral("Refresh League Details"));
    buttons->addWidget(cmdUpdateLeagueMessage);
    buttons->addWidget(cmdRefreshLeague);
    buttons->addStretch(1);
    column(frameMessage)->addLayout(buttons);
    pages->layout()->addWidget(frameMessage);
    frameMessage->hide();
}

void frmWebResultsManager::connectPostHandlers()
{
    connect(cmdPost, &QPushButton::clicked, this, &frmWebResultsManager::cmdPost_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmWebResultsManager::cmdRemove_Click);
    connect(cmdUpdateLeagueMessage, &QPushButton::clicked, this, &frmWebResultsManager::cmdUpdateLeagueMessage_Click);
    connect(cmdRefreshLeague, &QPushButton::clicked, this, &frmWebResultsManager::cmdRefreshLeague_Click);
}

bool frmWebResultsManager::LoginSuccessful()
{
    BusyPointer busy;
    btnWeb->setCaption(homePageAddress());
    LoadLeagueDetails(/*atLogin=*/true);
    ShowMessage(QStringLiteral("Getting tournaments posted..."), false);
    const QString reply = WebService::GetWebTournaments(client(), account());
    if (refused(reply))
        return false;
    const QList<WebTournament> posted = ReadTournamentList(reply);
    ShowMessage(QStringLiteral("Tournaments retrieved."), false);
    lstTournamentsPosted->clear();
    for (const WebTournament& t : posted)
        lstTournamentsPosted->addItem(listEntry(t.name, t.number));
    FillTournamentCombo(lstTournamentsNotPosted, mlngLocalLeagueId, true);
    LoadTournamentListForEmail(cmbTournament, mlngLocalLeagueId, true);
    if (cmbTournament->currentIndex() < 0)
        makeLastComboEntryCurrent();
    CheckRemoveTournaments();
    makeFirstCurrent(lstTournamentsNotPosted);

    frameLoginButtons->hide();
    frameLogin->hide();
    frameButtons->show();
    optPost->setChecked(true);
    if (optEmailTourney->isChecked())
        optEmailTourney_Click();
    else
        optEmailTourney->setChecked(true);
    return true;
}

QStringList frmWebResultsManager::postedNames() const
{
    QStringList posted;
    for (int i = 0; i < lstTournamentsPosted->count(); ++i)
        posted << lstTournamentsPosted->item(i)->text();
    return posted;
}

void frmWebResultsManager::CheckRemoveTournaments()
{
    QList<ListItem> local;
    for (int i = 0; i < lstTournamentsNotPosted->count(); ++i)
        local.append({lstTournamentsNotPosted->item(i)->text(), itemData(lstTournamentsNotPosted->item(i))});
    const PostedMatch match = MatchPosted(local, postedNames());
    for (int i = 0; i < lstTournamentsPosted->count(); ++i)
        lstTournamentsPosted->item(i)->setData(LocalTournamentRole, static_cast<int>(match.standsFor.value(i)));
    ListControl(lstTournamentsNotPosted).fill(match.notPosted);
}

void frmWebResultsManager::makeLastComboEntryCurrent()
{
    if (cmbTournament->count() > 0)
        cmbTournament->setCurrentIndex(cmbTournament->count() - 1);
}

void frmWebResultsManager::LoadLeagueDetails(bool atLogin)
{
    ShowMessage(QStringLiteral("Getting league details..."), false);
    const QString reply = WebService::GetWebLeague3(client(), account());
    if (refused(reply))
        return;
    WebLeagueRecord league;
    try {
        league = ReadLeagueRecord(StripResultCode(reply));
    } catch (const SoapError& e) {
        if (!atLogin)
            throw;
        ShowMessage(e.text(), true);
        return;
    }
    ShowMessage(QStringLiteral("League details retrieved."), false);
    lblWebLeagueName->setText(league.leagueName);
    txtLeagueName->setText(league.leagueName);
    chkDisplayManagerName->setChecked(league.showManagerName);
    chkDisplayManagerEmail->setChecked(league.showManagerEmail);
    txtCity->setText(league.city);
    txtState->setText(league.state);
    txtCountry->setText(league.country);
    txtLeagueMessage->setPlainText(league.message);
    txtViewerPassword->setText(league.viewerPassword);
    txtFirstName->setText(league.firstName);
    txtLastName->setText(league.lastName);
}

void frmWebResultsManager::cmdRefreshLeague_Click()
{
    serviceCall([&] { LoadLeagueDetails(/*atLogin=*/false); });
}

void frmWebResultsManager::cmdUpdateLeagueMessage_Click()
{
    serviceCall([&] {
        ShowMessage(QStringLiteral("Updating league details..."), false);
        WebLeagueRecord league;
        league.leagueName = txtLeagueName->text();
        league.showManagerName = chkDisplayManagerName->isChecked();
        league.showManagerEmail = chkDisplayManagerEmail->isChecked();
        league.city = txtCity->text();
        league.state = txtState->text();
        league.country = txtCountry->text();
        league.message = txtLeagueMessage->toPlainText();
        league.viewerPassword = txtViewerPassword->text();
        league.firstName = txtFirstName->text();
        league.lastName = txtLastName->text();
        if (!refused(WebService::UpdateWebLeagueInfo3(client(), account(), league)))
            ShowMessage(QStringLiteral("League details updated."), false);
    });
}

void frmWebResultsManager::cmdPost_Click()
{
    ScreenDisabled<frmWebResultsManager> disabled(*this);
    const SelectedWalk walk
        = WalkSelectedEntries([this] { return lstTournamentsNotPosted->count(); },
                              [this](int i) { return lstTournamentsNotPosted->item(i)->isSelected(); },
                              [this](int i) { return PostTournament(i); });
    const WalkLine line = WalkSummary(walk, QStringLiteral("Selected tournament(s) posted."), QStringLiteral("posted"),
                                      QStringLiteral("with player results missing"));
    ShowMessage(line.text, line.error);
}

WalkStep frmWebResultsManager::PostTournament(int Index)
{
    const QListWidgetItem* entry = lstTournamentsNotPosted->item(Index);
    const QString name = entry->text();
    const Long id = itemData(entry);
    std::optional<Long> webNumber;
    qsizetype uploaded = 0;
    qsizetype total = 0;
    QString mayHaveArrived; // the player whose result's answer was lost
    try {
        WebTournamentUpload upload = ReadTournamentUpload(gobjDatabase(), id);
        if (upload.results.isEmpty()) {
            messageWhileBusy(QStringLiteral("A tournament you selected does not contain any players to upload."));
            return {};
        }
        QList<Long> onThePage = mMaybePosted;
        for (int i = 0; i < lstTournamentsPosted->count(); ++i)
            onThePage << lstTournamentsPosted->item(i)->data(LocalTournamentRole).toInt();
        if (HomePageMayHoldCopy(gobjDatabase(), id, onThePage)
            && !askWhileBusy(SecondCopyQuestion(name, WebDateText(upload.day)))) {
            ShowMessage(name + QStringLiteral(" was not sent."), false);
            return {};
        }
        BusyPointer busy;
        ShowMessage(QStringLiteral("Uploading tournament ") + name + QStringLiteral("..."), false);
        for (const WebPlayerResult& result : upload.results)
            CheckPlayerResult(result);
        const QString reply
            = sentOnce([&] { return WebService::InsertWebTournament(client(), account(), name, id, upload.day); },
                       [&] { mMaybePosted << id; });
        if (refused(reply))
            return {};
        ShowMessage(QStringLiteral("Tournament uploaded."), false);
        webNumber = ReadWebNumber(StripResultCode(reply));
        total = upload.results.size();
        for (WebPlayerResult& result : upload.results) {
            result.webTournament = *webNumber;
            ShowMessage(QStringLiteral("Uploading player result for ") + result.playerName + QStringLiteral("..."),
                        false);
            const QString stored
                = sentOnce([&] { return WebService::InsertWebPlayerResult4(client(), account(), result); },
                           [&] { mayHaveArrived = result.playerName; });
            if (refused(stored, SuccessRule::AnyCodeButOne))
                break;
            ShowMessage(QStringLiteral("Player result uploaded."), false);
            ++uploaded;
        }
    } catch (const std::exception& e) {
        failedWhileBusy(QString::fromUtf8(e.what()));
    }
    if (!webNumber)
        return {};

    // The tournament is on the home page now, whole or not: listed as not
    // posted it would invite a second copy.
    if (uploaded < total)
        ShowMessage(PartialUploadText(int(uploaded), int(total), name, mayHaveArrived), true);
    QListWidgetItem* posted = listEntry(name, *webNumber);
    posted->setData(LocalTournamentRole, static_cast<int>(id));
    lstTournamentsPosted->insertItem(0, posted);
    cmbTournament->addItem(name, id);
    if (cmbTournament->currentIndex() < 0)
        makeLastComboEntryCurrent();
    delete lstTournamentsNotPosted->takeItem(Index);
    makeFirstCurrent(lstTournamentsNotPosted);
    return {true, uploaded == total};
}

void frmWebResultsManager::cmdRemove_Click()
{
    ScreenDisabled<frmWebResultsManager> disabled(*this);
    const SelectedWalk walk = WalkSelectedEntries([this] { return lstTournamentsPosted->count(); },
                                                  [this](int i) { return lstTournamentsPosted->item(i)->isSelected(); },
                                                  [this](int i) { return RemoveTournament(i); });
    const WalkLine line
        = WalkSummary(walk, QStringLiteral("Selected tournament(s) removed."), QStringLiteral("removed"));
    ShowMessage(line.text, line.error);
    try {
        FillTournamentCombo(lstTournamentsNotPosted, mlngLocalLeagueId, true);
        CheckRemoveTournaments();
        makeFirstCurrent(lstTournamentsNotPosted);
    } catch (const std::exception& e) {
        messageWhileBusy(QString::fromUtf8(e.what()));
    }
}

WalkStep frmWebResultsManager::RemoveTournament(int Index)
{
    const QString name = lstTournamentsPosted->item(Index)->text();
    const Long webNumber = itemData(lstTournamentsPosted->item(Index));
    bool lost = false; // the answer was lost after the call went out
    std::optional<RemovalDoubt> doubt; // only the service's list can tell whether it is gone
    try {
        BusyPointer busy;
        ShowMessage(QStringLiteral("Removing tournament from league home page..."), false);
        const QString reply = sentOnce([&] { return WebService::DeleteWebTournament(client(), account(), webNumber); },
                                       [&] { lost = true; });
        // A service that no longer holds it, removed late or by another
        // program, refuses to delete it.
        if (refused(reply, SuccessRule::AnyCodeButOne))
            doubt = RemovalDoubt::Refused;
        else
            ShowMessage(QStringLiteral("Tournament removed."), false);
    } catch (const std::exception& e) {
        if (!lost) {
            failedWhileBusy(QString::fromUtf8(e.what()));
            return {};
        }
        ShowMessage(QString::fromUtf8(e.what()), true);
        doubt = RemovalDoubt::AnswerLost;
    }
    if (doubt && !goneFromHomePage(name, webNumber, *doubt))
        return {};
    const int inCombo = cmbTournament->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (inCombo >= 0) {
        const bool wasCurrent = inCombo == cmbTournament->currentIndex();
        {
            const QSignalBlocker quiet(cmbTournament);
            cmbTournament->removeItem(inCombo);
            if (wasCurrent)
                cmbTournament->setCurrentIndex(-1);
        }
        if (cmbTournament->currentIndex() < 0)
            makeLastComboEntryCurrent();
        // The last posted tournament is gone, and with it the e-mail about it.
        if (cmbTournament->currentIndex() < 0 && optEmailTourney->isChecked())
            clearTournamentEmail();
    }
    delete lstTournamentsPosted->takeItem(Index);
    return {true, true};
}

bool frmWebResultsManager::goneFromHomePage(const QString& name, Long webNumber, RemovalDoubt doubt)
{
    QList<WebTournament> posted;
    try {
        ShowMessage(QStringLiteral("Getting tournaments posted..."), false);
        const QString reply = WebService::GetWebTournaments(client(), account());
        if (refused(reply))
            throw SoapError(StripResultCode(reply));
        posted = ReadTournamentList(reply);
    } catch (const std::exception& e) {
        ShowMessage(QString::fromUtf8(e.what()), true);
        failedWhileBusy(QStringLiteral("The tournaments posted could not be read again, so it is not known whether %1 "
                                       "is still on the league home page.  It stays listed as posted; delete it again "
                                       "to find out.")
                            .arg(name));
        return false;
    }
    const RemovalLine line = RemovalSettled(posted, webNumber, name, doubt);
    if (line.gone) {
        ShowMessage(line.text, false);
        return true;
    }
    // A refusal has said why already; a lost answer is told in a message.
    if (doubt == RemovalDoubt::AnswerLost)
        failedWhileBusy(line.text);
    else
        ShowMessage(line.text, false);
    return false;
}
