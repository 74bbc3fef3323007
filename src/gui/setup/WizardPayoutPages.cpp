// The wizard's payouts page with the estimated payouts and the chop, and
// the bounties and awards page.

#include "gui/setup/frmAddEditTournament.h"

#include "core/floor/SeatingEngine.h"
#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/store/MoneyFormat.h"
#include "core/store/Payouts.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/AwardsGrid.h"
#include "gui/controls/ComboSelection.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/ctlDataEntryGrid.h"
#include "gui/setup/WizardWidgets.h"
#include "gui/setup/frmAddEditAward.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>

using namespace wizard;

void frmAddEditTournament::buildPayoutsPage()
{
    QWidget* p = frameTourney[4];
    QVBoxLayout* column = buildPage(4, QStringLiteral("How will the winners be paid out?"));
    auto* choices = new QFormLayout;
    cmbPayoutType = list(
        p, QStringLiteral("cmbPayoutType"),
        {QStringLiteral("Fixed Amount"), QStringLiteral("% of Total Buyin"), QStringLiteral("Prizes (not money)")});
    cmbNumPaid = list(p, QStringLiteral("cmbNumPaid"));
    lblRound = text(p, QStringLiteral("Round to nearest"), QStringLiteral("lblRound"));
    cmbRound = list(p, QStringLiteral("cmbRound"), {"1", "5", "10", "25", "50", "100", "1000"});
    choices->addRow(text(p, QStringLiteral("How would you like to specify payouts?")), cmbPayoutType);
    choices->addRow(text(p, QStringLiteral("How many winners will be in the money?")), cmbNumPaid);
    choices->addRow(lblRound, cmbRound);
    column->addLayout(choices);
    column->addWidget(text(p, QStringLiteral("Specify payouts directly in grid:")));
    auto* payouts = new QHBoxLayout;
    grid = named(new ctlDataEntryGrid(p), "grid");
    grid->setCols(3);
    grid->setRows(2);
    grid->setRowHeight(0, 600);
    grid->setFixedRowsWordwrap(true); // two-line captions over one-line values
    const char* const headers[] = {"Finish", "Payout/ Prize", "Points (Optional)"};
    const long widths[] = {750, 1050, 1050};
    for (long c = 0; c < 3; ++c) {
        grid->setTextMatrix(0, c, QString::fromLatin1(headers[c]));
        grid->setColWidth(c, widths[c]);
        grid->setColEditable(c, c > 0);
    }
    grid->setFixedWidth(3525 / 15 + 24);
    payouts->addWidget(grid);
    cmdChop = CommandButton(p, QStringLiteral("cmdChop"), QStringLiteral("Chop Pot"));
    payouts->addWidget(cmdChop, 0, Qt::AlignTop);
    payouts->addStretch(1);
    column->addLayout(payouts, 1);

    framePointsWizard = named(new QGroupBox(QStringLiteral("Point Formula Wizard"), p), "framePointsWizard");
    auto* points = new QGridLayout(framePointsWizard);
    chkPointsAllPlayers
        = named(new QCheckBox(QStringLiteral("Auto-Award all players participating in tournament these points:"),
                              framePointsWizard),
                "chkPointsAllPlayers");
    txtPointsAllPlayers = box(framePointsWizard, QStringLiteral("txtPointsAllPlayers"), 60);
    chkPointsByPosition
        = named(new QCheckBox(QStringLiteral("Auto-Award points by finishing place of total players multiplied by:"),
                              framePointsWizard),
                "chkPointsByPosition");
    txtPointsByPosition = box(framePointsWizard, QStringLiteral("txtPointsByPosition"), 60);
    points->addWidget(chkPointsAllPlayers, 0, 0);
    points->addWidget(txtPointsAllPlayers, 0, 1);
    points->addWidget(chkPointsByPosition, 1, 0);
    points->addWidget(txtPointsByPosition, 1, 1);
    points->addWidget(text(framePointsWizard, QStringLiteral("Points are awarded upon elimination.")), 2, 0, 1, 2);
    points->addWidget(text(framePointsWizard,
                           QStringLiteral("Example: If a player finishes 2 out of 20, then 19 "
                                          "points times the factor are awarded.")),
                      3, 0, 1, 2);
    column->addWidget(framePointsWizard);

    QWidget* a = frameAssistant[4];
    QVBoxLayout* assistant = buildAssistant(4, QStringLiteral("lblTAPayouts"), QStringLiteral("Estimated payouts:"));
    gridEstPayouts = named(new FlexGrid(a), "gridEstPayouts");
    gridEstPayouts->setFixedCols(0);
    gridEstPayouts->setCols(2);
    gridEstPayouts->setRows(2);
    assistant->addWidget(gridEstPayouts, 1);
}

void frmAddEditTournament::buildBountiesPage()
{
    QWidget* p = frameTourney[5];
    QVBoxLayout* column = buildPage(5, QStringLiteral("Bounties/Awards Wizard"));
    auto* formulas = new QGroupBox(QStringLiteral("Bounties Formulas"), p);
    auto* g = new QGridLayout(formulas);
    g->addWidget(text(formulas,
                      QStringLiteral("When adding players to the tournament would you like to assign a "
                                     "bounty automatically?")),
                 0, 0, 1, 4);
    cmbBountyAll = list(formulas, QStringLiteral("cmbBountyAll"),
                        {QStringLiteral("No"), QStringLiteral("Yes, prompt me for each player"),
                         QStringLiteral("Yes, assign bounty to all players")});
    g->addWidget(cmbBountyAll, 1, 0, 1, 4);
    lblBountyAllDollars = text(formulas, QStringLiteral("Bounty Amount $"), QStringLiteral("lblBountyAllDollars"));
    txtBountyAllDollars = box(formulas, QStringLiteral("txtBountyAllDollars"), 80);
    lblBountyAllPoints = text(formulas, QStringLiteral("Bounty Points"), QStringLiteral("lblBountyAllPoints"));
    txtBountyAllPoints = box(formulas, QStringLiteral("txtBountyAllPoints"), 80);
    g->addWidget(lblBountyAllDollars, 2, 0);
    g->addWidget(txtBountyAllDollars, 2, 1);
    g->addWidget(lblBountyAllPoints, 2, 2);
    g->addWidget(txtBountyAllPoints, 2, 3);
    column->addWidget(formulas);

    frameBounty = named(new QFrame(p), "frameBounty");
    auto* awardsColumn = new QVBoxLayout(frameBounty);
    awardsColumn->setContentsMargins(0, 0, 0, 0);
    awardsColumn->addWidget(
        text(frameBounty, QStringLiteral("Will your tournament feature any bounties or other special awards?")));
    auto* row = new QHBoxLayout;
    gridAwards = named(new ctlDataEntryGrid(frameBounty), "gridAwards");
    row->addWidget(gridAwards, 1);
    auto* buttons = new QVBoxLayout;
    cmdNewAward = CommandButton(frameBounty, QStringLiteral("cmdNewAward"), QStringLiteral("New..."));
    cmdEditAward = CommandButton(frameBounty, QStringLiteral("cmdEditAward"), QStringLiteral("Edit..."));
    cmdDeleteAward = CommandButton(frameBounty, QStringLiteral("cmdDeleteAward"), QStringLiteral("Delete"));
    cmdDeleteAll = CommandButton(frameBounty, QStringLiteral("cmdDeleteAll"), QStringLiteral("Delete All"));
    for (QPushButton* b : {cmdNewAward, cmdEditAward, cmdDeleteAward, cmdDeleteAll})
        buttons->addWidget(b);
    buttons->addStretch(1);
    row->addLayout(buttons);
    awardsColumn->addLayout(row, 1);
    column->addWidget(frameBounty, 1);

    buildAssistant(5, QStringLiteral("lblTABounties"),
                   QStringLiteral("Use the Bounties and Awards Wizard to setup special bounties on players or add "
                                  "custom award payouts."))
        ->addStretch(1);
}

void frmAddEditTournament::connectPayoutPages()
{
    for (QLineEdit* b : {txtPointsAllPlayers, txtPointsByPosition, txtBountyAllDollars, txtBountyAllPoints})
        selectAllOnFocus(b);
    connect(cmbNumPaid, &QComboBox::currentIndexChanged, this,
            [this] { ReportFailures([this] { cmbNumPaid_Click(); }); });
    connect(cmbRound, &QComboBox::currentIndexChanged, this, [this] { ReportFailures([this] { cmbRound_Click(); }); });
    connect(cmbPayoutType, &QComboBox::currentIndexChanged, this,
            [this] { ReportFailures([this] { cmbPayoutType_Click(); }); });
    connect(grid, &ctlDataEntryGrid::KeyUp, this, [this] { ReportFailures([this] { CalcEstimates(); }); });
    connect(cmdChop, &QPushButton::clicked, this, [this] { ReportFailures([this] { cmdChop_Click(); }); });
    connect(chkPointsAllPlayers, &QCheckBox::toggled, this,
            [this] { ReportFailures([this] { chkPointsAllPlayers_Click(); }); });
    connect(chkPointsByPosition, &QCheckBox::toggled, this,
            [this] { ReportFailures([this] { chkPointsByPosition_Click(); }); });
    connect(cmbBountyAll, &QComboBox::currentIndexChanged, this,
            [this] { ReportFailures([this] { cmbBountyAll_Click(); }); });
    connect(txtBountyAllDollars, &QLineEdit::textChanged, this,
            [this] { ReportFailures([this] { CalcEstimates(); }); });
    connect(cmdNewAward, &QPushButton::clicked, this, [this] { ReportFailures([this] { cmdNewAward_Click(); }); });
    connect(cmdEditAward, &QPushButton::clicked, this, [this] { ReportFailures([this] { cmdEditAward_Click(); }); });
    connect(gridAwards, &ctlDataEntryGrid::DblClick, this,
            [this] { ReportFailures([this] { cmdEditAward_Click(); }); });
    connect(cmdDeleteAward, &QPushButton::clicked, this,
            [this] { ReportFailures([this] { cmdDeleteAward_Click(); }); });
    connect(cmdDeleteAll, &QPushButton::clicked, this, [this] { ReportFailures([this] { cmdDeleteAll_Click(); }); });
}

QList<PayoutRow> frmAddEditTournament::payoutGridRows() const
{
    QList<PayoutRow> rows;
    for (long r = 1; r < grid->Rows(); ++r)
        rows.append({grid->TextMatrix(r, 1), grid->TextMatrix(r, 2)});
    return rows;
}

WizardMoney frmAddEditTournament::wizardMoney() const
{
    return {work.Inputs(), cmbBountyAll->currentIndex(), txtBountyAllDollars->text(), cmbPayoutType->currentIndex(),
            payoutGridRows()};
}

void frmAddEditTournament::showPayoutRows(const QList<PayoutRow>& rows)
{
    grid->setRedraw(false);
    grid->setRows(long(rows.size()) + 1);
    for (long i = 0; i < rows.size(); ++i) {
        grid->setTextMatrix(i + 1, 0, i == 0 ? QStringLiteral("House") : QString::number(i));
        grid->setTextMatrix(i + 1, 1, rows[i].Payout);
        grid->setTextMatrix(i + 1, 2, rows[i].Points);
    }
    grid->setRedraw(true);
}

void frmAddEditTournament::LoadPayoutGrid(bool bSetPayouts)
{
    showPayoutRows(ReshapePayoutRows(payoutGridRows(), cmbNumPaid->currentIndex() + 1, bSetPayouts, mTourney,
                                     cmbPayoutType->currentIndex()));
    CalcEstimates();
}

void frmAddEditTournament::CalcEstimates()
{
    CalcEstBuyinTotals();
    CalcEstPayouts();
    CalcChipAmounts();
}

void frmAddEditTournament::CalcEstPayouts()
{
    if (mbLoading)
        return;
    const int kind = cmbPayoutType->currentIndex();
    const EstimateInputs in = work.Inputs();
    const double awardsTotal
        = AwardsTotal(awards.Payouts(), cmbBountyAll->currentIndex(), txtBountyAllDollars->text(), in.Players);
    // A rounding unit with nothing chosen counts as 1.
    const long unit = qMax(1L, long(WorkingDouble(cmbRound->currentText())));
    const QList<EstimatedPayout> rows
        = ::CalcEstPayouts(kind, PayoutTexts(payoutGridRows()), EstimatedPool(in, awardsTotal), unit);

    FlexGrid& g = *gridEstPayouts;
    g.setRedraw(false);
    g.Clear();
    g.setRows(long(rows.size()) + 1);
    g.setTextMatrix(0, 0, QStringLiteral("Finish"));
    g.setTextMatrix(0, 1, QStringLiteral("Payout"));
    g.setColAlignment(0, 0);
    g.setColAlignment(1, 6);
    g.setColWidth(0, 700);
    g.setColWidth(1, 800);
    for (long i = 0; i < rows.size(); ++i) {
        g.setTextMatrix(i + 1, 0, i == 0 ? QStringLiteral("House") : QString::number(i));
        g.setTextMatrix(
            i + 1, 1, rows[i].IsMoney ? FormatMoney(rows[i].Amount, programSettings().gstrMoneyFormat) : rows[i].Text);
    }
    g.setRedraw(true);
}

void frmAddEditTournament::cmbNumPaid_Click() { LoadPayoutGrid(false); }

void frmAddEditTournament::cmbRound_Click() { LoadPayoutGrid(false); }

void frmAddEditTournament::cmbPayoutType_Click()
{
    const int kind = cmbPayoutType->currentIndex();
    lblRound->setEnabled(kind == OpenTournament::PayPercentages);
    cmbRound->setEnabled(kind == OpenTournament::PayPercentages);
    cmdChop->setEnabled(kind != OpenTournament::PayPrizes);
    // Enter must never turn a prize into "0".
    grid->setColNumeric(1, kind != OpenTournament::PayPrizes);
    LoadPayoutGrid(false);
}

void frmAddEditTournament::cmdChop_Click()
{
    if (prompter().askYesNo(ChopQuestion()) != Prompter::Answer::Yes)
        return;
    const int left = int(PlayersStillIn(mTourney).size());
    if (left < 2)
        return;
    {
        const QSignalBlocker blocker(cmbNumPaid);
        cmbNumPaid->setCurrentIndex(qMin(left, cmbNumPaid->count()) - 1);
    }
    cmbNumPaid_Click();
    QList<PayoutRow> rows = payoutGridRows();
    if (!ChopPot(rows, left)) {
        prompter().message(ChopInvalidMessage());
        return;
    }
    showPayoutRows(rows);
    CalcEstimates();
}

void frmAddEditTournament::chkPointsAllPlayers_Click()
{
    txtPointsAllPlayers->setEnabled(chkPointsAllPlayers->isChecked());
}

void frmAddEditTournament::chkPointsByPosition_Click()
{
    txtPointsByPosition->setEnabled(chkPointsByPosition->isChecked());
}

void frmAddEditTournament::cmbBountyAll_Click()
{
    const bool on = cmbBountyAll->currentIndex() > 0;
    for (QWidget* w : std::initializer_list<QWidget*> {txtBountyAllDollars, txtBountyAllPoints, lblBountyAllDollars,
                                                       lblBountyAllPoints})
        w->setEnabled(on);
    CalcEstimates();
}

void frmAddEditTournament::loadAwards()
{
    FillAwardsGrid(*gridAwards, false, mTourney);
    QList<QStringList> rows;
    for (long r = 1; r < gridAwards->Rows(); ++r) {
        QStringList texts;
        for (long c = 0; c < gridAwards->Cols(); ++c)
            texts << gridAwards->TextMatrix(r, c);
        rows << texts;
    }
    awards = WizardAwardList(rows);
    if (awards.Placeholder())
        showAwards();
}

void frmAddEditTournament::showAwards()
{
    const QList<AwardGridRow> rows = awards.GridRows();
    gridAwards->setRedraw(false);
    gridAwards->setRows(long(rows.size()) + 1);
    for (long r = 1; r <= rows.size(); ++r)
        for (long c = 0; c < long(AwardGridRow {}.size()); ++c)
            gridAwards->setTextMatrix(r, c, rows[r - 1][c]);
    gridAwards->setRedraw(true);
}

std::optional<AwardEntry> frmAddEditTournament::askAward(frmAddEditAward& dialog, long ignoreRow)
{
    dialog.gridParent = gridAwards;
    dialog.mlngIgnoreRowForBountyCheck = ignoreRow;
    dialog.mClaims = AwardClaims(awards, ignoreRow, wizardMoney(), mTourney);
    if (!showAwardDialog(dialog))
        return std::nullopt;
    return dialog.Entry();
}

void frmAddEditTournament::cmdNewAward_Click()
{
    frmAddEditAward dialog(mTourney.glngCurrentLeagueID, this);
    dialog.txtDollars->setText(QStringLiteral("0"));
    dialog.txtPoints->setText(QStringLiteral("0"));
    if (const std::optional<AwardEntry> entry = askAward(dialog, 0)) {
        awards.Add(*entry);
        showAwards();
        CalcEstimates();
    }
}

void frmAddEditTournament::cmdEditAward_Click()
{
    const long r = gridAwards->Row();
    if (!awards.IsAward(r)) {
        prompter().message(SelectAwardToEditMessage());
        return;
    }
    const AwardGridRow& row = awards.Rows()[r - 1];
    frmAddEditAward dialog(mTourney.glngCurrentLeagueID, this);
    if (row[1] == QLatin1String("1")) {
        dialog.optBounty->setChecked(true);
        SelectComboItemData(dialog.cmbPlayer, row[2].toInt());
    } else {
        dialog.optAward->setChecked(true);
        dialog.cmbDescription->setCurrentText(row[3]);
    }
    dialog.txtDollars->setText(row[4]);
    dialog.txtPoints->setText(row[5]);
    if (const std::optional<AwardEntry> entry = askAward(dialog, r)) {
        awards.Edit(r, *entry);
        showAwards();
        CalcEstimates();
    }
}

void frmAddEditTournament::cmdDeleteAward_Click()
{
    const long r = gridAwards->Row();
    if (!awards.IsAward(r)) {
        prompter().message(SelectAwardToDeleteMessage());
        return;
    }
    if (prompter().askYesNo(DeleteAwardQuestion()) != Prompter::Answer::Yes)
        return;
    awards.Delete(r);
    showAwards();
    CalcEstimates();
}

void frmAddEditTournament::cmdDeleteAll_Click()
{
    if (prompter().askYesNo(DeleteAllAwardsQuestion()) != Prompter::Answer::Yes)
        return;
    awards.DeleteAll();
    showAwards();
    CalcEstimates();
}
