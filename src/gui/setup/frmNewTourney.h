#pragma once

#include "core/store/OpenTournament.h"

#include <QDate>
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

// "New Tournament": a copy of an earlier tournament of any league, or the
// defaults. It prepares a tournament value of its own; the open tournament
// is not touched.
class frmNewTourney : public QDialog {
    Q_OBJECT
public:
    explicit frmNewTourney(QWidget* parent = nullptr);

    bool bOked = false;
    OpenTournament prepared; // valid once bOked
    QDate today = QDate::currentDate();

    QLabel* Label2;
    QRadioButton* optYes;
    QComboBox* cmbTourney;
    QRadioButton* optNo;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // Prepares the tournament; a tournament that cannot be loaded is named
    // in a message and nothing is prepared.
    void cmdOK_Click();
    bool hasTournaments() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool mActivated = false;
};
