// The web window's e-mail page: the entrants of a posted tournament or the
// whole league, sent through the user's own mail program or the results
// service.

#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/store/OpenFileOrLink.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SettingsKeys.h"
#include "gui/controls/ListFillers.h"
#include "gui/controls/SelectAllText.h"
#include "gui/platform/BusyPointer.h"
#include "gui/shared/EditPlayerDetails.h"
#include "gui/web/WebPageWidgets.h"
#include "gui/web/frmWebResultsManager.h"

#include <QComboBox>
#include <QGridLayout>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTextEdit>

using namespace webpage;

namespace {

QWidget* optionGroup(QWidget* parent, const QString& name)
{
    auto* group = named(new QWidget(parent), name);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    return group;
}

QListWidget* recipientList(QWidget* parent, const QString& name)
{
    auto* list = named(new QListWidget(parent), name);
    list->setMinimumHeight(110);
    return list;
}

} // namespace

void frmWebResultsManager::buildEmailPage(QWidget* pages)
{
    frameEmail = page(pages, QStringLiteral("frameEmail"));
    auto* grid = new QGridLayout;
    QWidget* recipients = optionGroup(frameEmail, QStringLiteral("frameRecipients"));
    optEmailTourney
        = option(recipients, QStringLiteral("optEmailTourney"), QStringLiteral("Email Participants from a Tourney"));
    optEmailLeague
        = option(recipients, QStringLiteral("optEmailLeague"), QStringLiteral("Email All Players in League"));
    cmbTournament = named(new QComboBox(frameEmail), QStringLiteral("cmbTournament"));
    cmbTournament->setMinimumWidth(220);
    grid->addWidget(recipients, 0, 0);
    grid->addWidget(cmbTournament, 0, 1, Qt::AlignTop);

    lstPlayers = recipientList(frameEmail, QStringLiteral("lstPlayers"));
    lstPlayerEmails = recipientList(frameEmail, QStringLiteral("lstPlayerEmails"));
    grid->addWidget(lstPlayers, 1, 0);
    grid->addWidget(lstPlayerEmails, 1, 1);
    cmdEditPlayer = CommandButton(frameEmail, QStringLiteral("cmdEditPlayer"), QStringLiteral("Edit Player"));
    grid->addWidget(cmdEditPlayer, 2, 0, Qt::AlignLeft);

    QWidget* modes = optionGroup(frameEmail, QStringLiteral("frameSendMode"));
    optCopyOnly = option(modes, QStringLiteral("optCopyOnly"),
                         QStringLiteral("Send Email Using My Own Email Program (Recommended)"));
    optEmailIndividual
        = option(modes, QStringLiteral("optEmailIndividual"),
                 QStringLiteral("Send Separate Emails To Each Player via ZRV Emailer (one email address in To box)"));
    optEmailGroup
        = option(modes, QStringLiteral("optEmailGroup"),
                 QStringLiteral("Send One Email to Group via ZRV Emailer (all email addresses visible in To box)"));
    grid->addWidget(modes, 3, 0, 1, 2);

    auto* boxes = new QGridLayout;
    lblTo = label(frameEmail, QStringLiteral("lblTo"), QStringLiteral("To"));
    txtTo = textBox(frameEmail, QStringLiteral("txtTo"));
    lblReturnAddress = label(frameEmail, QStringLiteral("lblReturnAddress"), QStringLiteral("Reply to Address"));
    txtFrom = textBox(frameEmail, QStringLiteral("txtFrom"));
    lblSubject = label(frameEmail, QStringLiteral("lblSubject"), QStringLiteral("Subject"));
    txtSubject = textBox(frameEmail, QStringLiteral("txtSubject"));
    // The column keeps its width when the To and Reply to rows trade places.
    boxes->setColumnMinimumWidth(0, lblReturnAddress->sizeHint().width());
    boxes->addWidget(lblTo, 0, 0);
    boxes->addWidget(txtTo, 0, 1);
    boxes->addWidget(lblReturnAddress, 1, 0);
    boxes->addWidget(txtFrom, 1, 1);
    boxes->addWidget(lblSubject, 2, 0);
    boxes->addWidget(txtSubject, 2, 1);
    boxes->addWidget(label(frameEmail, QStringLiteral("lblMessage"), QStringLiteral("Message")), 3, 0, Qt::AlignTop);
    rtbBody = named(new QTextEdit(frameEmail), QStringLiteral("rtbBody"));
    rtbBody->setAcceptRichText(false);
    rtbBody->setMinimumHeight(90);
    boxes->addWidget(rtbBody, 3, 1);
    grid->addLayout(boxes, 4, 0, 1, 2);
    cmdEmail = CommandButton(frameEmail, QStringLiteral("cmdEmail"), QStringLiteral("Send Email"));
    grid->addWidget(cmdEmail, 5, 1, Qt::AlignRight);
    column(frameEmail)->addLayout(grid);
    pages->layout()->addWidget(frameEmail);
    frameEmail->hide();
}

void frmWebResultsManager::connectEmailHandlers()
{
    auto onSelect = [this](QRadioButton* o, void (frmWebResultsManager::*handler)()) { onSelected(o, this, handler); };
    onSelect(optEmailTourney, &frmWebResultsManager::optEmailTourney_Click);
    onSelect(optEmailLeague, &frmWebResultsManager::optEmailLeague_Click);
    onSelect(optCopyOnly, &frmWebResultsManager::optCopyOnly_Click);
    onSelect(optEmailIndividual, &frmWebResultsManager::optEmailIndividual_Click);
    onSelect(optEmailGroup, &frmWebResultsManager::optEmailGroup_Click);
    // Only in tournament mode: a tournament posted while the whole league is
    // listed must not replace the league's players with its entrants.
    connect(cmbTournament, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && optEmailTourney->isChecked())
            cmbTournament_Click();
    });
    connect(lstPlayers, &QListWidget::itemChanged, this, &frmWebResultsManager::LoadEmailAddresses);
    // The two lists are one list of players: one current row.
    connect(lstPlayers, &QListWidget::currentRowChanged, lstPlayerEmails,
            [this](int row) { lstPlayerEmails->setCurrentRow(row); });
    connect(lstPlayerEmails, &QListWidget::currentRowChanged, lstPlayers,
            [this](int row) { lstPlayers->setCurrentRow(row); });
    connect(lstPlayerEmails, &QListWidget::itemDoubleClicked, this, &frmWebResultsManager::cmdEditPlayer_Click);
    connect(cmdEditPlayer, &QPushButton::clicked, this, &frmWebResultsManager::cmdEditPlayer_Click);
    connect(cmdEmail, &QPushButton::clicked, this, &frmWebResultsManager::cmdEmail_Click);
}

void frmWebResultsManager::LoadTournamentListForEmail(QComboBox* combo, Long lngLeagueID, bool bSortbyDateDesc)
{
    ListControl(combo).fill(PostedLocalTournaments(gobjDatabase(), lngLeagueID, bSortbyDateDesc, postedNames()));
}

void frmWebResultsManager::clearRecipients()
{
    const QSignalBlocker quiet(lstPlayers);
    lstPlayers->clear();
    lstPlayerEmails->clear();
}

void frmWebResultsManager::addRecipients(const QList<EmailRecipient>& recipients)
{
    const QSignalBlocker quiet(lstPlayers);
    for (const EmailRecipient& r : recipients) {
        auto* player = new QListWidgetItem(RecipientListText(r), lstPlayers);
        player->setData(Qt::UserRole, static_cast<int>(r.playerId));
        player->setFlags(player->flags() | Qt::ItemIsUserCheckable);
        player->setCheckState(HasEmailAddress(r.email) ? Qt::Checked : Qt::Unchecked);
        auto* address = new QListWidgetItem(RecipientAddressText(r.email), lstPlayerEmails);
        address->setData(Qt::UserRole, r.email);
    }
}

QList<bool> frmWebResultsManager::tickedPlayers() const
{
    QList<bool> ticked;
    for (int i = 0; i < lstPlayers->count(); ++i)
        ticked << (lstPlayers->item(i)->checkState() == Qt::Checked);
    return ticked;
}

QStringList frmWebResultsManager::storedAddresses() const
{
    QStringList addresses;
    for (int i = 0; i < lstPlayerEmails->count(); ++i)
        addresses << lstPlayerEmails->item(i)->data(Qt::UserRole).toString();
    return addresses;
}

void frmWebResultsManager::LoadEmailAddresses()
{
    txtTo->setText(ToText(TickedAddresses(tickedPlayers(), storedAddresses())));
}

void frmWebResultsManager::clearTournamentEmail()
{
    clearRecipients();
    rtbBody->clear();
    txtSubject->clear();
    txtTo->clear();
}

void frmWebResultsManager::optEmailTourney_Click()
{
    cmbTournament->show();
    if (cmbTournament->count() == 0)
        clearTournamentEmail();
    else
        cmbTournament_Click();
}

void frmWebResultsManager::cmbTournament_Click()
{
    clearRecipients();
    if (cmbTournament->currentIndex() < 0)
        return;
    const Long id = cmbTournament->currentData().toInt();
    ReportFailures([&] {
        BusyPointer busy;
        const QList<EmailRecipient> recipients = TournamentRecipients(gobjDatabase(), id);
        if (recipients.isEmpty()) {
            rtbBody->clear();
            LoadEmailAddresses();
            return;
        }
        const QString date = WebDateText(TournamentDay(gobjDatabase(), id));
        addRecipients(recipients);
        LoadEmailAddresses();
        rtbBody->setPlainText(
            ResultsEmailBody(cmbTournament->currentText(), date, btnWeb->Caption(), txtViewerPassword->text()));
        txtSubject->setText(QStringLiteral("Tournament Results"));
    });
}

void frmWebResultsManager::optEmailLeague_Click()
{
    cmbTournament->hide();
    clearRecipients();
    ReportFailures([&] {
        BusyPointer busy;
        addRecipients(LeagueRecipients(gobjDatabase(), mlngLocalLeagueId));
        LoadEmailAddresses();
        rtbBody->setPlainText(QStringLiteral("  "));
        txtSubject->setText(QStringLiteral("  "));
    });
}

void frmWebResultsManager::ShowHideEmailCopy(bool bCopyOnly)
{
    lblTo->setVisible(bCopyOnly);
    txtTo->setVisible(bCopyOnly);
    lblReturnAddress->setVisible(!bCopyOnly);
    txtFrom->setVisible(!bCopyOnly);
}

void frmWebResultsManager::optCopyOnly_Click() { ShowHideEmailCopy(true); }

void frmWebResultsManager::optEmailIndividual_Click() { ShowHideEmailCopy(false); }

void frmWebResultsManager::optEmailGroup_Click() { ShowHideEmailCopy(false); }

void frmWebResultsManager::cmdEditPlayer_Click()
{
    const int row = lstPlayers->currentRow();
    if (row < 0)
        return;
    QListWidgetItem* player = lstPlayers->item(row);
    const ListedName listed = SplitNoEmailMark(player->text());
    QString newName;
    QString email;
    bool saved = false;
    ReportFailures(
        [&] { saved = EditPlayerDetails(player->data(Qt::UserRole).toInt(), listed.name, newName, email, this); });
    if (!saved)
        return;
    {
        const QSignalBlocker quiet(lstPlayers);
        player->setText(EditedRecipientText(newName, email, listed.marked));
    }
    QListWidgetItem* address = lstPlayerEmails->item(row);
    address->setText(email);
    address->setData(Qt::UserRole, email);
    // The ticks stay as they were; the To box follows the new address.
    LoadEmailAddresses();
}

void frmWebResultsManager::cmdEmail_Click()
{
    const QString body = rtbBody->toPlainText();
    if (optCopyOnly->isChecked()) {
        OpenFileOrLink(MailtoAddress(txtTo->text(), txtSubject->text(), body));
    } else {
        if (!txtFrom->text().contains(QLatin1Char('@'))) {
            prompter().message(QStringLiteral("Please specify a valid Reply To email address."));
            FocusRefused(txtFrom);
            return;
        }
        bool sent = false;
        serviceCall([&] {
            const QList<bool> ticked = tickedPlayers();
            const QStringList stored = storedAddresses();
            // Ticked players without an address cannot be mailed.
            for (int i = 0; i < ticked.size(); ++i)
                if (ticked[i] && !HasEmailAddress(stored.value(i)))
                    ShowMessage(SplitNoEmailMark(lstPlayers->item(i)->text()).name
                                    + QStringLiteral(" has no email address and is left out."),
                                false);
            auto send = [&](const QString& recipients) {
                return logReply(WebService::EmailPlayer(client(), account(), recipients, txtFrom->text(),
                                                        txtSubject->text(), body));
            };
            if (optEmailIndividual->isChecked()) {
                sent = sendOneEachTo(TickedWithAddress(ticked, stored), stored, send);
                return;
            }
            const QStringList addresses = TickedAddresses(ticked, stored);
            if (addresses.isEmpty()) {
                ShowMessage(
                    QStringLiteral("There is no recipient: no ticked player has an email address.  Nothing was sent."),
                    true);
                return;
            }
            ShowMessage(QStringLiteral("Sending email..."), false);
            send(GroupRecipients(addresses));
            sent = true;
        });
        if (!sent)
            return;
    }
    WriteSetting(ReplyAddressKey, txtFrom->text());
    WriteSetting(SubjectKey, txtSubject->text());
}

bool frmWebResultsManager::sendOneEachTo(const QList<int>& players, const QStringList& addresses,
                                         const std::function<bool(const QString&)>& send)
{
    QStringList names;
    QList<EmailOutcome> outcomes(players.size(), EmailOutcome::NotSent);
    QString stopped; // why the walk stopped
    for (int i = 0; i < players.size(); ++i) {
        names << SplitNoEmailMark(lstPlayers->item(players[i])->text()).name;
        if (!stopped.isEmpty())
            continue;
        const QString& address = addresses[players[i]];
        ShowMessage(QStringLiteral("Sending email to ") + address + QStringLiteral("..."), false);
        try {
            outcomes[i] = send(address) ? EmailOutcome::Sent : EmailOutcome::Refused;
        } catch (const std::exception& e) {
            const auto* soap = dynamic_cast<const SoapError*>(&e);
            outcomes[i] = soap && soap->mayHaveArrived() ? EmailOutcome::MayHaveGone : EmailOutcome::NotSent;
            stopped = QString::fromUtf8(e.what());
            ShowMessage(stopped, true);
        }
    }
    const EmailWalkEnd end = EndOfEmailWalk(names, outcomes);
    for (int i : end.untick)
        lstPlayers->item(players[i])->setCheckState(Qt::Unchecked);
    if (stopped.isEmpty())
        ShowMessage(QStringLiteral("Completed sending emails."), false);
    if (!end.text.isEmpty())
        ShowMessage(end.text, true);
    if (!stopped.isEmpty())
        messageWhileBusy(stopped + QStringLiteral("\n\n") + end.text);
    return stopped.isEmpty();
}
