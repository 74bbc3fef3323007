#include "gui/shared/EditPlayerDetails.h"

#include "core/platform/Database.h"
#include "core/store/LeaguePlayers.h"
#include "gui/platform/BusyPointer.h"
#include "gui/shared/frmAddEditPlayer.h"

bool EditPlayerDetails(Long PlayerID, const QString& CurrentName, QString& NewName, QString& Email, QWidget* parent)
{
    const PlayerDetails stored = ReadPlayerDetails(gobjDatabase(), PlayerID);
    PlayerDetails shown = stored;
    shown.PlayerName = CurrentName;

    frmAddEditPlayer dialog(parent);
    dialog.mbNewPlayer = false;
    dialog.mlngCurPlayerID = PlayerID;
    dialog.Form_Load();
    dialog.setDetails(shown);
    dialog.exec();
    if (!dialog.mbOKed)
        return false;

    // What the director left as it was keeps its stored value, whole and
    // Null included.
    const PlayerDetails edited = dialog.Details();
    {
        BusyPointer busy;
        UpdatePlayerDetails(gobjDatabase(), PlayerID, stored, edited);
    }
    NewName = edited.PlayerName;
    Email = edited.Details[EmailDetail];
    return true;
}
