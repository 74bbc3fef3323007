#pragma once

#include "core/platform/ModelTypes.h"
#include "core/store/LeaguePlayers.h"

#include <QDialog>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Add Player" (new mode): a new player, or a player of another league who
// joins the current one. "Rename Player" (edit mode): one player's name and
// details. The dialog checks the input; its callers write the database.
class frmAddEditPlayer : public QDialog {
    Q_OBJECT
public:
    // Set mbNewPlayer (and in edit mode mlngCurPlayerID) before Form_Load.
    explicit frmAddEditPlayer(QWidget* parent = nullptr);

    bool mbNewPlayer = true;
    Long mlngCurPlayerID = 0;
    bool mbOKed = false;

    QGroupBox* Frame1; // "Add New Player to League"
    QRadioButton* optNew;
    QRadioButton* optAdd;
    QComboBox* cmbPlayer;
    QGroupBox* frameDetails;
    QLabel* lblPlayer;
    QLineEdit* txtPlayer;
    QLabel* lblDetails; // "Optional Player Details "
    QLineEdit* txtFirstName;
    QLineEdit* txtLastName;
    QLineEdit* txtPhone;
    QLineEdit* txtEmail;
    QLineEdit* txtAddress;
    QLineEdit* txtAddress2;
    QLineEdit* txtCity;
    QLineEdit* txtState;
    QLineEdit* txtZip;
    QLineEdit* txtCountry;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // Lays the dialog out for its mode.
    void Form_Load();
    void optNew_Click();
    void optAdd_Click();
    void txtLastName_LostFocus();
    void cmdOK_Click();

    // The name and the ten detail boxes, in the order of PlayerDetailColumns.
    // The boxes' length limits hold for typing only: setDetails shows stored
    // values whole, however long.
    PlayerDetails Details() const;
    void setDetails(const PlayerDetails& player);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLineEdit*, PlayerDetailColumns.size()> detailBoxes() const;
    bool mbPlayersFilled = false;
};
