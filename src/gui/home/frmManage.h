#pragma once

#include "core/platform/ModelTypes.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class ctlButton;

// "League/Tournament Management": the hub for leagues, tournaments,
// players, the player-list export and the database compaction.
class frmManage : public QDialog {
    Q_OBJECT
public:
    explicit frmManage(QWidget* parent = nullptr);

    QGroupBox* Frame1; // "Leage Maintenance"
    ctlButton* btnNew;
    ctlButton* btnManageLeagues;
    QGroupBox* Frame2; // "Tournament Maintenance"
    QLabel* Label1;
    QComboBox* cmbLeague;
    ctlButton* btnManageTournaments;
    QGroupBox* Frame3; // "Player Maintenance"
    QLabel* Label2;
    QComboBox* cmbLeague3;
    ctlButton* btnPlayers;
    QGroupBox* Frame4; // "System Maintenance"
    ctlButton* btnCompress;
    QGroupBox* Frame5; // "Export Players"
    QLabel* Label3;
    QLabel* Label4;
    QComboBox* cmbLeague2;
    QComboBox* cmbTournament;
    ctlButton* btnExport;
    ctlButton* btnClose;

    // Set once the database has been compacted: the program must end.
    bool mbEndProgram = false;

    // Refills the league lists and selects the current league in them.
    void LoadCombos();
    void cmbLeague2_Click();

    void btnNew_Click();
    void btnManageLeagues_Click();
    void btnManageTournaments_Click();
    void btnPlayers_Click();
    void btnExport_Click();
    void btnCompress_Click();
    void btnClose_Click();
};
