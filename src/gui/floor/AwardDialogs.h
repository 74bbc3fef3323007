#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class ctlDataEntryGrid;
class OpenTournament;

// "Assign Bounty": a player's winnings and points typed by hand.
class frmManualAdjust : public QDialog {
    Q_OBJECT
public:
    explicit frmManualAdjust(QWidget* parent = nullptr);

    bool mbOKed = false;
    // The player whose winnings these are (an index of the tournament): OK
    // asks before keeping winnings that take every player's beyond the
    // money taken in. None: nothing is weighed.
    const OpenTournament* mTournament = nullptr;
    long mPlayerIndex = 0;
    QLineEdit* txtDollars;
    QLineEdit* txtPoints;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    void cmdOK_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// "Special Award": who eliminated a player, or who collects his bounty. The
// list holds player indexes as item data.
class frmAwardPlayer : public QDialog {
    Q_OBJECT
public:
    // stillIn: the players the question offers at first; everyone: what
    // "Show All Players" shows instead.
    frmAwardPlayer(const QString& message, const QList<long>& stillIn, const QList<long>& everyone,
                   const OpenTournament& t, QWidget* parent = nullptr);

    bool mbOKed = false;
    bool mbSkipped = false;
    QLabel* lblMessage;
    QListWidget* lstPlayers;
    QCheckBox* chkShowAllPLayers;
    QPushButton* cmdOK;
    QPushButton* cmdSkip;
    QPushButton* cmdCancel;

    // The chosen player's index, 0 when none.
    long chosenPlayer() const;
    void cmdOK_Click();

private:
    void fill(const QList<long>& players);
    const OpenTournament& mTournament;
    QList<long> mEveryone;
};

// "Special Award": which of the awards nobody holds the player gets.
class frmAwardAward : public QDialog {
    Q_OBJECT
public:
    explicit frmAwardAward(const OpenTournament& t, QWidget* parent = nullptr);

    bool mbOKed = false;
    ctlDataEntryGrid* gridAwards;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // The award index (from 1) of the chosen row, 0 when none: rows map to
    // awards by position, never by an id that unsaved awards share.
    long chosenAward() const;
    void cmdOK_Click();

private:
    QList<long> mRows; // award index of each data row
};
