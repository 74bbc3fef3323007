#pragma once

#include "gui/home/NameListDialogs.h"

// "Change Tournament Name": names are unique within the current league.
class frmChangeTournamentName : public NamePromptDialog {
    Q_OBJECT
public:
    explicit frmChangeTournamentName(QWidget* parent = nullptr);
    Long mlngTournamentId = 0;

protected:
    bool validate(const QString& name) override;
};

// "Tournament Maintenance": renames and deletes the current league's
// tournaments.
class frmTournamentMaintenance : public NameListDialog {
    Q_OBJECT
public:
    explicit frmTournamentMaintenance(QWidget* parent = nullptr);
    QListWidget* lstTournaments;

    void cmdRename_Click() override;
    void cmdDelete_Click() override;
};
