#include "gui/home/frmLeagueMaintenance.h"

#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/store/CurrentLeague.h"
#include "core/store/LeagueMaintenance.h"
#include "core/store/NameValidation.h"
#include "core/store/OpenTournament.h"
#include "gui/controls/ListFillers.h"
#include "gui/platform/BusyPointer.h"
#include "gui/shared/HomeWidgets.h"

#include <QLineEdit>
#include <QListWidget>

frmChangeLeagueName::frmChangeLeagueName(QWidget* parent)
    : NamePromptDialog(QStringLiteral("frmChangeLeagueName"), QStringLiteral("Change League Name"),
                       QStringLiteral("League Name"), parent)
{
}

bool frmChangeLeagueName::validate(const QString& name) { return ValidateLeagueName(name, mlngLeagueId); }

frmLeagueMaintenance::frmLeagueMaintenance(QWidget* parent)
    : NameListDialog(QStringLiteral("frmLeagueMaintenance"), QStringLiteral("Open League"),
                     QStringLiteral("lstLeagues"), parent)
    , lstLeagues(mList)
{
    ReportFailures([this] {
        FillLeagueCombo(lstLeagues);
        if (lstLeagues->count() > 0)
            lstLeagues->setCurrentRow(0);
    });
}

void frmLeagueMaintenance::cmdDelete_Click()
{
    if (lstLeagues->count() == 1) {
        prompter().message(QStringLiteral("You must have at least one league."));
        return;
    }
    const int row = lstLeagues->currentRow();
    if (row < 0)
        return;
    if (prompter().askYesNoCancel(QStringLiteral("Are you sure you want to delete this league and all of its "
                                                 "associated data, including players and tournaments?"))
        != Prompter::Answer::Yes)
        return;
    ReportFailures([&] {
        {
            BusyPointer busy;
            DeleteLeague(gobjDatabase(), RowKey(lstLeagues, row));
        }
        delete lstLeagues->takeItem(row);
        LoadLeague(RowKey(lstLeagues, 0));
    });
}

void frmLeagueMaintenance::cmdRename_Click()
{
    frmChangeLeagueName prompt(this);
    prompt.mlngLeagueId = RowKey(lstLeagues, lstLeagues->currentRow());
    const int row = renameSelected(prompt);
    if (row < 0)
        return;
    ReportFailures([&] {
        RenameLeague(gobjDatabase(), openTournament(), prompt.mlngLeagueId, prompt.txtName->text());
        lstLeagues->item(row)->setText(prompt.txtName->text());
    });
}
