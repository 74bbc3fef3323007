#pragma once

#include "core/platform/ModelTypes.h"
#include "core/setup/Estimates.h"
#include "core/setup/LevelTable.h"
#include "core/setup/WizardAwards.h"
#include "core/setup/WizardValues.h"
#include "core/store/OpenTournament.h"

#include <QDialog>
#include <array>
#include <functional>

class ClickableLabel;
class FlexGrid;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QVBoxLayout;
class ctlButton;
class ctlDataEntryGrid;
class ctlLeftBar;
class frmAddEditAward;
struct WizardFault;
struct WizardForm;

// "Tournament Wizard": every setting of a tournament on eight pages, with
// the Tournament Assistant beside them. It works on the tournament it is
// given (the open one from the tournament window, a prepared one for a new
// tournament) and changes nothing of it until it is saved; Cancel and the
// title bar close it leaving the tournament as it was.
//
// The window is split by pages: this file's part holds the frame, the
// navigation and loading; the parts in WizardBuyinPages.cpp (basics, buying
// in, chips), WizardLevelPages.cpp (levels, reminders, advanced) and
// WizardPayoutPages.cpp (payouts, bounties and awards) build their pages and
// handle them.
class frmAddEditTournament : public QDialog {
    Q_OBJECT
public:
    static constexpr int PageCount = 8;
    static constexpr int ChipRows = OpenTournament::ChipSlots;

    explicit frmAddEditTournament(OpenTournament& tourney = openTournament(), QWidget* parent = nullptr);
    ~frmAddEditTournament() override;

    // Result of the modal display: true only after a successful save.
    bool mbOKed = false;

    // Puts the tournament's settings into the pages; bNewTourney for one not
    // yet stored.
    void LoadData(bool bNewTourney);
    void cmdNext_Click();
    void cmdPrevious_Click();
    void ShowWizardPage(int intPage);
    void AdjustRebuys();
    void AdjustAddons();

    // Finish: checks every page, stops at the first fault on its page, else
    // stores the tournament (a new one becomes the open tournament), makes
    // its current level the one in force and closes with mbOKed.
    void SaveTournamentSetup();
    void cmdEditRules_Click();
    void cmdEditMessage_Click();
    void cmdChecklist_Click();

    // Payouts and estimates
    void LoadPayoutGrid(bool bSetPayouts);
    void CalcEstimates();
    void CalcEstBuyinTotals();
    void CalcEstPayouts();
    void CalcChipAmounts();

    // Levels
    void cmbNumLevels_Click();
    void LoadlevelsGrid();
    void LoadlevelsGridData();
    void cmdInsertLevel_Click();
    void cmdDeleteLevel_Click();
    void cmdUndoLevels_Click();
    void cmdExport_Click();
    void cmdAddEditReminder_Click();
    void cmdClearReminder_Click();
    // Follows the running clock's level while the wizard is open; the save
    // stops it.
    void tmrChecklevel_Timer();
    QTimer* tmrChecklevel = nullptr;
    // "Suggest Levels!": the generator's level table, after a backup for Undo.
    void AutoSuggestBlinds();

    // The award dialog the award buttons open; tests answer it themselves.
    // It gets the dialog set up and shows it; true when it was OK'd.
    std::function<bool(frmAddEditAward& dialog)> showAwardDialog;

    // Wizard state
    bool mbNewTourney = false;
    Integer mintCurrentPage = 0;
    bool mbLoading = false;
    Integer mintLevelAtOpen = 0;
    QString mstrRules;
    QString mstrCustomMessage;
    WizardWorkingValues work;
    WizardAwardList awards;
    QList<LevelSession> mtypSessionBackup;
    ReminderRows mReminderBackup; // the reminders at the backup
    QList<int> mLevelOrigin; // per level: the backup's level it is, -1 for none

    // Frame and navigation
    ctlLeftBar* ctlLeftBar1;
    std::array<ClickableLabel*, PageCount> lblGroup {};
    std::array<QFrame*, PageCount> frameTourney {};
    QFrame* picAssistant;
    std::array<QFrame*, PageCount> frameAssistant {}; // frameTAWelcome .. frameTAEnd
    QCheckBox* chkAddPlayers;
    QPushButton* cmdCancel;
    QPushButton* cmdPrevious;
    QPushButton* cmdNext;
    QPushButton* cmdFinish;
    ctlButton* btnHelp;

    // 1. Basics
    QLineEdit* txtName;
    QLineEdit* txtDate;
    QLineEdit* txtMaxPlayersPerTable;

    // 2. Buying in, and the assistant's money estimates
    QLineEdit* txtBuyin;
    QLineEdit* txtBuyinChipValue;
    QLabel* lblTakeAmount;
    QLineEdit* txtTakeAmount;
    QCheckBox* chkAllowRebuys;
    QLabel* lblRebuy;
    QLineEdit* txtRebuy;
    QLabel* lblRebuyChipValue;
    QLineEdit* txtRebuyChipValue;
    QLabel* lblNumRebuysAllowed;
    QComboBox* cmbNumRebuysAllowed;
    QLabel* lblRebuylevel;
    QComboBox* cmbRebuyLevel;
    QCheckBox* chkAllowAddon;
    QLabel* lblAddonAmount;
    QLineEdit* txtAddonAmount;
    QLabel* lblAddonChipValue;
    QLineEdit* txtAddonChipValue;
    QLabel* lblAddonNumAllowed;
    QComboBox* cmbAddonNumAllowed;
    QLabel* lblAddonLevels;
    QComboBox* cmbAddonLevel1;
    QLabel* lblAddonLevelsAnd;
    QComboBox* cmbAddonLevel2;
    QLineEdit* txtEstNumPlayers;
    QLineEdit* txtEstNumRebuys;
    QLineEdit* txtEstNumAddons;
    QLabel* lblEstTotalCollected;
    QLabel* lblEstTotalFromBuyins;
    QLabel* lblEstTotalFromRebuys;
    QLabel* lblEstTotalFromAddons;
    QLabel* lblEstTotalHouseFee;
    QLabel* lblEstTotalChipAmount;

    // 3. Chips, and the assistant's chip counts
    std::array<QComboBox*, ChipRows> cmbChipColor {};
    std::array<QLineEdit*, ChipRows> txtChipAmount {};
    std::array<QLineEdit*, ChipRows> txtChipPicture {};
    std::array<QPushButton*, ChipRows> cmdBrowsePic {};
    std::array<QPushButton*, ChipRows> cmdViewChip {};
    std::array<QLabel*, ChipRows> lblChipColor {};
    std::array<QComboBox*, ChipRows> cmbNumChips {};
    std::array<QLabel*, ChipRows> lblChipsNeeded {};
    QLabel* lblChipAmount;
    QLabel* lblStartingChipAmount;

    // 4. Levels, and the assistant's plan
    QComboBox* cmbPresets;
    QFrame* frameCurrent;
    QLabel* lblLittle;
    QLineEdit* txtLittleBlind;
    QLabel* lblBig;
    QLineEdit* txtBigBlind;
    QLineEdit* txtSmallRaise;
    QLineEdit* txtBigRaise;
    QLineEdit* txtAnte;
    QLineEdit* txtMinutesPerSession;
    QFrame* framePresets;
    ctlDataEntryGrid* gridLevels;
    QComboBox* cmbNumLevels;
    QComboBox* cmbLevel;
    QLabel* lblLevel;
    QPushButton* cmdInsertLevel;
    QPushButton* cmdDeleteLevel;
    QPushButton* cmdExport;
    QLineEdit* txtEstDurationHour;
    QLineEdit* txtEstDurationMin;
    QLineEdit* txtEstNumBreaks;
    QLineEdit* txtEstTimeforBreaks;
    QPushButton* cmdLoadLevels;
    QPushButton* cmdUndoLevels;
    ctlButton* btnLevelSettings;
    QLabel* lblWhenEnd;

    // 5. Payouts and points, and the assistant's estimated payouts
    QComboBox* cmbPayoutType;
    QComboBox* cmbNumPaid;
    QLabel* lblRound;
    QComboBox* cmbRound;
    ctlDataEntryGrid* grid;
    QPushButton* cmdChop;
    QWidget* framePointsWizard;
    QCheckBox* chkPointsAllPlayers;
    QLineEdit* txtPointsAllPlayers;
    QCheckBox* chkPointsByPosition;
    QLineEdit* txtPointsByPosition;
    FlexGrid* gridEstPayouts;

    // 6. Bounties and awards
    QComboBox* cmbBountyAll;
    QLabel* lblBountyAllDollars;
    QLineEdit* txtBountyAllDollars;
    QLabel* lblBountyAllPoints;
    QLineEdit* txtBountyAllPoints;
    QFrame* frameBounty;
    ctlDataEntryGrid* gridAwards;
    QPushButton* cmdNewAward;
    QPushButton* cmdEditAward;
    QPushButton* cmdDeleteAward;
    QPushButton* cmdDeleteAll;

    // 7. Reminders
    QLabel* lblReminders;
    ctlDataEntryGrid* gridReminders;
    QPushButton* cmdAddEditReminder;
    QPushButton* cmdClearReminder;

    // 8. Advanced
    QPushButton* cmdEditRules;
    QPushButton* cmdEditMessage;
    QComboBox* cmbCustomPictureType;
    QLabel* lblFile;
    QLineEdit* txtFile;
    QPushButton* cmdBrowse;
    QComboBox* cmbTATableNotify;
    QPushButton* cmdChecklist;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    OpenTournament& mTourney;

    void Form_Load();
    QVBoxLayout* buildPage(int page, const QString& heading);
    QVBoxLayout* buildAssistant(int page, const QString& name, const QString& text);
    void buildBasicsPage();
    void buildBuyinPage();
    void buildChipsPage();
    void buildLevelsPage();
    void buildPayoutsPage();
    void buildBountiesPage();
    void buildRemindersPage();
    void buildAdvancedPage();
    void connectBuyinPages();
    void connectLevelPages();
    void connectPayoutPages();
    void connectFinish();
    WizardForm readForm() const;
    void showForm(const WizardForm& form);
    void showFault(const WizardFault& fault);
    void selectAllOnFocus(QLineEdit* box);

    // Page 1-3 handlers
    void chkAllowRebuys_Click();
    void chkAllowAddon_Click();
    void cmbChipColor_Click(int i);
    void cmdViewChip_Click(int i);
    void cmdBrowsePic_Click(int i);
    void estimateBox_Change(QLineEdit* box);
    void setChipRows();
    void loadChipRows();

    // Page 4, 7, 8 handlers
    void cmbPresets_Click();
    void cmdBrowse_Click();
    void cmbCustomPictureType_Click();
    LevelRows levelGridRows() const;
    void showLevelRows(const LevelRows& rows);
    void setLevelRows(const LevelRows& rows);
    ReminderRows reminderGridRows() const;
    void showReminderRows(const ReminderRows& rows);
    // The backup Undo returns to: the level table and its reminders now.
    void takeLevelBackup();
    // Inserts or deletes a level with its reminder.
    void editLevels(bool (*edit)(LevelEdit&, int), int r);
    void connectLevelEditing();

    // Page 5, 6 handlers
    void cmbNumPaid_Click();
    void cmbRound_Click();
    void cmbPayoutType_Click();
    void cmdChop_Click();
    void chkPointsAllPlayers_Click();
    void chkPointsByPosition_Click();
    void cmbBountyAll_Click();
    void cmdNewAward_Click();
    void cmdEditAward_Click();
    void cmdDeleteAward_Click();
    void cmdDeleteAll_Click();
    void showAwards();
    void loadAwards();
    QList<PayoutRow> payoutGridRows() const;
    // The boxes the awards are weighed with.
    WizardMoney wizardMoney() const;
    void showPayoutRows(const QList<PayoutRow>& rows);
    std::optional<AwardEntry> askAward(frmAddEditAward& dialog, long ignoreRow);
};

// Opens the wizard modally on the open tournament at a page (0, 2, 3 or 4,
// as the tournament window's settings entries ask); true when it was saved.
bool ShowTournamentWizard(int startPage);

// Opens the wizard on a new tournament prepared from the defaults or an
// earlier tournament; its save makes it the open tournament, at its current
// level.
bool SetUpNewTournament(const OpenTournament& prepared);
