// The wizard's level table editing, reminders, the level watch and the
// suggested levels.

#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/setup/BlindGenerator.h"
#include "core/store/Nz.h"
#include "core/store/PlainNumberText.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/ctlButton.h"
#include "gui/controls/ctlDataEntryGrid.h"
#include "gui/platform/BusyPointer.h"
#include "gui/setup/frmAddEditReminder.h"
#include "gui/setup/frmAddEditTournament.h"
#include "gui/setup/frmTALevelGeneratorSetup.h"
#include "gui/shared/Exports.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

void frmAddEditTournament::connectLevelEditing()
{
    const std::pair<QPushButton*, void (frmAddEditTournament::*)()> commands[] = {
        {cmdInsertLevel, &frmAddEditTournament::cmdInsertLevel_Click},
        {cmdDeleteLevel, &frmAddEditTournament::cmdDeleteLevel_Click},
        {cmdUndoLevels, &frmAddEditTournament::cmdUndoLevels_Click},
        {cmdExport, &frmAddEditTournament::cmdExport_Click},
        {cmdLoadLevels, &frmAddEditTournament::AutoSuggestBlinds},
        {cmdAddEditReminder, &frmAddEditTournament::cmdAddEditReminder_Click},
        {cmdClearReminder, &frmAddEditTournament::cmdClearReminder_Click},
    };
    for (const auto& [b, command] : commands)
        connect(b, &QPushButton::clicked, this,
                [this, command] { ReportFailures([this, command] { (this->*command)(); }); });
    connect(gridReminders, &ctlDataEntryGrid::DblClick, this,
            [this] { ReportFailures([this] { cmdAddEditReminder_Click(); }); });
    connect(btnLevelSettings, &ctlButton::Click, this, [this] {
        frmTALevelGeneratorSetup settings(this);
        settings.exec();
    });
    tmrChecklevel = new QTimer(this);
    tmrChecklevel->setObjectName(QStringLiteral("tmrChecklevel"));
    tmrChecklevel->setInterval(1000);
    connect(tmrChecklevel, &QTimer::timeout, this, [this] { ReportFailures([this] { tmrChecklevel_Timer(); }); });
    tmrChecklevel->start();
}

void frmAddEditTournament::setLevelRows(const LevelRows& rows)
{
    showLevelRows(rows);
    // Resizes the reminders and rebuilds the level lists; the rows shown
    // already have the new count, so they stay as they are.
    cmbNumLevels->setCurrentIndex(int(rows.size()) - 1);
}

void frmAddEditTournament::takeLevelBackup()
{
    const LevelRows rows = levelGridRows();
    mtypSessionBackup = ::BackUpSessions(rows);
    mReminderBackup = reminderGridRows();
    mLevelOrigin = BackupOrigin(int(rows.size()));
}

void frmAddEditTournament::editLevels(bool (*edit)(LevelEdit&, int), int r)
{
    LevelEdit levels {levelGridRows(), reminderGridRows(), mLevelOrigin};
    if (!edit(levels, r))
        return;
    setLevelRows(levels.Levels);
    showReminderRows(levels.Reminders);
    mLevelOrigin = levels.Origin;
}

void frmAddEditTournament::cmdInsertLevel_Click()
{
    const long r = gridLevels->Row();
    editLevels(InsertLevel, int(r));
    if (r >= 1)
        gridLevels->setRow(r);
}

void frmAddEditTournament::cmdDeleteLevel_Click() { editLevels(DeleteLevel, int(gridLevels->Row())); }

void frmAddEditTournament::cmdUndoLevels_Click()
{
    if (mtypSessionBackup.isEmpty())
        return;
    const ReminderRows reminders
        = RemindersAfterUndo({levelGridRows(), reminderGridRows(), mLevelOrigin}, mReminderBackup);
    setLevelRows(RestoreSessions(mtypSessionBackup));
    showReminderRows(reminders);
    mLevelOrigin = BackupOrigin(int(mtypSessionBackup.size()));
}

void frmAddEditTournament::cmdExport_Click()
{
    ExportDataEntryGridToCsv(*gridLevels, txtName->text() + QStringLiteral(" Levels.csv"), QString());
}

void frmAddEditTournament::cmdAddEditReminder_Click()
{
    const long r = gridReminders->Row();
    if (r < 1 || r >= gridReminders->Rows())
        return;
    QString reminder = gridReminders->TextMatrix(r, 1);
    bool pause = gridReminders->TextMatrix(r, 2) == QLatin1String("Yes");
    if (!frmAddEditReminder::edit(this, reminder, pause))
        return;
    gridReminders->setTextMatrix(r, 1, reminder);
    gridReminders->setTextMatrix(r, 2, ReminderPauseText(reminder, pause));
}

void frmAddEditTournament::cmdClearReminder_Click()
{
    const long r = gridReminders->Row();
    if (r < 1 || r >= gridReminders->Rows())
        return;
    gridReminders->setTextMatrix(r, 1, QString());
    gridReminders->setTextMatrix(r, 2, QString());
}

void frmAddEditTournament::tmrChecklevel_Timer()
{
    if (mbNewTourney || mTourney.gintBlindsLevel == mintLevelAtOpen)
        return;
    // Noted before the message: the timer goes on ticking while it is shown.
    mintLevelAtOpen = mTourney.gintBlindsLevel;
    cmbLevel->setCurrentIndex(std::clamp(mintLevelAtOpen - 1, 0, cmbLevel->count() - 1));
    prompter().message(QStringLiteral("The current level has changed sinced you opened the setup window.  The "
                                      "Current Level in this Settings window will be changed to reflect the new "
                                      "level."));
}

void frmAddEditTournament::AutoSuggestBlinds()
{
    BusyPointer busy;
    const QList<Single> table = LoadDefaultSmallBlinds(gobjDatabase(), false);
    QList<ChipRow> chips;
    for (int i = 0; i < ChipRows; ++i)
        chips.append({cmbChipColor[i]->currentIndex(), NzDouble(txtChipAmount[i]->text())});
    // The backup comes first: Undo after a run that stops goes back to the
    // table as it was just before it.
    takeLevelBackup();
    const GeneratedLevels g = generateLevels(work.Blinds(), chips, GeneratorSettingsOf(programSettings()), table);
    if (!g.Error.isEmpty()) {
        prompter().message(g.Error);
        return;
    }
    if (g.TimeWarning)
        prompter().message(TimeWarningMessage());
    if (!g.Notice.isEmpty())
        prompter().message(g.Notice);
    LevelRows rows;
    const QString zero = QStringLiteral("0");
    for (const GeneratedLevel& level : g.Levels)
        rows.append({zero, PlainNumberText(level.SmallBlind), PlainNumberText(level.BigBlind), zero, zero,
                     QString::number(level.SessionTime), QString::number(level.BreakAfter)});
    setLevelRows(rows);
    lblWhenEnd->setText(g.EndLabel);
}
