#include "gui/setup/frmTALevelGeneratorSetup.h"

#include "gui/controls/Named.h"

#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/setup/BlindGenerator.h"
#include "core/store/Nz.h"
#include "core/store/PlainNumberText.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/SelectAllText.h"
#include "gui/controls/ctlDataEntryGrid.h"
#include "gui/platform/BusyPointer.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The grid always has a free row past the list, and never fewer rows than
// it was designed with.
constexpr long DesignedRows = 500;

} // namespace

frmTALevelGeneratorSetup::frmTALevelGeneratorSetup(QWidget* parent)
    : QDialog(parent)
    , txtRoundTo(named(new QLineEdit(this), "txtRoundTo"))
    , txtStartingBig(named(new QLineEdit(this), "txtStartingBig"))
    , txtEndingBig(named(new QLineEdit(this), "txtEndingBig"))
    , txtNumSafety(named(new QLineEdit(this), "txtNumSafety"))
    , chkLimitByChip(
          named(new QCheckBox(QStringLiteral("Limit the initial small blind based on the smallest size chip"), this),
                "chkLimitByChip"))
    , optTable(named(new QRadioButton(QStringLiteral("Increase Using Table Below"), this), "optTable"))
    , optDouble(named(new QRadioButton(QStringLiteral("Increase by Doubling Each Session"), this), "optDouble"))
    , gridLevels(named(new ctlDataEntryGrid(this), "gridLevels"))
    , cmdRestore(named(new QPushButton(QStringLiteral("Restore Defaults"), this), "cmdRestore"))
    , cmdOK(named(new QPushButton(QStringLiteral("OK"), this), "cmdOK"))
    , cmdCancel(named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel"))
{
    setObjectName(QStringLiteral("frmTALevelGeneratorSetup"));
    setWindowTitle(QStringLiteral("Configure Auto Generation of Levels"));

    auto* intro = new QLabel(QStringLiteral("Modify the parameters below to adjust the way that the Tournament "
                                            "Assistant auto-creates your blinds schedule."),
                             this);
    intro->setWordWrap(true);
    auto* settings = named(new QGroupBox(QStringLiteral("Settings"), this), "frameSettings");
    auto* form = new QFormLayout(settings);
    const std::pair<QLineEdit*, const char*> rows[] = {
        {txtRoundTo, "When determining the time for each level, round to the nearest"},
        {txtStartingBig, "% of buyin for the starting big blind"},
        {txtEndingBig, "% of total chips for the ending big blind"},
        {txtNumSafety, "# of 'safety' levels to add past the likely ending level"},
    };
    for (const auto& [box, caption] : rows) {
        box->setMaximumWidth(60);
        form->addRow(box, new QLabel(QString::fromLatin1(caption), settings));
    }
    form->addRow(chkLimitByChip);

    auto* schedule = named(new QGroupBox(QStringLiteral("Small Blinds Schedule"), this), "frameSchedule");
    auto* scheduleLayout = new QVBoxLayout(schedule);
    scheduleLayout->addWidget(optTable);
    scheduleLayout->addWidget(optDouble);
    gridLevels->setCols(1);
    gridLevels->setFixedCols(0);
    gridLevels->setRows(DesignedRows);
    gridLevels->setTextMatrix(0, 0, QStringLiteral("Small Blind"));
    gridLevels->setColWidth(0, 1650);
    gridLevels->setColEditable(0, true);
    gridLevels->setMinimumHeight(200);
    scheduleLayout->addWidget(gridLevels, 1);
    scheduleLayout->addWidget(
        new QLabel(QStringLiteral("Note:  Big blind is always twice the small blind."), schedule));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdRestore);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(settings);
    layout->addWidget(schedule, 1);
    layout->addLayout(buttons);

    cmdOK->setDefault(true);
    connect(optDouble, &QRadioButton::toggled, this, [this](bool on) { gridLevels->setEnabled(!on); });
    connect(cmdRestore, &QPushButton::clicked, this, &frmTALevelGeneratorSetup::cmdRestore_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmTALevelGeneratorSetup::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    showSettings(GeneratorSettingsOf(programSettings()));
    LoadGrid(false);
}

void frmTALevelGeneratorSetup::showSettings(const GeneratorSettings& s)
{
    const bool doubling = s.DoubleBlinds != 0;
    (doubling ? optDouble : optTable)->setChecked(true);
    gridLevels->setEnabled(!doubling);
    txtNumSafety->setText(QString::number(s.NumSafetySessions));
    txtRoundTo->setText(QString::number(s.RoundSessionTimeTo));
    txtEndingBig->setText(PlainNumberText(s.EndBlindOnBigPercentage));
    txtStartingBig->setText(PlainNumberText(s.StartBlindOnBigPercentage));
    chkLimitByChip->setChecked(s.FactorSmallestChipIn == 1);
}

void frmTALevelGeneratorSetup::LoadGrid(bool bRestoreDefaults)
{
    QList<Single> amounts;
    if (!ReportFailures([&] { amounts = LoadDefaultSmallBlinds(gobjDatabase(), bRestoreDefaults); }))
        amounts = BuiltInSmallBlinds();
    // Rows left from an earlier, longer list would be saved with the new one.
    gridLevels->setRedraw(false);
    gridLevels->setRows(1);
    gridLevels->setRows(std::max<long>(DesignedRows, long(amounts.size()) + 1));
    for (long i = 1; i <= amounts.size(); ++i)
        gridLevels->setTextMatrix(i, 0, SmallBlindCellText(amounts[i - 1]));
    gridLevels->setRedraw(true);
}

void frmTALevelGeneratorSetup::cmdRestore_Click()
{
    LoadGrid(true);
    showSettings(GeneratorSettings {});
}

void frmTALevelGeneratorSetup::cmdOK_Click()
{
    const QString refused = GeneratorSettingsError(txtRoundTo->text(), txtNumSafety->text(), txtStartingBig->text(),
                                                   txtEndingBig->text());
    if (!refused.isEmpty()) {
        prompter().message(refused);
        return;
    }
    QStringList cells;
    for (long r = 1; r < gridLevels->Rows(); ++r)
        cells.append(gridLevels->TextMatrix(r, 0));
    if (const int slip = RefusedSmallBlindCell(cells); slip >= 0) {
        prompter().message(SmallBlindsNumericMessage());
        FocusRefused(gridLevels);
        gridLevels->ShowCell(slip + 1, 0);
        return;
    }
    BusyPointer busy;
    if (!ReportFailures([&] { SaveDefaultSmallBlinds(gobjDatabase(), SmallBlindCellAmounts(cells)); }))
        return;

    // The table is saved: now the settings, in memory and in Defaults.ini.
    GeneratorSettings g;
    g.DoubleBlinds = optTable->isChecked() ? 0 : 1;
    g.NumSafetySessions = NzInteger(txtNumSafety->text());
    g.RoundSessionTimeTo = NzInteger(txtRoundTo->text());
    g.EndBlindOnBigPercentage = NzDouble(txtEndingBig->text());
    g.StartBlindOnBigPercentage = NzDouble(txtStartingBig->text());
    g.FactorSmallestChipIn = chkLimitByChip->isChecked() ? 1 : 0;
    StoreGeneratorSettings(programSettings(), g);
    accept();
}
