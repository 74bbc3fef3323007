#pragma once

#include "core/platform/ModelTypes.h"
#include "core/store/OpenTournament.h"

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class ctlButton;
class ctlLeftBar;
class ClickableLabel;

// The home window ("Zorvane"): the program starts here and ends when it
// closes. Four sections: run a tournament, manage leagues, league
// statistics and web posting, plus Help, About and Exit.
class frmControlPanel : public QWidget {
    Q_OBJECT
public:
    explicit frmControlPanel(QWidget* parent = nullptr);

    // Run section
    QLabel* Label2;
    QLabel* Label1;
    QLabel* Label3;
    std::array<QComboBox*, 3> cmbLeague {}; // run, statistics and web sections
    QLabel* Label7;
    QComboBox* cmbTournament;
    ctlButton* btnNew;
    ctlButton* btnOpen;
    // Management section
    QLabel* Label5;
    QLabel* Label11;
    ctlButton* btnMaintenance;
    // Statistics section
    std::array<QLabel*, 3> lblStats {};
    ctlButton* btnStats;
    // Web section
    QLabel* Label9;
    QLabel* Label6;
    QLabel* Label12;
    ctlButton* btnPostResults;
    ctlButton* btnHelp;
    ctlButton* btnAbout;
    ctlButton* btnExit;
    ClickableLabel* imgNew;
    ClickableLabel* imgOpen;
    ClickableLabel* imgManage;
    ClickableLabel* imgStats;
    ClickableLabel* imgPostResults;
    ClickableLabel* imgHelp;
    ClickableLabel* imgAbout;
    ClickableLabel* imgExit;
    std::array<ClickableLabel*, 4> lblCustomerRoom {};
    ctlLeftBar* ctlLeftBar1;

    // Start-up: the splash, then the settings.
    void Form_Load();
    // The first activation opens the database and restores the last
    // selection; every activation puts the default pointer back.
    void Form_Activate();
    // Refills the league and tournament lists and selects the current ones.
    void LoadCombos();
    // Opens and brings up to date the database; false when it cannot be
    // opened (the program then ends).
    bool StartupStuff();

    // Shows the tournament window on the open tournament; the home window
    // waits behind it until it closes.
    void ShowTournamentWindow(bool isNew = false);

    void btnNew_Click();
    void btnOpen_Click();
    void btnMaintenance_Click();
    void btnStats_Click();
    void btnPostResults_Click();
    void btnHelp_Click();
    void btnAbout_Click();
    void btnExit_Click();
    void cmbLeague_Click(int Index);
    void lblCustomerRoom_Click(int Index);

    // What the window shows at start-up and asks on a first run; tests put
    // their own in place. The first-league prompt gives the name of the new
    // league, or nothing when it was closed.
    std::function<void()> showSplash;
    std::function<std::optional<QString>()> askFirstLeagueName;
    // Shows the web results window for a league, modally.
    std::function<void(Long)> showWebResults;
    // Shows the statistics of the current league, modally.
    std::function<void()> showStats;
    // Asks whether to copy an earlier tournament or start from the defaults;
    // the prepared tournament, or nothing when cancelled.
    std::function<std::optional<OpenTournament>()> prepareNewTournament;
    // The set-up wizard on a new tournament; true when it was saved as the
    // open tournament.
    std::function<bool(const OpenTournament& prepared)> setUpNewTournament;
    // How the program ends once the database is closed.
    std::function<void()> endProgram;

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Unload();
    bool askForFirstLeague();

    bool mbLoading = false;
    bool mbActivated = false;
    bool mbUnloaded = false;
};
