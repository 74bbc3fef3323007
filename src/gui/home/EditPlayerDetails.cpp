#include "gui/home/EditPlayerDetails.h"

#include "core/platform/Database.h"
#include "core/store/LeaguePlayers.h"
#include "gui/home/frmAddEditPlayer.h"
#include "gui/platform/BusyPointer.h"

bool EditPlayerDetails(Long PlayerID, const QString& CurrentName, QString& NewName, QString& Email, QWidget* parent)
{
    PlayerDetails player = ReadPlayerDetails(gobjDatabase(), PlayerID);
    player.PlayerName = CurrentName;

    frmAddEditPlayer dialog(parent);
    dialog.mbNewPlayer = false;
    dialog.mlngCurPlayerID = PlayerID;
    dialog.Form_Load();
    dialog.setDetails(player);
    dialog.exec();
    if (!dialog.mbOKed)
        return false;

    const PlayerDetails edited = dialog.Details();
    {
        BusyPointer busy;
        UpdatePlayerDetails(gobjDatabase(), PlayerID, edited);
    }
    NewName = edited.PlayerName;
    Email = edited.Details[EmailDetail];
    return true;
}
