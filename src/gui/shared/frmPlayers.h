#pragma once

#include "core/platform/ModelTypes.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class ctlButton;
class ctlLeftBar;

// "Add/Remove Players": the members of the current league. In tournament
// mode they are ticked when entered in the open tournament, and OK applies
// the ticks; in league-only mode (ManageOnly) the plain member list is
// shown and no tournament is touched. New players, deletions and new details
// are stored at once in either mode.
class frmPlayers : public QDialog {
    Q_OBJECT
public:
    frmPlayers(bool ManageOnly, QWidget* parent = nullptr);

    const bool bManageOnly;
    bool mbOKed = false; // true only after OK in tournament mode

    QLabel* Label1;
    QListWidget* lstPlayers;
    QListWidget* lstOriginal;
    QListWidget* lstPlayersNoCheckBoxes;
    QCheckBox* chkBuyin;
    ctlButton* btnNew;
    ctlButton* btnRemove;
    ctlButton* btnRename;
    ctlButton* btnSearch;
    ctlButton* btnSelectAll;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    ctlLeftBar* ctlLeftBar1;

    // Enters one league member into the open tournament, with the default
    // buy-in when chkBuyin is ticked. Failures are raised as DatabaseError.
    void AddPlayerToTourney(Long PlayerID, const QString& PlayerName);

    void btnNew_Click();
    void btnRemove_Click();
    void btnRename_Click();
    void btnSearch_Click();
    void btnSelectAll_Click();
    void cmdOK_Click();

private:
    void Form_Load();
    QListWidget* workingList() const;
    void appendRow(const QString& name, Long PlayerID, bool entered);
};
