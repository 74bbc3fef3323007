#include "gui/home/frmTournamentMaintenance.h"

#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/store/LeagueMaintenance.h"
#include "core/store/NameValidation.h"
#include "core/store/OpenTournament.h"
#include "gui/controls/ListFillers.h"
#include "gui/platform/BusyPointer.h"
#include "gui/shared/HomeWidgets.h"

#include <QLineEdit>
#include <QListWidget>

frmChangeTournamentName::frmChangeTournamentName(QWidget* parent)
    : NamePromptDialog(QStringLiteral("frmChangeTournamentName"), QStringLiteral("Change Tournament Name"),
                       QStringLiteral("Tournament Name"), parent)
{
}

bool frmChangeTournamentName::validate(const QString& name) { return ValidateTournamentName(name, mlngTournamentId); }

frmTournamentMaintenance::frmTournamentMaintenance(QWidget* parent)
    : NameListDialog(QStringLiteral("frmTournamentMaintenance"), QStringLiteral("Tournament Maintenance"),
                     QStringLiteral("lstTournaments"), parent)
    , lstTournaments(mList)
{
    ReportFailures([this] {
        FillTournamentCombo(lstTournaments, openTournament().glngCurrentLeagueID, false);
        if (lstTournaments->count() > 0)
            lstTournaments->setCurrentRow(0);
    });
}

void frmTournamentMaintenance::cmdDelete_Click()
{
    const int row = lstTournaments->currentRow();
    if (row < 0)
        return;
    if (prompter().askYesNoCancel(
            QStringLiteral("Are you sure you want to delete this tournament and all of its associated data?"))
        != Prompter::Answer::Yes)
        return;
    ReportFailures([&] {
        BusyPointer busy;
        DeleteTournament(gobjDatabase(), RowKey(lstTournaments, row));
        delete lstTournaments->takeItem(row);
        openTournament().glngCurrentTournamentID = 0;
    });
}

void frmTournamentMaintenance::cmdRename_Click()
{
    frmChangeTournamentName prompt(this);
    prompt.mlngTournamentId = RowKey(lstTournaments, lstTournaments->currentRow());
    const int row = renameSelected(prompt);
    if (row < 0)
        return;
    ReportFailures([&] {
        RenameTournament(gobjDatabase(), openTournament(), prompt.mlngTournamentId, prompt.txtName->text());
        lstTournaments->item(row)->setText(prompt.txtName->text());
    });
}
