#include "gui/shared/frmPlayers.h"

#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/store/LeaguePlayers.h"
#include "core/store/ListItems.h"
#include "core/store/OpenTournament.h"
#include "core/store/SettingsKeys.h"
#include "core/store/TournamentEntrants.h"
#include "gui/controls/ctlButton.h"
#include "gui/controls/ctlLeftBar.h"
#include "gui/platform/BusyPointer.h"
#include "gui/shared/EditPlayerDetails.h"
#include "gui/shared/HomeWidgets.h"
#include "gui/shared/frmAddEditPlayer.h"
#include "gui/shared/frmSearch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QVBoxLayout>
#include <optional>

namespace {

QListWidget* memberList(QWidget* parent, const QString& name)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every row is one line of one font: the list need not measure each.
    list->setUniformItemSizes(true);
    return list;
}

// A row of a member list, made apart from the list: setting its key and tick
// tells no list anything.
QListWidgetItem* memberRow(const QString& name, Long PlayerID, std::optional<bool> ticked)
{
    auto* item = new QListWidgetItem(name);
    item->setData(Qt::UserRole, static_cast<int>(PlayerID));
    if (ticked)
        item->setCheckState(*ticked ? Qt::Checked : Qt::Unchecked);
    return item;
}

bool ticked(const QListWidget* list, int row) { return list->item(row)->checkState() == Qt::Checked; }

} // namespace

frmPlayers::frmPlayers(bool ManageOnly, QWidget* parent)
    : QDialog(parent)
    , bManageOnly(ManageOnly)
{
    setObjectName(QStringLiteral("frmPlayers"));
    setWindowTitle(QStringLiteral("Add/Remove Players"));

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 12, 12);
    ctlLeftBar1 = new ctlLeftBar(this);
    ctlLeftBar1->setObjectName(QStringLiteral("ctlLeftBar1"));
    ctlLeftBar1->setFixedWidth(128);
    outer->addWidget(ctlLeftBar1);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(0, 12, 0, 0);
    outer->addLayout(body, 1);
    Label1 = new QLabel(QStringLiteral("Check players who will participate in this tournament:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    body->addWidget(Label1);

    auto* middle = new QHBoxLayout;
    lstPlayers = memberList(this, QStringLiteral("lstPlayers"));
    lstOriginal = memberList(this, QStringLiteral("lstOriginal"));
    lstOriginal->hide();
    lstPlayersNoCheckBoxes = memberList(this, QStringLiteral("lstPlayersNoCheckBoxes"));
    lstPlayersNoCheckBoxes->hide();
    middle->addWidget(lstPlayers, 1);
    middle->addWidget(lstPlayersNoCheckBoxes, 1);
    auto* actions = new QVBoxLayout;
    btnNew = HomeButton(this, QStringLiteral("btnNew"), QStringLiteral("New Player"));
    btnRemove = HomeButton(this, QStringLiteral("btnRemove"), QStringLiteral("Delete Player"));
    btnRename = HomeButton(this, QStringLiteral("btnRename"), QStringLiteral("Player Details"));
    btnSearch = HomeButton(this, QStringLiteral("btnSearch"), QStringLiteral("Search for Player"));
    btnSelectAll = HomeButton(this, QStringLiteral("btnSelectAll"), QStringLiteral("Select All"));
    for (ctlButton* b : {btnNew, btnRemove, btnRename, btnSearch, btnSelectAll})
        actions->addWidget(b);
    actions->addStretch(1);
    middle->addLayout(actions);
    body->addLayout(middle, 1);

    chkBuyin = new QCheckBox(QStringLiteral("Automatically Include Default Buyin"), this);
    chkBuyin->setObjectName(QStringLiteral("chkBuyin"));
    body->addWidget(chkBuyin);
    body->addLayout(OkCancelRow(this, cmdOK, QStringLiteral("OK"), cmdCancel, false));

    if (bManageOnly) {
        cmdCancel->hide();
        cmdOK->setText(QStringLiteral("Close"));
        chkBuyin->hide();
        Label1->hide();
        lstPlayers->hide();
        lstPlayersNoCheckBoxes->show();
        btnSelectAll->hide();
    }

    connect(btnNew, &ctlButton::Click, this, &frmPlayers::btnNew_Click);
    connect(btnRemove, &ctlButton::Click, this, &frmPlayers::btnRemove_Click);
    connect(btnRename, &ctlButton::Click, this, &frmPlayers::btnRename_Click);
    connect(btnSearch, &ctlButton::Click, this, &frmPlayers::btnSearch_Click);
    connect(btnSelectAll, &ctlButton::Click, this, &frmPlayers::btnSelectAll_Click);
    connect(lstPlayers, &QListWidget::itemDoubleClicked, this, &frmPlayers::btnRename_Click);
    connect(lstPlayersNoCheckBoxes, &QListWidget::itemDoubleClicked, this, &frmPlayers::btnRename_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmPlayers::cmdOK_Click);
    resize(600, 460);

    Form_Load();
}

void frmPlayers::Form_Load()
{
    chkBuyin->setChecked(ReadLongSetting(AutoBuyinKey) != 0);
    ReportFailures([this] {
        const OpenTournament& t = openTournament();
        QSet<Long> entered;
        if (!bManageOnly)
            for (const PlayerRecord& p : t.gtypPlayers)
                entered.insert(p.PlayerID);
        const QList<ListItem> members = LeagueMemberItems(gobjDatabase(), t.glngCurrentLeagueID);
        // Each list is filled in one pass with its updates off, its rows made
        // whole before they go in.
        for (QListWidget* list : {lstPlayers, lstOriginal, lstPlayersNoCheckBoxes}) {
            list->setUpdatesEnabled(false);
            for (const ListItem& member : members) {
                const std::optional<bool> tick = list == lstPlayersNoCheckBoxes
                    ? std::nullopt
                    : std::optional<bool>(entered.contains(member.ItemData));
                list->addItem(memberRow(member.Text, member.ItemData, tick));
            }
            list->setUpdatesEnabled(true);
        }
        if (lstPlayersNoCheckBoxes->count() > 0)
            lstPlayersNoCheckBoxes->setCurrentRow(0);
    });
}

void frmPlayers::appendRow(const QString& name, Long PlayerID, bool entered)
{
    lstPlayers->addItem(memberRow(name, PlayerID, entered));
    lstOriginal->addItem(memberRow(name, PlayerID, false));
    lstPlayersNoCheckBoxes->addItem(memberRow(name, PlayerID, std::nullopt));
}

QListWidget* frmPlayers::workingList() const { return bManageOnly ? lstPlayersNoCheckBoxes : lstPlayers; }

void frmPlayers::AddPlayerToTourney(Long PlayerID, const QString& PlayerName)
{
    if (const auto refused
        = ::AddPlayerToTourney(gobjDatabase(), openTournament(), PlayerID, PlayerName, chkBuyin->isChecked()))
        prompter().message(*refused);
}

void frmPlayers::btnNew_Click()
{
    frmAddEditPlayer dialog(this);
    dialog.mbNewPlayer = true;
    dialog.Form_Load();
    dialog.exec();
    if (!dialog.mbOKed)
        return;
    ReportFailures([&] {
        const Long league = openTournament().glngCurrentLeagueID;
        Long id = 0;
        QString name;
        {
            BusyPointer busy;
            if (dialog.optNew->isChecked()) {
                name = dialog.txtPlayer->text();
                id = AddNewPlayer(gobjDatabase(), league, dialog.Details());
            } else {
                name = dialog.cmbPlayer->currentText();
                id = dialog.cmbPlayer->currentData().toInt();
                AddLeagueMember(gobjDatabase(), league, id);
            }
        }
        // Ticked: he will be entered at OK.
        appendRow(name, id, true);
        lstPlayersNoCheckBoxes->setCurrentRow(lstPlayersNoCheckBoxes->count() - 1);
    });
}

void frmPlayers::btnRemove_Click()
{
    QListWidget* list = workingList();
    const int row = list->currentRow();
    if (row < 0)
        return;
    const QString question = bManageOnly
        ? QStringLiteral("Are you sure you want to remove this player from your league?")
        : QStringLiteral("The player will be removed from this tournament and all previous ones.  Are you sure you "
                         "want to remove this player from your league?");
    if (prompter().askYesNoCancel(question) != Prompter::Answer::Yes)
        return;
    const Long id = RowKey(list, row);
    const bool removed = ReportFailures([&] {
        BusyPointer busy;
        OpenTournament& t = openTournament();
        if (bManageOnly)
            RemovePlayerFromLeague(gobjDatabase(), t.glngCurrentLeagueID, id);
        else
            RemovePlayerFromTourneyAndLeague(gobjDatabase(), t, id);
    });
    if (!removed)
        return;
    for (QListWidget* l : {lstPlayers, lstOriginal, lstPlayersNoCheckBoxes})
        delete l->takeItem(row);
}

void frmPlayers::btnRename_Click()
{
    QListWidget* list = workingList();
    const int row = list->currentRow();
    if (row < 0)
        return;
    const Long id = RowKey(list, row);
    QString newName;
    QString email;
    bool changed = false;
    ReportFailures([&] { changed = EditPlayerDetails(id, list->item(row)->text(), newName, email, this); });
    if (!changed)
        return;
    for (QListWidget* l : {lstPlayers, lstOriginal, lstPlayersNoCheckBoxes})
        l->item(row)->setText(newName);
    if (!bManageOnly)
        RenameEntrant(openTournament(), id, newName);
}

void frmPlayers::btnSearch_Click()
{
    frmSearch dialog(this);
    dialog.exec();
    if (!dialog.mbOKed)
        return;
    QListWidget* list = workingList();
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    const int row = FindNamePrefix(names, dialog.txtSearch->text());
    if (row < 0) {
        prompter().message(QStringLiteral("No match found"));
        return;
    }
    list->setCurrentRow(row);
    list->scrollToItem(list->item(row), QAbstractItemView::PositionAtTop);
}

void frmPlayers::btnSelectAll_Click()
{
    for (int i = 0; i < lstPlayers->count(); ++i) {
        lstPlayers->item(i)->setCheckState(Qt::Checked);
        lstPlayersNoCheckBoxes->setCurrentRow(i);
    }
}

void frmPlayers::cmdOK_Click()
{
    if (bManageOnly) {
        accept();
        return;
    }
    QList<EntrantChange> changes;
    for (int i = 0; i < lstPlayers->count(); ++i) {
        const bool now = ticked(lstPlayers, i);
        if (now != ticked(lstOriginal, i))
            changes.append({RowKey(lstPlayers, i), lstPlayers->item(i)->text(), now});
    }
    std::optional<QString> refused;
    const bool applied = ReportFailures([&] {
        BusyPointer busy;
        refused = ApplyEntrantChanges(gobjDatabase(), openTournament(), changes, chkBuyin->isChecked());
    });
    if (refused)
        prompter().message(*refused);
    if (!applied || refused)
        return;
    mbOKed = true;
    WriteSetting(AutoBuyinKey, chkBuyin->isChecked() ? 1 : 0);
    accept();
}
