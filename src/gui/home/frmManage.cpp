#include "gui/home/frmManage.h"

#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/store/CurrentLeague.h"
#include "core/store/LeagueMaintenance.h"
#include "core/store/OpenTournament.h"
#include "gui/controls/ListFillers.h"
#include "gui/controls/ctlButton.h"
#include "gui/home/frmAddLeague.h"
#include "gui/home/frmLeagueMaintenance.h"
#include "gui/home/frmTournamentMaintenance.h"
#include "gui/platform/BusyPointer.h"
#include "gui/shared/Exports.h"
#include "gui/shared/HomeWidgets.h"
#include "gui/shared/frmPlayers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption)
{
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(name);
    return f;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

frmManage::frmManage(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmManage"));
    setWindowTitle(QStringLiteral("League/Tournament Management"));
    auto* layout = new QVBoxLayout(this);

    Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("Leage Maintenance"));
    btnNew = HomeButton(Frame1, QStringLiteral("btnNew"), QStringLiteral("Create New League"));
    btnManageLeagues = HomeButton(Frame1, QStringLiteral("btnManageLeagues"), QStringLiteral("Delete/Rename Leagues"));
    auto* leagues = new QHBoxLayout(Frame1);
    leagues->addWidget(btnNew);
    leagues->addWidget(btnManageLeagues);
    leagues->addStretch(1);

    Frame2 = frame(this, QStringLiteral("Frame2"), QStringLiteral("Tournament Maintenance"));
    Label1 = label(Frame2, QStringLiteral("Label1"), QStringLiteral("in League"));
    cmbLeague = HomeDropDown(Frame2, QStringLiteral("cmbLeague"));
    btnManageTournaments
        = HomeButton(Frame2, QStringLiteral("btnManageTournaments"), QStringLiteral("Delete/Rename Tournaments"));
    btnManageTournaments->setFixedWidth(180);
    auto* tournaments = new QHBoxLayout(Frame2);
    tournaments->addWidget(btnManageTournaments);
    tournaments->addWidget(Label1);
    tournaments->addWidget(cmbLeague, 1);

    Frame3 = frame(this, QStringLiteral("Frame3"), QStringLiteral("Player Maintenance"));
    Label2 = label(Frame3, QStringLiteral("Label2"), QStringLiteral("in League"));
    cmbLeague3 = HomeDropDown(Frame3, QStringLiteral("cmbLeague3"));
    btnPlayers = HomeButton(Frame3, QStringLiteral("btnPlayers"), QStringLiteral("Add/Edit/Delete Players"));
    btnPlayers->setFixedWidth(180);
    auto* players = new QHBoxLayout(Frame3);
    players->addWidget(btnPlayers);
    players->addWidget(Label2);
    players->addWidget(cmbLeague3, 1);

    Frame5 = frame(this, QStringLiteral("Frame5"), QStringLiteral("Export Players"));
    Label3 = label(Frame5, QStringLiteral("Label3"), QStringLiteral("from League"));
    Label4 = label(Frame5, QStringLiteral("Label4"), QStringLiteral("and Tournament"));
    cmbLeague2 = HomeDropDown(Frame5, QStringLiteral("cmbLeague2"));
    cmbTournament = HomeDropDown(Frame5, QStringLiteral("cmbTournament"));
    btnExport = HomeButton(Frame5, QStringLiteral("btnExport"), QStringLiteral("Export Players to File"));
    btnExport->setFixedWidth(180);
    auto* export_ = new QGridLayout(Frame5);
    export_->addWidget(Label3, 0, 0);
    export_->addWidget(cmbLeague2, 0, 1);
    export_->addWidget(Label4, 1, 0);
    export_->addWidget(cmbTournament, 1, 1);
    export_->addWidget(btnExport, 0, 2, 2, 1, Qt::AlignVCenter);
    export_->setColumnStretch(1, 1);

    Frame4 = frame(this, QStringLiteral("Frame4"), QStringLiteral("System Maintenance"));
    btnCompress = HomeButton(Frame4, QStringLiteral("btnCompress"), QStringLiteral("Compress/Repair Database"));
    btnCompress->setFixedWidth(180);
    auto* system = new QHBoxLayout(Frame4);
    system->addWidget(btnCompress);
    system->addStretch(1);

    btnClose = HomeButton(this, QStringLiteral("btnClose"), QStringLiteral("Close"));
    btnClose->setFixedWidth(100);
    for (QGroupBox* f : {Frame1, Frame2, Frame3, Frame5, Frame4})
        layout->addWidget(f);
    layout->addWidget(btnClose, 0, Qt::AlignRight);

    connect(btnNew, &ctlButton::Click, this, &frmManage::btnNew_Click);
    connect(btnManageLeagues, &ctlButton::Click, this, &frmManage::btnManageLeagues_Click);
    connect(btnManageTournaments, &ctlButton::Click, this, &frmManage::btnManageTournaments_Click);
    connect(btnPlayers, &ctlButton::Click, this, &frmManage::btnPlayers_Click);
    connect(btnExport, &ctlButton::Click, this, &frmManage::btnExport_Click);
    connect(btnCompress, &ctlButton::Click, this, &frmManage::btnCompress_Click);
    connect(btnClose, &ctlButton::Click, this, &frmManage::btnClose_Click);
    connect(cmbLeague2, &QComboBox::currentIndexChanged, this, &frmManage::cmbLeague2_Click);
    setMinimumWidth(560);

    LoadCombos();
}

void frmManage::LoadCombos()
{
    ReportFailures([this] {
        FillLeagueCombo(cmbLeague);
        FillLeagueCombo(cmbLeague3);
        FillLeagueCombo(cmbLeague2);
        cmbLeague2->insertItem(0, QStringLiteral("All"), 0);

        // "All" comes first in the export list, so its rows are one further down.
        const int current = cmbLeague->findData(static_cast<int>(openTournament().glngCurrentLeagueID));
        const int row = current < 0 ? 0 : current;
        cmbLeague->setCurrentIndex(row);
        cmbLeague3->setCurrentIndex(row);
        {
            const QSignalBlocker quiet(cmbLeague2);
            cmbLeague2->setCurrentIndex(current < 0 ? 0 : current + 1);
        }
        cmbLeague2_Click();
    });
}

void frmManage::cmbLeague2_Click()
{
    ReportFailures([this] {
        const bool all = cmbLeague2->currentIndex() <= 0;
        cmbTournament->setEnabled(!all);
        if (all)
            cmbTournament->clear();
        else
            FillTournamentCombo(cmbTournament, SelectedKey(cmbLeague2), false);
        cmbTournament->insertItem(0, QStringLiteral("All"), 0);
        cmbTournament->setCurrentIndex(0);
    });
}

void frmManage::btnNew_Click()
{
    frmAddLeague dialog(this);
    dialog.exec();
    LoadCombos();
}

void frmManage::btnManageLeagues_Click()
{
    frmLeagueMaintenance dialog(this);
    dialog.exec();
    LoadCombos();
}

void frmManage::btnManageTournaments_Click()
{
    if (cmbLeague->currentIndex() < 0)
        return;
    if (!ReportFailures([this] { LoadLeague(SelectedKey(cmbLeague)); }))
        return;
    frmTournamentMaintenance dialog(this);
    dialog.exec();
    LoadCombos();
}

void frmManage::btnPlayers_Click()
{
    if (cmbLeague3->currentIndex() < 0)
        return;
    if (!ReportFailures([this] { LoadLeague(SelectedKey(cmbLeague3)); }))
        return;
    frmPlayers dialog(true, this);
    dialog.exec();
    LoadCombos();
}

void frmManage::btnExport_Click()
{
    ReportFailures([this] {
        ExportPlayerList(SelectedKey(cmbLeague2), SelectedKey(cmbTournament), cmbLeague2->currentText(),
                         cmbTournament->currentText());
    });
}

void frmManage::btnCompress_Click()
{
    if (prompter().askYesNo(QStringLiteral("Zorvane must be shutdown and restarted after compressing/repairing your "
                                           "database.  Do you wish to continue?"))
        != Prompter::Answer::Yes)
        return;
    const bool compacted = ReportFailures([] {
        BusyPointer busy;
        CompactDatabase(gobjDatabase());
    });
    if (!compacted)
        return;
    prompter().message(QStringLiteral("Complete.  The program will be shutdown and can then be restarted."));
    mbEndProgram = true;
    accept();
}

void frmManage::btnClose_Click() { reject(); }
