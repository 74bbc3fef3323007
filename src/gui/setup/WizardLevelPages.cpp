// The wizard's levels, reminders and advanced pages.

#include "gui/setup/frmAddEditTournament.h"

#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/platform/Twips.h"
#include "gui/controls/ctlButton.h"
#include "gui/controls/ctlDataEntryGrid.h"
#include "gui/setup/WizardWidgets.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <algorithm>

using namespace wizard;

namespace {

void rebuildLevelList(QComboBox* combo, const QString& first, int levels)
{
    const int remembered = combo->currentIndex();
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(LevelListItems(first, levels));
    combo->setCurrentIndex(KeptListPosition(remembered, combo->count()));
}

} // namespace

void frmAddEditTournament::buildLevelsPage()
{
    QWidget* p = frameTourney[3];
    QVBoxLayout* column = buildPage(3, QStringLiteral("How would you like to manage the sessions?"));
    cmbPresets = list(p, QStringLiteral("cmbPresets"),
                      {QStringLiteral("Manual - Manuallly Adjust Blinds/Ante/Raises After Each Session"),
                       QStringLiteral("Semi Automated - Auto Double Blinds/Ante/Raises and Restart Clock"),
                       QStringLiteral("Fully Automated - Preset Levels (Recommended)")});
    column->addWidget(cmbPresets);

    frameCurrent = named(new QFrame(p), "frameCurrent");
    auto* current = new QFormLayout(frameCurrent);
    current->addRow(text(frameCurrent,
                         QStringLiteral("Note:  Enter '0' for any item you will not use for your "
                                        "tournament.")));
    lblLittle = text(frameCurrent, QStringLiteral("Small Blind"), QStringLiteral("lblLittle"));
    lblBig = text(frameCurrent, QStringLiteral("Big Blind"), QStringLiteral("lblBig"));
    txtLittleBlind = box(frameCurrent, QStringLiteral("txtLittleBlind"));
    txtBigBlind = box(frameCurrent, QStringLiteral("txtBigBlind"));
    txtSmallRaise = box(frameCurrent, QStringLiteral("txtSmallRaise"));
    txtBigRaise = box(frameCurrent, QStringLiteral("txtBigRaise"));
    txtAnte = box(frameCurrent, QStringLiteral("txtAnte"));
    txtMinutesPerSession = box(frameCurrent, QStringLiteral("txtMinutesPerSession"));
    current->addRow(lblLittle, txtLittleBlind);
    current->addRow(lblBig, txtBigBlind);
    current->addRow(QStringLiteral("Small Raise"), txtSmallRaise);
    current->addRow(QStringLiteral("Big Raise"), txtBigRaise);
    current->addRow(QStringLiteral("Ante"), txtAnte);
    current->addRow(QStringLiteral("Minutes per Session"), txtMinutesPerSession);
    column->addWidget(frameCurrent);

    framePresets = named(new QFrame(p), "framePresets");
    auto* presets = new QVBoxLayout(framePresets);
    presets->setContentsMargins(0, 0, 0, 0);
    gridLevels = named(new ctlDataEntryGrid(framePresets), "gridLevels");
    gridLevels->setCols(8);
    gridLevels->setRows(1);
    gridLevels->setRowHeight(0, 800);
    gridLevels->setFixedRowsWordwrap(true); // two-line captions over one-line values
    gridLevels->setBackColorFixed(0xC0C0C0);
    gridLevels->setColWidth(0, 400);
    const char* const headers[]
        = {"Ante", "Small Blind", "Big Blind", "Small Raise", "Big Raise", "Session Time (Min.)", "Break Time (Min.)"};
    for (long c = 1; c < 8; ++c) {
        gridLevels->setColWidth(c, 730);
        gridLevels->setColEditable(c, true);
        gridLevels->setTextMatrix(0, c, QString::fromLatin1(headers[c - 1]));
    }
    gridLevels->setColWidth(1, 650);
    gridLevels->setColWidth(6, 840);
    // The amount columns show the largest blinds a level takes (seven
    // digits, 9999999) whole, with the cell's margins, in whatever font the
    // grid has.
    const long sevenDigits = PixelsToTwips(gridLevels->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 10);
    for (long c = 1; c <= 5; ++c)
        gridLevels->setColWidth(c, std::max(gridLevels->ColWidth(c), sevenDigits));
    presets->addWidget(gridLevels, 1);
    auto* counts = new QHBoxLayout;
    cmbNumLevels = list(framePresets, QStringLiteral("cmbNumLevels"));
    cmbLevel = list(framePresets, QStringLiteral("cmbLevel"));
    counts->addWidget(text(framePresets, QStringLiteral("Number of Levels")));
    counts->addWidget(cmbNumLevels);
    lblLevel = text(p, QStringLiteral("Current Level"), QStringLiteral("lblLevel"));
    counts->addWidget(lblLevel);
    counts->addWidget(cmbLevel);
    counts->addStretch(1);
    presets->addLayout(counts);
    auto* edits = new QHBoxLayout;
    cmdInsertLevel = CommandButton(framePresets, QStringLiteral("cmdInsertLevel"), QStringLiteral("Insert Level"));
    cmdDeleteLevel
        = CommandButton(framePresets, QStringLiteral("cmdDeleteLevel"), QStringLiteral("Delete Selected Level"));
    cmdExport = CommandButton(framePresets, QStringLiteral("cmdExport"), QStringLiteral("Export..."));
    edits->addWidget(cmdInsertLevel);
    edits->addWidget(cmdDeleteLevel);
    edits->addWidget(cmdExport);
    edits->addStretch(1);
    presets->addLayout(edits);
    presets->addWidget(
        text(framePresets, QStringLiteral("Enter '0' for any item you will not use in your tournament.")));
    column->addWidget(framePresets, 1);
    column->addStretch(0);

    QWidget* a = frameAssistant[3];
    QVBoxLayout* assistant = buildAssistant(3, QStringLiteral("lblTALevels"),
                                            QStringLiteral("The Tournament Assistant can setup your levels for you "
                                                           "to finish by a certain time. "));
    assistant->addWidget(text(a, QStringLiteral("How long would you like your tournament to last?")));
    auto* duration = new QHBoxLayout;
    txtEstDurationHour = box(a, QStringLiteral("txtEstDurationHour"), 50);
    txtEstDurationMin = box(a, QStringLiteral("txtEstDurationMin"), 50);
    duration->addWidget(txtEstDurationHour);
    duration->addWidget(text(a, QStringLiteral("hr(s)")));
    duration->addWidget(txtEstDurationMin);
    duration->addWidget(text(a, QStringLiteral("min(s)")));
    assistant->addLayout(duration);
    txtEstNumBreaks = box(a, QStringLiteral("txtEstNumBreaks"), 50);
    txtEstTimeforBreaks = box(a, QStringLiteral("txtEstTimeforBreaks"), 50);
    assistant->addWidget(text(a, QStringLiteral("How many breaks would you lke to have?")));
    assistant->addWidget(txtEstNumBreaks);
    assistant->addWidget(text(a, QStringLiteral("How long would you like breaks to be?")));
    assistant->addWidget(txtEstTimeforBreaks);
    cmdLoadLevels = CommandButton(a, QStringLiteral("cmdLoadLevels"), QStringLiteral("Suggest Levels!"));
    cmdUndoLevels = CommandButton(a, QStringLiteral("cmdUndoLevels"), QStringLiteral("Undo"));
    btnLevelSettings = named(new ctlButton(a), "btnLevelSettings");
    btnLevelSettings->setCaption(QStringLiteral("Settings..."));
    btnLevelSettings->setFixedHeight(24);
    btnLevelSettings->setFocusPolicy(Qt::StrongFocus);
    auto* tools = new QHBoxLayout;
    tools->addWidget(cmdLoadLevels);
    tools->addWidget(cmdUndoLevels);
    assistant->addLayout(tools);
    assistant->addWidget(btnLevelSettings);
    lblWhenEnd = text(a, QString(), QStringLiteral("lblWhenEnd"));
    assistant->addWidget(lblWhenEnd);
    assistant->addStretch(1);
}

void frmAddEditTournament::buildRemindersPage()
{
    QWidget* p = frameTourney[6];
    QVBoxLayout* column = buildPage(6, QStringLiteral("Would you like to set any reminders during your tournament?"));
    lblReminders = text(p, QString(), QStringLiteral("lblReminders"));
    column->addWidget(lblReminders);
    gridReminders = named(new ctlDataEntryGrid(p), "gridReminders");
    gridReminders->setCols(3);
    gridReminders->setRows(1);
    gridReminders->setFixedCols(0);
    gridReminders->setSelectionMode(1);
    gridReminders->setRowHeight(0, 800);
    gridReminders->setFixedRowsWordwrap(true); // two-line captions over one-line values
    const long widths[] = {600, 3500, 1300};
    const char* const headers[] = {"Level", "Reminder", "Pause Game on Reminder"};
    for (long c = 0; c < 3; ++c) {
        gridReminders->setColWidth(c, widths[c]);
        gridReminders->setColEditable(c, false);
        gridReminders->setTextMatrix(0, c, QString::fromLatin1(headers[c]));
    }
    column->addWidget(gridReminders, 1);
    auto* buttons = new QHBoxLayout;
    cmdAddEditReminder = CommandButton(p, QStringLiteral("cmdAddEditReminder"), QStringLiteral("Add/Edit Reminder..."));
    cmdClearReminder = CommandButton(p, QStringLiteral("cmdClearReminder"), QStringLiteral("Clear Reminder"));
    buttons->addWidget(cmdAddEditReminder);
    buttons->addWidget(cmdClearReminder);
    buttons->addStretch(1);
    column->addLayout(buttons);
    buildAssistant(6, QStringLiteral("lblTAReminders"),
                   QStringLiteral("Use the Reminders Wizard to setup special reminders to help you manage your "
                                  "tournament."))
        ->addStretch(1);
}

void frmAddEditTournament::buildAdvancedPage()
{
    QWidget* p = frameTourney[7];
    QVBoxLayout* column = buildPage(7, QStringLiteral("Optional Advanced Settings"));
    column->addWidget(text(p,
                           QStringLiteral("The following items are optional.  Remember that to view any of these "
                                          "items within the tournament screen you must either select the item "
                                          "from the view menu or include it in the screen rotation.")));
    auto bold = [p](const QString& caption) {
        QLabel* l = text(p, caption);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        return l;
    };
    cmdEditRules = CommandButton(p, QStringLiteral("cmdEditRules"), QStringLiteral("Edit Rules..."));
    cmdEditMessage = CommandButton(p, QStringLiteral("cmdEditMessage"), QStringLiteral("Edit Message..."));
    column->addWidget(bold(QStringLiteral("Tournament Rules")));
    column->addWidget(text(p,
                           QStringLiteral("Tournament rules includes topics like whether check-raising is "
                                          "allowed and whether a card is burned when dealing.")));
    column->addWidget(cmdEditRules, 0, Qt::AlignLeft);
    column->addWidget(bold(QStringLiteral("Custom Message")));
    column->addWidget(text(p,
                           QStringLiteral("The custom message is commonly used for ads or to inform your guests "
                                          "about a future tournament.")));
    column->addWidget(cmdEditMessage, 0, Qt::AlignLeft);
    column->addWidget(bold(QStringLiteral("Custom Picture(s)")));
    column->addWidget(text(p, QStringLiteral("Custom pictures are typically used for ads or other notifications.")));
    auto* picture = new QGridLayout;
    cmbCustomPictureType = list(p, QStringLiteral("cmbCustomPictureType"),
                                {QStringLiteral("Specify a Specific File"),
                                 QStringLiteral("Rotate Through all Pictures in the Specified Folder")});
    lblFile = text(p, QStringLiteral("File"), QStringLiteral("lblFile"));
    txtFile = box(p, QStringLiteral("txtFile"), 600);
    cmdBrowse = CommandButton(p, QStringLiteral("cmdBrowse"), QStringLiteral("Browse..."));
    picture->addWidget(text(p, QStringLiteral("Type")), 0, 0);
    picture->addWidget(cmbCustomPictureType, 0, 1, 1, 2);
    picture->addWidget(lblFile, 1, 0);
    picture->addWidget(txtFile, 1, 1);
    picture->addWidget(cmdBrowse, 1, 2);
    column->addLayout(picture);
    column->addStretch(1);

    QWidget* a = frameAssistant[7];
    QVBoxLayout* assistant = buildAssistant(7, QStringLiteral("lblTAEnd"),
                                            QStringLiteral("Would you like the Tournament Assistant to inform you "
                                                           "when tables need to be balanced?"));
    cmbTATableNotify
        = list(a, QStringLiteral("cmbTATableNotify"),
               {QStringLiteral("None"), QStringLiteral("Yes, In between Sessions"), QStringLiteral("Yes, Anytime")});
    assistant->addWidget(cmbTATableNotify);
    assistant->addWidget(
        text(a, QStringLiteral("Click below for a checklist of supplies and to do's for your tournament.")));
    cmdChecklist
        = CommandButton(a, QStringLiteral("cmdChecklist"), QStringLiteral("Create Tournament Preparation Checklist"));
    assistant->addWidget(cmdChecklist);
    assistant->addStretch(1);
}

void frmAddEditTournament::connectLevelPages()
{
    for (QLineEdit* b : {txtLittleBlind, txtBigBlind, txtSmallRaise, txtBigRaise, txtAnte, txtMinutesPerSession,
                         txtEstDurationHour, txtEstDurationMin, txtEstNumBreaks, txtEstTimeforBreaks})
        selectAllOnFocus(b);
    connect(cmbPresets, &QComboBox::currentIndexChanged, this,
            [this] { ReportFailures([this] { cmbPresets_Click(); }); });
    connect(cmbNumLevels, &QComboBox::currentIndexChanged, this,
            [this] { ReportFailures([this] { cmbNumLevels_Click(); }); });
    auto duration
        = [this] { work.mintEstDuration = JoinDuration(txtEstDurationHour->text(), txtEstDurationMin->text()); };
    connect(txtEstDurationHour, &QLineEdit::textChanged, this, duration);
    connect(txtEstDurationMin, &QLineEdit::textChanged, this, duration);
    connect(txtEstNumBreaks, &QLineEdit::textChanged, this,
            [this](const QString& value) { work.mintEstNumBreaks = WorkingInteger(value); });
    connect(txtEstTimeforBreaks, &QLineEdit::textChanged, this,
            [this](const QString& value) { work.mintEstTimeForBreaks = WorkingInteger(value); });
    connect(cmbCustomPictureType, &QComboBox::currentIndexChanged, this,
            [this] { ReportFailures([this] { cmbCustomPictureType_Click(); }); });
    connect(cmdBrowse, &QPushButton::clicked, this, [this] { ReportFailures([this] { cmdBrowse_Click(); }); });

    connectLevelEditing();
}

void frmAddEditTournament::cmbPresets_Click()
{
    const int m = cmbPresets->currentIndex();
    const bool levels = m == 2;
    frameCurrent->setVisible(!levels);
    framePresets->setVisible(levels);
    if (!levels) {
        for (QComboBox* c : {cmbRebuyLevel, cmbAddonLevel1, cmbAddonLevel2})
            if (c->count() > 0)
                c->setCurrentIndex(0);
        lblReminders->setText(QStringLiteral("Reminders are only available when using preset blind structure set "
                                             "from the level setup screen."));
    } else {
        lblReminders->setText(QStringLiteral("You can optionally set reminders for after each level.  They will "
                                             "happen before a break for any level where you have a break set."));
    }
    cmdAddEditReminder->setVisible(levels);
    cmdClearReminder->setVisible(levels);
    gridReminders->setVisible(levels);
    cmdLoadLevels->setEnabled(levels);
    cmdUndoLevels->setEnabled(levels);
    lblRebuylevel->setVisible(levels && chkAllowRebuys->isChecked());
    cmbRebuyLevel->setVisible(levels && chkAllowRebuys->isChecked());
    for (QWidget* w :
         std::initializer_list<QWidget*> {lblAddonLevels, cmbAddonLevel1, lblAddonLevelsAnd, cmbAddonLevel2})
        w->setVisible(levels && chkAllowAddon->isChecked());
}

void frmAddEditTournament::cmbNumLevels_Click()
{
    const int n = cmbNumLevels->currentIndex() + 1;
    rebuildLevelList(cmbRebuyLevel, QStringLiteral("Any"), n);
    rebuildLevelList(cmbAddonLevel1, QStringLiteral("Start"), n);
    rebuildLevelList(cmbAddonLevel2, QStringLiteral("Finish"), n);
    rebuildLevelList(cmbLevel, QString(), n);
    cmdInsertLevel->setEnabled(n < MaxLevels);
    LoadlevelsGrid();
}

LevelRows frmAddEditTournament::levelGridRows() const
{
    LevelRows rows;
    for (long r = 1; r < gridLevels->Rows(); ++r) {
        LevelRow row;
        for (long c = 1; c <= 7; ++c)
            row[c - 1] = gridLevels->TextMatrix(r, c);
        rows.append(row);
    }
    return rows;
}

void frmAddEditTournament::showLevelRows(const LevelRows& rows)
{
    gridLevels->setRedraw(false);
    gridLevels->setRows(long(rows.size()) + 1);
    for (long r = 1; r <= rows.size(); ++r) {
        gridLevels->setTextMatrix(r, 0, QString::number(r));
        for (long c = 1; c <= 7; ++c)
            gridLevels->setTextMatrix(r, c, rows[r - 1][c - 1]);
    }
    gridLevels->setRedraw(true);
}

void frmAddEditTournament::LoadlevelsGrid()
{
    const int n = cmbNumLevels->currentIndex() + 1;
    LevelRows rows = levelGridRows();
    ResizeLevelRows(rows, n);
    showLevelRows(rows);
    gridReminders->setRedraw(false);
    gridReminders->setRows(n + 1);
    for (long r = 1; r <= n; ++r)
        gridReminders->setTextMatrix(r, 0, QString::number(r));
    gridReminders->setRedraw(true);
    ResizeOrigin(mLevelOrigin, n);
}

ReminderRows frmAddEditTournament::reminderGridRows() const
{
    ReminderRows rows;
    for (long r = 1; r < gridReminders->Rows(); ++r)
        rows.append({gridReminders->TextMatrix(r, 1), gridReminders->TextMatrix(r, 2)});
    return rows;
}

void frmAddEditTournament::showReminderRows(const ReminderRows& rows)
{
    gridReminders->setRedraw(false);
    for (long r = 1; r < gridReminders->Rows() && r <= rows.size(); ++r) {
        gridReminders->setTextMatrix(r, 1, rows[r - 1][0]);
        gridReminders->setTextMatrix(r, 2, rows[r - 1][1]);
    }
    gridReminders->setRedraw(true);
}

void frmAddEditTournament::LoadlevelsGridData()
{
    const OpenTournament& t = mTourney;
    LevelRows rows = levelGridRows();
    const LevelRows stored = LevelRowsOf(t);
    for (qsizetype n = 0; n < rows.size() && n < stored.size(); ++n)
        rows[n] = stored[n];
    showLevelRows(rows);
    gridReminders->setRedraw(false);
    for (long n = 1; n < gridReminders->Rows(); ++n) {
        const QString reminder = t.gstrLevelReminder.value(n);
        const bool wait = t.gblnLevelWaitOnReminder.contains(n) && t.gblnLevelWaitOnReminder[n];
        gridReminders->setTextMatrix(n, 1, reminder);
        gridReminders->setTextMatrix(n, 2, ReminderPauseText(reminder, wait));
    }
    gridReminders->setRedraw(true);
}

void frmAddEditTournament::cmbCustomPictureType_Click()
{
    lblFile->setText(cmbCustomPictureType->currentIndex() == 0 ? QStringLiteral("File") : QStringLiteral("Path"));
}

void frmAddEditTournament::cmdBrowse_Click()
{
    const QString current = txtFile->text();
    const std::optional<QString> chosen = prompter().openFileName(PictureFilter, current, current);
    if (!chosen)
        return;
    if (cmbCustomPictureType->currentIndex() == 0)
        txtFile->setText(*chosen);
    else if (const std::optional<QString> folder = FolderOfChosenFile(*chosen))
        txtFile->setText(*folder);
}
