#include "gui/setup/frmAddEditTournament.h"

#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/store/Nz.h"
#include "core/store/PlainNumberText.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SettingsKeys.h"
#include "gui/controls/AwardsGrid.h"
#include "gui/controls/ClickableLabel.h"
#include "gui/controls/ComboSelection.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/OleColor.h"
#include "gui/controls/SelectAllText.h"
#include "gui/controls/ctlButton.h"
#include "gui/controls/ctlDataEntryGrid.h"
#include "gui/controls/ctlLeftBar.h"
#include "gui/platform/BusyPointer.h"
#include "gui/setup/WizardWidgets.h"
#include "gui/setup/frmAddEditAward.h"
#include "gui/shared/frmInstructions.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>
#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>

using namespace wizard;

namespace {

const char* const PageNames[] = {"1. Basics",  "2. Buying In", "3. Chips",     "4. Levels",
                                 "5. Payouts", "6. Bounties",  "7. Reminders", "8. Advanced"};

constexpr OleColor PageShownColor = 0x8000;

} // namespace

frmAddEditTournament::frmAddEditTournament(OpenTournament& tourney, QWidget* parent)
    : QDialog(parent)
    , mTourney(tourney)
{
    setObjectName(QStringLiteral("frmAddEditTournament"));
    setWindowTitle(QStringLiteral("Tournament Wizard"));
    showAwardDialog = [](frmAddEditAward& dialog) {
        dialog.exec();
        return dialog.mbOKed;
    };

    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    // The page list lies on the left bar.
    ctlLeftBar1 = named(new ctlLeftBar(this), QStringLiteral("ctlLeftBar1"));
    ctlLeftBar1->setFixedWidth(150);
    auto* pageList = new QVBoxLayout(ctlLeftBar1);
    pageList->setContentsMargins(24, 150, 8, 8);
    for (int k = 0; k < PageCount; ++k) {
        lblGroup[k] = named(new ClickableLabel(QString::fromLatin1(PageNames[k]), ctlLeftBar1),
                            WizardControlName("lblGroup", k));
        QFont f = lblGroup[k]->font();
        f.setBold(true);
        lblGroup[k]->setFont(f);
        lblGroup[k]->setCursor(Qt::PointingHandCursor);
        pageList->addWidget(lblGroup[k]);
    }
    pageList->addStretch(1);
    root->addWidget(ctlLeftBar1);

    auto* middle = new QVBoxLayout;
    middle->setContentsMargins(10, 10, 10, 10);
    root->addLayout(middle, 1);
    auto* pages = new QWidget(this);
    auto* stack = new QStackedLayout(pages);
    stack->setStackingMode(QStackedLayout::StackAll);
    middle->addWidget(pages, 1);

    picAssistant = named(new QFrame(this), QStringLiteral("picAssistant"));
    picAssistant->setFrameShape(QFrame::StyledPanel);
    picAssistant->setFixedWidth(300);
    auto* assistant = new QVBoxLayout(picAssistant);
    QLabel* heading = text(picAssistant, QStringLiteral("Tournament Assistant "));
    QFont hf = heading->font();
    hf.setBold(true);
    hf.setPointSizeF(hf.pointSizeF() * 1.2);
    heading->setFont(hf);
    assistant->addWidget(heading);
    auto* assistantPages = new QWidget(picAssistant);
    auto* assistantStack = new QStackedLayout(assistantPages);
    assistantStack->setStackingMode(QStackedLayout::StackAll);
    assistant->addWidget(assistantPages, 1);
    root->addWidget(picAssistant);

    const char* const assistantNames[] = {"frameTAWelcome", "frameTABuyin",    "frameTAChips",     "frameTALevels",
                                          "frameTAPayouts", "frameTABounties", "frameTAReminders", "frameTAEnd"};
    for (int k = 0; k < PageCount; ++k) {
        frameTourney[k] = named(new QFrame(pages), WizardControlName("frameTourney", k));
        stack->addWidget(frameTourney[k]);
        frameAssistant[k] = named(new QFrame(assistantPages), QString::fromLatin1(assistantNames[k]));
        assistantStack->addWidget(frameAssistant[k]);
    }

    auto* buttons = new QHBoxLayout;
    chkAddPlayers = named(new QCheckBox(QStringLiteral("Add Players when Finished"), this), "chkAddPlayers");
    cmdCancel = CommandButton(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    cmdPrevious = CommandButton(this, QStringLiteral("cmdPrevious"), QStringLiteral("<< Previous"));
    cmdNext = CommandButton(this, QStringLiteral("cmdNext"), QStringLiteral("Next >>"));
    cmdFinish = CommandButton(this, QStringLiteral("cmdFinish"), QStringLiteral("Finish"));
    btnHelp = named(new ctlButton(this), QStringLiteral("btnHelp"));
    btnHelp->setCaption(QStringLiteral("Help"));
    btnHelp->setFixedSize(60, 26);
    btnHelp->setFocusPolicy(Qt::StrongFocus);
    buttons->addWidget(chkAddPlayers);
    buttons->addStretch(1);
    for (QWidget* b :
         {static_cast<QWidget*>(cmdCancel), static_cast<QWidget*>(cmdPrevious), static_cast<QWidget*>(cmdNext),
          static_cast<QWidget*>(cmdFinish), static_cast<QWidget*>(btnHelp)})
        buttons->addWidget(b);
    middle->addLayout(buttons);

    buildBasicsPage();
    buildBuyinPage();
    buildChipsPage();
    buildLevelsPage();
    buildPayoutsPage();
    buildBountiesPage();
    buildRemindersPage();
    buildAdvancedPage();

    for (int k = 0; k < PageCount; ++k)
        connect(lblGroup[k], &ClickableLabel::clicked, this,
                [this, k] { ReportFailures([this, k] { ShowWizardPage(k); }); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { ReportFailures([this] { cmdNext_Click(); }); });
    connect(cmdPrevious, &QPushButton::clicked, this, [this] { ReportFailures([this] { cmdPrevious_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &ctlButton::Click, this, [] { ShowInstructions(frmInstructions::Page::TournamentSetup, true); });
    connectBuyinPages();
    connectLevelPages();
    connectPayoutPages();
    connectFinish();

    // Drawn for 1060x640; on a smaller screen (a 1024x768 projector) the
    // window takes the screen's room instead of running off its edge, where
    // the assistant's texts were cut.
    QSize wanted(1060, 640);
    if (screen())
        wanted = wanted.boundedTo(screen()->availableGeometry().size());
    resize(wanted);
    Form_Load();
}

frmAddEditTournament::~frmAddEditTournament() = default;

void frmAddEditTournament::selectAllOnFocus(QLineEdit* box) { box->installEventFilter(this); }

bool frmAddEditTournament::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            // After the focus event, or the click that brought the focus
            // would place the cursor over the selection.
            QTimer::singleShot(0, box, [box] { SelectAllText(box); });
    return QDialog::eventFilter(watched, event);
}

QVBoxLayout* frmAddEditTournament::buildPage(int page, const QString& heading)
{
    auto* column = new QVBoxLayout(frameTourney[page]);
    column->setContentsMargins(0, 0, 0, 0);
    QLabel* h = text(frameTourney[page], heading);
    QFont f = h->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    h->setFont(f);
    column->addWidget(h);
    return column;
}

QVBoxLayout* frmAddEditTournament::buildAssistant(int page, const QString& name, const QString& caption)
{
    auto* column = new QVBoxLayout(frameAssistant[page]);
    column->setContentsMargins(0, 0, 0, 0);
    if (!caption.isEmpty())
        column->addWidget(text(frameAssistant[page], caption, name));
    return column;
}

void frmAddEditTournament::Form_Load()
{
    FormatAwardsGrid(*gridAwards);
    mbLoading = true;
    ShowWizardPage(0);
    {
        const QStringList places = NumberListItems(1, MaxLevels);
        cmbNumPaid->addItems(places);
        cmbNumLevels->addItems(places);
        const QStringList allowed = NumberListItems(1, 200);
        cmbNumRebuysAllowed->addItems(allowed);
        cmbAddonNumAllowed->addItems(allowed);
        const QStringList counts = NumberListItems(0, 100);
        const QStringList colours = ChipColorListNames();
        for (int i = 0; i < ChipRows; ++i) {
            cmbNumChips[i]->addItems(counts);
            cmbChipColor[i]->addItems(colours);
        }
        cmbRebuyLevel->addItem(QStringLiteral("Any"));
        cmbRebuyLevel->setCurrentIndex(0);
        cmbAddonLevel1->addItem(QStringLiteral("Any"));
        cmbAddonLevel1->setCurrentIndex(0);
        cmbAddonLevel2->addItem(QStringLiteral("Any"));
    }
    // Nothing is chosen until the tournament is loaded.
    for (QComboBox* c : {cmbNumPaid, cmbNumLevels, cmbRound, cmbPayoutType, cmbPresets, cmbBountyAll, cmbTATableNotify,
                         cmbCustomPictureType, cmbNumRebuysAllowed, cmbAddonNumAllowed})
        c->setCurrentIndex(-1);
    mbLoading = false;
}

void frmAddEditTournament::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ShowDefaultPointer();
}

void frmAddEditTournament::ShowWizardPage(int intPage)
{
    intPage = qBound(0, intPage, PageCount - 1);
    mintCurrentPage = Integer(intPage);
    cmdPrevious->setEnabled(intPage > 0);
    cmdNext->setEnabled(intPage < PageCount - 1);
    for (int k = 0; k < PageCount; ++k) {
        frameTourney[k]->setVisible(k == intPage);
        frameAssistant[k]->setVisible(k == intPage);
        setTextColor(lblGroup[k], k == intPage ? PageShownColor : 0);
    }
}

void frmAddEditTournament::cmdNext_Click() { ShowWizardPage(mintCurrentPage + 1); }

void frmAddEditTournament::cmdPrevious_Click() { ShowWizardPage(mintCurrentPage - 1); }

void frmAddEditTournament::LoadData(bool bNewTourney)
{
    OpenTournament& t = mTourney;
    mbNewTourney = bNewTourney;
    if (bNewTourney) {
        txtDate->setText(WizardDateText(QDate::currentDate()));
        chkAddPlayers->setVisible(true);
        chkAddPlayers->setChecked(ReadLongSetting(ShowWebTrialKey) == 1);
    } else {
        txtName->setEnabled(false);
        chkAddPlayers->setVisible(false);
        chkAddPlayers->setChecked(false);
    }
    mbLoading = true;
    // A stored choice outside a list selects nothing.
    auto position
        = [](QComboBox* c, long value) { c->setCurrentIndex(value >= 0 && value < c->count() ? int(value) : -1); };
    txtName->setText(t.gstrTournamentName);
    if (!bNewTourney || !t.gvarTournamentDate.isNull())
        txtDate->setText(WizardDateText(t.gvarTournamentDate));
    txtMaxPlayersPerTable->setText(QString::number(t.gintPlayersPerTable));
    position(cmbPresets, t.gintAutoDoubleBlind);
    txtMinutesPerSession->setText(QString::number(t.glngMinutesPerSession));
    txtLittleBlind->setText(PlainNumberText(t.gdblSmall));
    txtBigBlind->setText(PlainNumberText(t.gdblBig));
    txtSmallRaise->setText(PlainNumberText(t.gdblSmallRaise));
    txtBigRaise->setText(PlainNumberText(t.gdblBigRaise));
    txtAnte->setText(PlainNumberText(t.gdblAnte));
    txtBuyin->setText(PlainNumberText(t.gdblBuyin));

    if (t.gintBlindsLevel == 0)
        t.gintBlindsLevel = 1;
    cmbNumLevels->setCurrentIndex(qBound(-1, Clamped<int>(t.gdblNumberLevels) - 1, cmbNumLevels->count() - 1));
    cmbLevel->setCurrentIndex(t.gintBlindsLevel - 1 < cmbLevel->count() ? t.gintBlindsLevel - 1 : -1);
    mintLevelAtOpen = t.gintBlindsLevel;

    cmbNumPaid->setCurrentIndex(qBound(-1, int(t.gintNumberPaid) - 1, cmbNumPaid->count() - 1));
    SelectComboText(cmbRound, QString::number(t.gintRoundTo));
    position(cmbPayoutType, t.gintPayAsPercentages);
    loadChipRows();

    txtEstNumPlayers->setText(QString::number(t.gintEstNumberofPlayers));
    txtEstNumRebuys->setText(QString::number(t.gintEstNumberofRebuys));
    txtEstNumAddons->setText(QString::number(t.gintEstNumberofAddons));
    const DurationParts duration = SplitDuration(t.gintEstDurationOfTournament);
    txtEstDurationHour->setText(duration.Hours);
    txtEstDurationMin->setText(duration.Minutes);
    txtEstTimeforBreaks->setText(QString::number(t.gintEstTimeForBreaks));
    txtEstNumBreaks->setText(QString::number(t.gintEstNumberofBreaks));
    position(cmbTATableNotify, t.glngNotifyWhenTablesCanBeReduced);

    chkAllowRebuys->setChecked(t.gintAllowRebuys == 1);
    chkAllowAddon->setChecked(t.gintAllowAddons == 1);
    chkAllowRebuys_Click();
    chkAllowAddon_Click();
    txtBuyinChipValue->setText(PlainNumberText(t.gdblBuyinChipValue));
    txtRebuy->setText(PlainNumberText(t.gdblRebuyAmount));
    txtRebuyChipValue->setText(PlainNumberText(t.gdblRebuyChipValue));
    position(cmbNumRebuysAllowed, t.gintNumberRebuys);
    position(cmbRebuyLevel, t.gintRebuyUntilLevel);
    txtAddonAmount->setText(PlainNumberText(t.gdblAddonAmount));
    txtAddonChipValue->setText(PlainNumberText(t.gdblAddonChipValue));
    position(cmbAddonNumAllowed, t.gintNumberAddons);
    position(cmbAddonLevel1, t.gintAddonLevel1);
    position(cmbAddonLevel2, t.gintAddonLevel2);
    txtTakeAmount->setText(PlainNumberText(t.gdblHouseTakeAmount));

    mstrRules = t.gstrRules;
    mstrCustomMessage = t.gstrCustomMessage;
    position(cmbCustomPictureType, t.gintCustomPictureType);
    txtFile->setText(t.gstrCustomPictureLocation);

    chkPointsAllPlayers->setChecked(t.gintUseAutoPointsAll == 1);
    chkPointsAllPlayers_Click();
    chkPointsByPosition->setChecked(t.gintUseAutoPointsbyPosition == 1);
    chkPointsByPosition_Click();
    txtPointsAllPlayers->setText(PlainNumberText(t.gdblAutoPointsAllPlayers));
    txtPointsByPosition->setText(PlainNumberText(t.gdblAutoPointsByPositionFactor));
    position(cmbBountyAll, t.gintAutoBountyType);
    cmbBountyAll_Click();
    txtBountyAllDollars->setText(PlainNumberText(t.gdblAutoBountyDollars));
    txtBountyAllPoints->setText(PlainNumberText(t.gdblAutoBountyPoints));

    LoadPayoutGrid(true);
    loadAwards();
    LoadlevelsGrid();
    LoadlevelsGridData();

    mbLoading = false;
    CalcEstimates();
    takeLevelBackup();
}

bool ShowTournamentWizard(int startPage)
{
    frmAddEditTournament wizard(openTournament(), QApplication::activeWindow());
    wizard.LoadData(false);
    for (int k = 0; k < startPage && k < frmAddEditTournament::PageCount - 1; ++k)
        wizard.cmdNext_Click();
    wizard.exec();
    return wizard.mbOKed;
}
