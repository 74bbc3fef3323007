// The wizard's first three pages: basics, buying in with the money
// estimates, and the chips with the chip counts.

#include "gui/setup/frmAddEditTournament.h"

#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/store/ChipColors.h"
#include "core/store/MoneyFormat.h"
#include "core/store/PlainNumberText.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/ComboSelection.h"
#include "gui/controls/OleColor.h"
#include "gui/controls/PictureFile.h"
#include "gui/setup/WizardWidgets.h"
#include "gui/setup/frmChipPreview.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QPixmap>
#include <algorithm>

using namespace wizard;

namespace {

QString money(double amount) { return FormatMoney(amount, programSettings().gstrMoneyFormat); }

// The chips selected against a buy-in's chip value: dark green when they
// match, red when not; both read on the page's grey.
constexpr OleColor ChipsMatchColor = 0x008000;
constexpr OleColor ChipsDifferColor = 0x0000FF;

} // namespace

void frmAddEditTournament::buildBasicsPage()
{
    QWidget* p = frameTourney[0];
    QVBoxLayout* column = buildPage(0, QStringLiteral("Welcome to the Zorvane Tournament Setup Wizard!"));
    txtName = box(p, QStringLiteral("txtName"), 320);
    txtDate = box(p, QStringLiteral("txtDate"), 120);
    txtMaxPlayersPerTable = box(p, QStringLiteral("txtMaxPlayersPerTable"), 60);
    column->addWidget(text(p, QStringLiteral("What name would you like to give to this tournament?")));
    column->addWidget(txtName);
    column->addWidget(text(p, QStringLiteral("On what date will this tournament be held?")));
    column->addWidget(txtDate);
    column->addWidget(text(p, QStringLiteral("What is the maximum # of players per table?")));
    column->addWidget(txtMaxPlayersPerTable);
    column->addStretch(1);
    buildAssistant(0, QStringLiteral("lblTAWelcome"),
                   QStringLiteral("The Tournament Assistant will help you setup your tournament.  Using the "
                                  "Assistant is optional."))
        ->addStretch(1);
}

void frmAddEditTournament::buildBuyinPage()
{
    QWidget* p = frameTourney[1];
    QVBoxLayout* column = buildPage(1, QStringLiteral("What are the guidelines for buying in?"));
    auto* g = new QGridLayout;
    column->addLayout(g);
    txtBuyin = box(p, QStringLiteral("txtBuyin"));
    txtBuyinChipValue = box(p, QStringLiteral("txtBuyinChipValue"));
    lblTakeAmount = text(p, QStringLiteral("Plus House Fee"), QStringLiteral("lblTakeAmount"));
    txtTakeAmount = box(p, QStringLiteral("txtTakeAmount"));
    g->addWidget(text(p, QStringLiteral("Buyin Amount")), 0, 0);
    g->addWidget(txtBuyin, 0, 1);
    g->addWidget(text(p, QStringLiteral("Chip Value")), 0, 2);
    g->addWidget(txtBuyinChipValue, 0, 3);
    g->addWidget(lblTakeAmount, 1, 0);
    g->addWidget(txtTakeAmount, 1, 1);

    chkAllowRebuys = named(new QCheckBox(QStringLiteral("Allow Rebuys"), p), "chkAllowRebuys");
    lblRebuy = text(p, QStringLiteral("Rebuy Amount"), QStringLiteral("lblRebuy"));
    txtRebuy = box(p, QStringLiteral("txtRebuy"));
    lblRebuyChipValue = text(p, QStringLiteral("Chip Value"), QStringLiteral("lblRebuyChipValue"));
    txtRebuyChipValue = box(p, QStringLiteral("txtRebuyChipValue"));
    lblNumRebuysAllowed = text(p, QStringLiteral("Number Allowed"), QStringLiteral("lblNumRebuysAllowed"));
    cmbNumRebuysAllowed = list(p, QStringLiteral("cmbNumRebuysAllowed"), {QStringLiteral("Unlimited")});
    lblRebuylevel = text(p, QStringLiteral("Until Level"), QStringLiteral("lblRebuylevel"));
    cmbRebuyLevel = list(p, QStringLiteral("cmbRebuyLevel"));
    g->addWidget(chkAllowRebuys, 2, 0, 1, 4);
    g->addWidget(lblRebuy, 3, 0);
    g->addWidget(txtRebuy, 3, 1);
    g->addWidget(lblRebuyChipValue, 3, 2);
    g->addWidget(txtRebuyChipValue, 3, 3);
    g->addWidget(lblNumRebuysAllowed, 4, 0);
    g->addWidget(cmbNumRebuysAllowed, 4, 1);
    g->addWidget(lblRebuylevel, 4, 2);
    g->addWidget(cmbRebuyLevel, 4, 3);

    chkAllowAddon = named(new QCheckBox(QStringLiteral("Allow Add-on Chips"), p), "chkAllowAddon");
    lblAddonAmount = text(p, QStringLiteral("Add-on Amount"), QStringLiteral("lblAddonAmount"));
    txtAddonAmount = box(p, QStringLiteral("txtAddonAmount"));
    lblAddonChipValue = text(p, QStringLiteral("Chip Value"), QStringLiteral("lblAddonChipValue"));
    txtAddonChipValue = box(p, QStringLiteral("txtAddonChipValue"));
    lblAddonNumAllowed = text(p, QStringLiteral("Number Allowed"), QStringLiteral("lblAddonNumAllowed"));
    cmbAddonNumAllowed = list(p, QStringLiteral("cmbAddonNumAllowed"), {QStringLiteral("Unlimited")});
    lblAddonLevels = text(p, QStringLiteral("Between Levels"), QStringLiteral("lblAddonLevels"));
    cmbAddonLevel1 = list(p, QStringLiteral("cmbAddonLevel1"));
    lblAddonLevelsAnd = text(p, QStringLiteral("to"), QStringLiteral("lblAddonLevelsAnd"));
    cmbAddonLevel2 = list(p, QStringLiteral("cmbAddonLevel2"));
    g->addWidget(chkAllowAddon, 5, 0, 1, 4);
    g->addWidget(lblAddonAmount, 6, 0);
    g->addWidget(txtAddonAmount, 6, 1);
    g->addWidget(lblAddonChipValue, 6, 2);
    g->addWidget(txtAddonChipValue, 6, 3);
    g->addWidget(lblAddonNumAllowed, 7, 0);
    g->addWidget(cmbAddonNumAllowed, 7, 1);
    auto* between = new QHBoxLayout;
    between->addWidget(lblAddonLevels);
    between->addWidget(cmbAddonLevel1);
    between->addWidget(lblAddonLevelsAnd);
    between->addWidget(cmbAddonLevel2);
    g->addLayout(between, 8, 0, 1, 4);
    column->addStretch(1);

    QWidget* a = frameAssistant[1];
    QVBoxLayout* assistant = buildAssistant(1, QString(), QString());
    auto* estimates = new QFormLayout;
    txtEstNumPlayers = box(a, QStringLiteral("txtEstNumPlayers"), 60);
    txtEstNumRebuys = box(a, QStringLiteral("txtEstNumRebuys"), 60);
    txtEstNumAddons = box(a, QStringLiteral("txtEstNumAddons"), 60);
    estimates->addRow(QStringLiteral("Estimated # of Players"), txtEstNumPlayers);
    estimates->addRow(QStringLiteral("Estimated # of Rebuys"), txtEstNumRebuys);
    estimates->addRow(QStringLiteral("Estimated # of Addons"), txtEstNumAddons);
    assistant->addLayout(estimates);
    assistant->addWidget(text(a, QStringLiteral("You can expect the following estimated totals:")));
    auto* totals = new QFormLayout;
    lblEstTotalCollected = text(a, QString(), QStringLiteral("lblEstTotalCollected"));
    lblEstTotalFromBuyins = text(a, QString(), QStringLiteral("lblEstTotalFromBuyins"));
    lblEstTotalFromRebuys = text(a, QString(), QStringLiteral("lblEstTotalFromRebuys"));
    lblEstTotalFromAddons = text(a, QString(), QStringLiteral("lblEstTotalFromAddons"));
    lblEstTotalHouseFee = text(a, QString(), QStringLiteral("lblEstTotalHouseFee"));
    lblEstTotalChipAmount = text(a, QString(), QStringLiteral("lblEstTotalChipAmount"));
    totals->addRow(QStringLiteral("Total Collected"), lblEstTotalCollected);
    totals->addRow(QStringLiteral("From Buyins"), lblEstTotalFromBuyins);
    totals->addRow(QStringLiteral("From Rebuys"), lblEstTotalFromRebuys);
    totals->addRow(QStringLiteral("From Addons"), lblEstTotalFromAddons);
    totals->addRow(QStringLiteral("House Fee"), lblEstTotalHouseFee);
    totals->addRow(QStringLiteral("Chip Amount"), lblEstTotalChipAmount);
    assistant->addLayout(totals);
    assistant->addStretch(1);
}

void frmAddEditTournament::buildChipsPage()
{
    QWidget* p = frameTourney[2];
    QVBoxLayout* column = buildPage(2, QStringLiteral("What color chips will you be using?"));
    auto* g = new QGridLayout;
    column->addLayout(g);
    g->addWidget(text(p, QStringLiteral("Color/Picture")), 0, 0);
    g->addWidget(text(p, QStringLiteral("Chip Value")), 0, 1);
    QWidget* a = frameAssistant[2];
    QVBoxLayout* assistant = buildAssistant(2, QStringLiteral("lblTAChips"),
                                            QStringLiteral("Adjust the chip counts below to determine a good "
                                                           "starting amount of chips for the initial buyin:"));
    auto* counts = new QGridLayout;
    assistant->addLayout(counts);
    counts->addWidget(text(a, QStringLiteral("Color")), 0, 0);
    counts->addWidget(text(a, QStringLiteral("# of Chips/ Player")), 0, 1);
    counts->addWidget(text(a, QStringLiteral("Chips Needed")), 0, 2);
    for (int i = 0; i < ChipRows; ++i) {
        cmbChipColor[i] = list(p, WizardControlName("cmbChipColor", i));
        txtChipAmount[i] = box(p, WizardControlName("txtChipAmount", i), 80);
        txtChipPicture[i] = box(p, WizardControlName("txtChipPicture", i), 400);
        cmdBrowsePic[i] = CommandButton(p, WizardControlName("cmdBrowsePic", i), QStringLiteral("..."));
        cmdBrowsePic[i]->setFixedWidth(30);
        cmdViewChip[i] = CommandButton(p, WizardControlName("cmdViewChip", i), QStringLiteral("Preview"));
        g->addWidget(cmbChipColor[i], i + 1, 0);
        g->addWidget(txtChipAmount[i], i + 1, 1);
        g->addWidget(txtChipPicture[i], i + 1, 2);
        g->addWidget(cmdBrowsePic[i], i + 1, 3);
        g->addWidget(cmdViewChip[i], i + 1, 4);
        // One line each, in a column as wide as the longest name: choosing
        // "Custom Picture" moves nothing on the panel.
        lblChipColor[i] = text(a, QString(), WizardControlName("lblChipColor", i));
        lblChipColor[i]->setWordWrap(false);
        cmbNumChips[i] = list(a, WizardControlName("cmbNumChips", i));
        lblChipsNeeded[i] = text(a, QString(), WizardControlName("lblChipsNeeded", i));
        counts->addWidget(lblChipColor[i], i + 1, 0);
        counts->addWidget(cmbNumChips[i], i + 1, 1);
        counts->addWidget(lblChipsNeeded[i], i + 1, 2);
    }
    int widestName = 0;
    for (const QString& name : ChipColorListNames())
        widestName = std::max(widestName, lblChipColor[0]->fontMetrics().horizontalAdvance(name));
    counts->setColumnMinimumWidth(0, widestName);
    column->addStretch(1);
    auto* sums = new QFormLayout;
    lblChipAmount = text(a, QString(), QStringLiteral("lblChipAmount"));
    lblStartingChipAmount = text(a, QString(), QStringLiteral("lblStartingChipAmount"));
    sums->addRow(QStringLiteral("Amount as Selected:"), lblChipAmount);
    sums->addRow(QStringLiteral("Starting Chip Amount"), lblStartingChipAmount);
    assistant->addLayout(sums);
    assistant->addStretch(1);
}

void frmAddEditTournament::connectBuyinPages()
{
    for (QLineEdit* b :
         {txtName, txtDate, txtMaxPlayersPerTable, txtBuyin, txtBuyinChipValue, txtTakeAmount, txtRebuy,
          txtRebuyChipValue, txtAddonAmount, txtAddonChipValue, txtEstNumPlayers, txtEstNumRebuys, txtEstNumAddons})
        selectAllOnFocus(b);
    for (QLineEdit* b : {txtBuyin, txtBuyinChipValue, txtTakeAmount, txtRebuy, txtRebuyChipValue, txtAddonAmount,
                         txtAddonChipValue, txtEstNumPlayers, txtEstNumRebuys, txtEstNumAddons})
        connect(b, &QLineEdit::textChanged, this, [this, b] { ReportFailures([this, b] { estimateBox_Change(b); }); });
    connect(chkAllowRebuys, &QCheckBox::toggled, this, [this] { ReportFailures([this] { chkAllowRebuys_Click(); }); });
    connect(chkAllowAddon, &QCheckBox::toggled, this, [this] { ReportFailures([this] { chkAllowAddon_Click(); }); });
    for (int i = 0; i < ChipRows; ++i) {
        selectAllOnFocus(txtChipAmount[i]);
        connect(cmbChipColor[i], &QComboBox::currentIndexChanged, this,
                [this, i] { ReportFailures([this, i] { cmbChipColor_Click(i); }); });
        connect(cmbNumChips[i], &QComboBox::currentIndexChanged, this,
                [this] { ReportFailures([this] { CalcEstimates(); }); });
        connect(txtChipAmount[i], &QLineEdit::textChanged, this,
                [this] { ReportFailures([this] { CalcEstimates(); }); });
        connect(cmdViewChip[i], &QPushButton::clicked, this,
                [this, i] { ReportFailures([this, i] { cmdViewChip_Click(i); }); });
        connect(cmdBrowsePic[i], &QPushButton::clicked, this,
                [this, i] { ReportFailures([this, i] { cmdBrowsePic_Click(i); }); });
    }
}

void frmAddEditTournament::estimateBox_Change(QLineEdit* b)
{
    const QString value = b->text();
    if (b == txtEstNumPlayers)
        work.mintEstPlayers = WorkingInteger(value);
    else if (b == txtEstNumRebuys)
        work.mintEstRebuys = WorkingInteger(value);
    else if (b == txtEstNumAddons)
        work.mintEstAddons = WorkingInteger(value);
    else if (b == txtBuyin)
        work.mdblBuyin = WorkingDouble(value);
    else if (b == txtTakeAmount)
        work.mdblHouseFee = WorkingDouble(value);
    else if (b == txtBuyinChipValue) {
        work.mdblBuyinChipValue = WorkingDouble(value);
        lblStartingChipAmount->setText(money(work.mdblBuyinChipValue));
    } else if (b == txtRebuy || b == txtRebuyChipValue) {
        AdjustRebuys();
        return;
    } else if (b == txtAddonAmount || b == txtAddonChipValue) {
        AdjustAddons();
        return;
    }
    CalcEstimates();
}

void frmAddEditTournament::chkAllowRebuys_Click()
{
    const bool on = chkAllowRebuys->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*> {lblRebuy, txtRebuy, lblRebuyChipValue, txtRebuyChipValue,
                                                       lblNumRebuysAllowed, cmbNumRebuysAllowed})
        w->setVisible(on);
    const bool levels = on && cmbPresets->currentIndex() == 2;
    lblRebuylevel->setVisible(levels);
    cmbRebuyLevel->setVisible(levels);
    AdjustRebuys();
}

void frmAddEditTournament::chkAllowAddon_Click()
{
    const bool on = chkAllowAddon->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*> {lblAddonAmount, txtAddonAmount, lblAddonChipValue,
                                                       txtAddonChipValue, lblAddonNumAllowed, cmbAddonNumAllowed})
        w->setVisible(on);
    const bool levels = on && cmbPresets->currentIndex() == 2;
    for (QWidget* w :
         std::initializer_list<QWidget*> {lblAddonLevels, cmbAddonLevel1, lblAddonLevelsAnd, cmbAddonLevel2})
        w->setVisible(levels);
    AdjustAddons();
}

void frmAddEditTournament::AdjustRebuys()
{
    const bool on = chkAllowRebuys->isChecked();
    work.mdblRebuyAmount = on ? WorkingDouble(txtRebuy->text()) : 0;
    work.mdblRebuyChipValue = on ? WorkingDouble(txtRebuyChipValue->text()) : 0;
    CalcEstimates();
}

void frmAddEditTournament::AdjustAddons()
{
    const bool on = chkAllowAddon->isChecked();
    work.mdblAddonAmount = on ? WorkingDouble(txtAddonAmount->text()) : 0;
    work.mdblAddonChipValue = on ? WorkingDouble(txtAddonChipValue->text()) : 0;
    CalcEstimates();
}

void frmAddEditTournament::loadChipRows()
{
    const OpenTournament& t = mTourney;
    for (int i = 0; i < ChipRows; ++i) {
        SelectComboText(cmbChipColor[i], t.gstrChipColor.value(i));
        SelectComboText(cmbNumChips[i], QString::number(t.gintStartingChipCount.value(i)));
        txtChipAmount[i]->setText(PlainNumberText(t.gdblChipAmount.value(i)));
        txtChipPicture[i]->setText(t.gstrChipPicture.value(i));
        cmbChipColor_Click(i);
    }
}

void frmAddEditTournament::cmbChipColor_Click(int i)
{
    lblChipColor[i]->setText(cmbChipColor[i]->currentText());
    CalcEstimates();
    const ChipRowState row = ChipRowRules(cmbChipColor[i]->currentIndex());
    if (row.CountToZero)
        SelectComboText(cmbNumChips[i], QStringLiteral("0"));
    cmbNumChips[i]->setEnabled(row.CountEnabled);
    txtChipPicture[i]->setEnabled(row.PictureEnabled);
    cmdBrowsePic[i]->setEnabled(row.PictureEnabled);
}

void frmAddEditTournament::cmdViewChip_Click(int i)
{
    frmChipPreview preview(this);
    preview.imgChip->hide();
    const QString name = cmbChipColor[i]->currentText();
    if (const std::optional<OleColor> color = ChipColorByName(name)) {
        SetPaletteColor(preview.shpChip, QPalette::Window, *color);
    } else if (name == QLatin1String(ChipCustomPicture)) {
        preview.shpChip->hide();
        preview.imgChip->show();
        // A picture that cannot be read leaves the preview empty.
        preview.imgChip->setPixmap(
            QPixmap::fromImage(ReadPictureFile(txtChipPicture[i]->text(), preview.imgChip).Image));
    } else {
        preview.shpChip->hide();
    }
    preview.exec();
}

void frmAddEditTournament::cmdBrowsePic_Click(int i)
{
    const QString current = txtChipPicture[i]->text();
    if (const std::optional<QString> chosen = prompter().openFileName(PictureFilter, current, current))
        txtChipPicture[i]->setText(*chosen);
}

void frmAddEditTournament::CalcEstBuyinTotals()
{
    if (mbLoading)
        return;
    const EstimateTotals t = ::CalcEstBuyinTotals(work.Inputs());
    lblEstTotalFromBuyins->setText(money(t.FromBuyins));
    lblEstTotalFromRebuys->setText(money(t.FromRebuys));
    lblEstTotalFromAddons->setText(money(t.FromAddons));
    lblEstTotalHouseFee->setText(money(t.HouseFee));
    lblEstTotalCollected->setText(money(t.Collected));
    lblEstTotalChipAmount->setText(money(t.Chips));
}

void frmAddEditTournament::CalcChipAmounts()
{
    if (mbLoading)
        return;
    QList<ChipEstimateRow> rows;
    for (int i = 0; i < ChipRows; ++i)
        rows.append({WorkingDouble(txtChipAmount[i]->text()), WorkingDouble(cmbNumChips[i]->currentText())});
    // Compared with the buy-in's chip value itself: the label shows it with
    // the currency symbol, which would never read back as the number.
    const ChipEstimates e = ::CalcChipAmounts(rows, work.mintEstPlayers, work.mdblBuyinChipValue);
    for (int i = 0; i < ChipRows; ++i)
        lblChipsNeeded[i]->setText(e.Needed.value(i));
    lblChipAmount->setText(money(e.Selected));
    setTextColor(lblChipAmount, e.MatchesStartingChips ? ChipsMatchColor : ChipsDifferColor);
}
