#include "gui/display/frmAppearance.h"

#include "core/display/ScreenObjects.h"
#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/CommandButton.h"
#include "gui/controls/OleColor.h"
#include "gui/display/DialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int MainSwatch = 0;
constexpr int RotatingSwatch = 5;

QGroupBox* group(QWidget* parent, const char* name, const char* caption)
{
    auto* box = new QGroupBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QCheckBox* check(QWidget* parent, const char* name, const char* caption)
{
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QComboBox* list(QWidget* parent, const char* name, const QStringList& rows)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->addItems(rows);
    return combo;
}

Integer state(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

} // namespace

frmAppearance::frmAppearance(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAppearance"));
    setWindowTitle(QStringLiteral("Appearance Settings"));
    setModal(true);

    QGroupBox* players = group(this, "Frame1", "Player List");
    optPlayerDisplay[0] = new QRadioButton(QStringLiteral("2 Columns of Players (smaller font)"), players);
    optPlayerDisplay[1] = new QRadioButton(QStringLiteral("1 Column of Players (larger font)"), players);
    chkDisplayPoints = check(players, "chkDisplayPoints", "Display Points Awarded");
    auto* playersRows = new QVBoxLayout(players);
    for (int i = 0; i < 2; ++i) {
        optPlayerDisplay[i]->setObjectName(QStringLiteral("optPlayerDisplay(%1)").arg(i));
        playersRows->addWidget(optPlayerDisplay[i]);
        connect(optPlayerDisplay[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optPlayerDisplay_Click(i);
        });
    }
    playersRows->addWidget(chkDisplayPoints);

    QGroupBox* chips = group(this, "Frame2", "Chip Values/Top Payouts");
    chkShowChipsAndPayouts = check(chips, "chkShowChipsAndPayouts", "Show Chip Values/Top Payouts");
    txtCurrencySymbol = new QLineEdit(chips);
    txtCurrencySymbol->setObjectName(QStringLiteral("txtCurrencySymbol"));
    txtCurrencySymbol->setMaximumWidth(txtCurrencySymbol->fontMetrics().horizontalAdvance(QStringLiteral("MMMMM")));
    chkCommaSeparator = check(chips, "chkCommaSeparator", "Use Comma #,###,### format");
    auto* chipRows = new QGridLayout(chips);
    chipRows->addWidget(chkShowChipsAndPayouts, 0, 0, 1, 2);
    chipRows->addWidget(NamedLabel(chips, QStringLiteral("Label1"), QStringLiteral("Currency Symbol")), 1, 0);
    chipRows->addWidget(txtCurrencySymbol, 1, 1);
    chipRows->addWidget(chkCommaSeparator, 2, 0, 1, 2);

    QGroupBox* tables = group(this, "Frame3", "Tables/Seats");
    const QStringList labels {QStringLiteral("Numbers"), QStringLiteral("Letters")};
    cmbTable = list(tables, "cmbTable", labels);
    cmbSeat = list(tables, "cmbSeat", labels);
    auto* tableRows = new QGridLayout(tables);
    tableRows->addWidget(NamedLabel(tables, QStringLiteral("Label2"), QStringLiteral("Table Labels")), 0, 0);
    tableRows->addWidget(cmbTable, 0, 1);
    tableRows->addWidget(NamedLabel(tables, QStringLiteral("Label3"), QStringLiteral("Seat Labels")), 1, 0);
    tableRows->addWidget(cmbSeat, 1, 1);

    QGroupBox* handTimer = group(this, "Frame4", "Hand Timer");
    QStringList minutes;
    for (int m = ShortestHandTimer; m <= LongestHandTimer; ++m)
        minutes << QString::number(m);
    cmbHandTimer = list(handTimer, "cmbHandTimer", minutes);
    auto* timerRow = new QHBoxLayout(handTimer);
    timerRow->addWidget(NamedLabel(handTimer, QStringLiteral("Label4"), QStringLiteral("Default Timer (minutes)")));
    timerRow->addWidget(cmbHandTimer);

    QGroupBox* fullScreen = group(this, "Frame5", "Full Screen Mode");
    chkFullScreen = check(fullScreen, "chkFullScreen", "Full Screen (No Windows Title Bar)");
    (new QVBoxLayout(fullScreen))->addWidget(chkFullScreen);
    QGroupBox* scrolling = group(this, "Frame6", "Scrolling");
    chkScroll = check(scrolling, "chkScroll", "Automatically Scroll Grids");
    (new QVBoxLayout(scrolling))->addWidget(chkScroll);
    QGroupBox* kills = group(this, "Frame7", "Kills");
    chkKills = check(kills, "chkKills", "Keep Track of Kills");
    (new QVBoxLayout(kills))->addWidget(chkKills);

    QGroupBox* colors = group(this, "Frame8", "Background Colors");
    auto* colorRows = new QGridLayout(colors);
    int row = 0;
    for (const auto& [index, caption] : {std::pair {MainSwatch, "Main Screen"}, {RotatingSwatch, "Rotating Screens"}}) {
        colorRows->addWidget(NamedLabel(colors, QStringLiteral("Label%1").arg(5 + row), QString::fromLatin1(caption)),
                             row, 0);
        lblColor[index] = NamedLabel(colors, QStringLiteral("lblColor(%1)").arg(index), QString());
        lblColor[index]->setAutoFillBackground(true);
        lblColor[index]->setFrameShape(QFrame::Box);
        lblColor[index]->setMinimumSize(48, 20);
        colorRows->addWidget(lblColor[index], row, 1);
        cmdBackgroundColor[index]
            = CommandButton(colors, QStringLiteral("cmdBackgroundColor(%1)").arg(index), QStringLiteral("..."));
        colorRows->addWidget(cmdBackgroundColor[index], row, 2);
        const int i = index;
        connect(cmdBackgroundColor[index], &QPushButton::clicked, this, [this, i] { cmdBackgroundColor_Click(i); });
        ++row;
    }

    auto* groups = new QGridLayout;
    groups->addWidget(players, 0, 0);
    groups->addWidget(chips, 0, 1);
    groups->addWidget(tables, 1, 0);
    groups->addWidget(handTimer, 1, 1);
    groups->addWidget(fullScreen, 2, 0);
    groups->addWidget(scrolling, 2, 1);
    groups->addWidget(kills, 3, 0);
    groups->addWidget(colors, 3, 1);

    cmdReset = CommandButton(this, QStringLiteral("cmdReset"), QStringLiteral("Reset to Defaults"));
    QHBoxLayout* buttons = OkCancelRow(this, cmdOK, cmdCancel);
    buttons->insertWidget(0, cmdReset);
    auto* all = new QVBoxLayout(this);
    all->addLayout(groups);
    all->addLayout(buttons);

    connect(cmdReset, &QPushButton::clicked, this, &frmAppearance::SetDefaultAppearance);
    connect(cmdOK, &QPushButton::clicked, this, &frmAppearance::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAppearance::cmdCancel_Click);
    LoadValues();
}

void frmAppearance::LoadValues()
{
    mLoaded = AppearanceShown(programSettings());
    showValues(mLoaded);
}

void frmAppearance::SetDefaultAppearance()
{
    showValues(DefaultAppearance(shownValues(), programSettings().glngPlayerDisplay));
}

void frmAppearance::showValues(const AppearanceValues& v)
{
    optPlayerDisplay[v.PlayerDisplay == 1 ? 1 : 0]->setChecked(true);
    optPlayerDisplay_Click(v.PlayerDisplay == 1 ? 1 : 0);
    chkDisplayPoints->setChecked(v.DisplayPointsInGrid == 1);
    chkShowChipsAndPayouts->setChecked(v.ShowChipsAndPayouts == 1);
    txtCurrencySymbol->setText(v.CurrencySymbol);
    chkCommaSeparator->setChecked(v.CommaSeparator == 1);
    setSwatch(MainSwatch, v.MainBGColor);
    setSwatch(RotatingSwatch, v.RotatingBGColor);
    cmbTable->setCurrentIndex(v.TableID);
    cmbSeat->setCurrentIndex(v.SeatID);
    cmbHandTimer->setCurrentIndex(v.HandTimer - ShortestHandTimer);
    chkFullScreen->setChecked(v.FullScreen == 1);
    chkScroll->setChecked(v.AutoScroll == 1);
    chkKills->setChecked(v.TrackKills == 1);
}

AppearanceValues frmAppearance::shownValues() const
{
    AppearanceValues v;
    v.PlayerDisplay = optPlayerDisplay[0]->isChecked() ? 0 : 1;
    v.DisplayPointsInGrid = state(chkDisplayPoints);
    v.ShowChipsAndPayouts = state(chkShowChipsAndPayouts);
    v.CurrencySymbol = txtCurrencySymbol->text();
    v.CommaSeparator = state(chkCommaSeparator);
    v.MainBGColor = mSwatch[MainSwatch];
    v.RotatingBGColor = mSwatch[RotatingSwatch];
    v.TableID = static_cast<Integer>(cmbTable->currentIndex());
    v.SeatID = static_cast<Integer>(cmbSeat->currentIndex());
    v.HandTimer = static_cast<Integer>(cmbHandTimer->currentIndex() + ShortestHandTimer);
    v.FullScreen = state(chkFullScreen);
    v.AutoScroll = state(chkScroll);
    v.TrackKills = state(chkKills);
    return v;
}

void frmAppearance::setSwatch(int Index, OleColor color)
{
    mSwatch[Index] = color;
    SetPaletteColor(lblColor[Index], QPalette::Window, color);
}

void frmAppearance::optPlayerDisplay_Click(int Index) { chkDisplayPoints->setEnabled(Index == 1); }

void frmAppearance::cmdBackgroundColor_Click(int Index)
{
    if (const std::optional<quint32> chosen = prompter().chooseColor(mSwatch[Index]))
        setSwatch(Index, *chosen);
}

void frmAppearance::cmdOK_Click()
{
    const AppearanceValues v = shownValues();
    ScreenObjectTable& table = screenObjects();
    const Integer gridEntry = table.gintPlayersGridObject;
    if (v.PlayerDisplay != mLoaded.PlayerDisplay && playersGridDefaultSize && gridEntry > 0) {
        ScreenObject& grid = table.gtypScreenObjects[gridEntry];
        const Integer before = grid.FontSize;
        grid.FontSize = playersGridDefaultSize(v.PlayerDisplay);
        // A size that cannot be stored is not kept either; the dialog stays.
        if (!ReportFailures([&table, gridEntry] { table.SaveScreenObjectFont(gobjDatabase(), gridEntry); })) {
            grid.FontSize = before;
            return;
        }
    }
    if (v.FullScreen != mLoaded.FullScreen)
        prompter().message(QString::fromLatin1(FullScreenNotice));
    StoreAppearance(programSettings(), v);
    relayout();
    accept();
}

void frmAppearance::cmdCancel_Click() { reject(); }
