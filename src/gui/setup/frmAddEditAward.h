#pragma once

#include "core/platform/ModelTypes.h"
#include "core/setup/WizardAwards.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class ctlDataEntryGrid;

// "Award": one bounty on a player of the league, or a special award of
// money and points. A new dialog for each use; the opener sets the grid and
// the row being edited, shows it modally and reads the entry back.
class frmAddEditAward : public QDialog {
    Q_OBJECT
public:
    // The players of the league (LeagueID), by name without regard to case.
    explicit frmAddEditAward(Long LeagueID, QWidget* parent = nullptr);

    bool mbOKed = false;
    long mlngIgnoreRowForBountyCheck = 0;
    ctlDataEntryGrid* gridParent = nullptr;
    // What the award is weighed with: OK asks before keeping an award that
    // takes the awards to the money or beyond. None: nothing is weighed.
    std::optional<MoneyClaims> mClaims;

    QRadioButton* optBounty;
    QRadioButton* optAward;
    QLabel* lblBounty;
    QComboBox* cmbPlayer;
    QLabel* lblAward;
    QComboBox* cmbDescription;
    QLineEdit* txtDollars;
    QLineEdit* txtPoints;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // What the controls hold.
    AwardEntry Entry() const;
    void cmdOK_Click();

private:
    void optBounty_Click();
    void optAward_Click();
    // A bounty takes a player, an award a description.
    void showKind(bool bounty);
};
