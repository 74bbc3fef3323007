// The set-up wizard's part that ends it: Finish with its checks and the
// save, the rules and message editor, and the preparation checklist.

#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/setup/Checklist.h"
#include "core/setup/WizardSave.h"
#include "core/store/NameValidation.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SettingsKeys.h"
#include "gui/controls/SelectAllText.h"
#include "gui/controls/ctlDataEntryGrid.h"
#include "gui/platform/BusyPointer.h"
#include "gui/setup/frmAddEditTournament.h"
#include "gui/setup/frmChecklist.h"
#include "gui/setup/frmRulesAndMessage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

void frmAddEditTournament::connectFinish()
{
    connect(cmdFinish, &QPushButton::clicked, this, [this] { ReportFailures([this] { SaveTournamentSetup(); }); });
    connect(cmdEditRules, &QPushButton::clicked, this, [this] { ReportFailures([this] { cmdEditRules_Click(); }); });
    connect(cmdEditMessage, &QPushButton::clicked, this,
            [this] { ReportFailures([this] { cmdEditMessage_Click(); }); });
    connect(cmdChecklist, &QPushButton::clicked, this, [this] { ReportFailures([this] { cmdChecklist_Click(); }); });
}

WizardForm frmAddEditTournament::readForm() const
{
    WizardForm f;
    f.NewTourney = mbNewTourney;
    for (const QLineEdit* box : findChildren<QLineEdit*>())
        if (!box->objectName().isEmpty())
            f.Text.insert(box->objectName(), box->text());
    for (const QComboBox* list : findChildren<QComboBox*>())
        if (!list->objectName().isEmpty()) {
            f.Text.insert(list->objectName(), list->currentText());
            f.Index.insert(list->objectName(), list->currentIndex());
        }
    for (const QCheckBox* check : findChildren<QCheckBox*>())
        f.Index.insert(check->objectName(), check->isChecked() ? 1 : 0);
    f.Levels = levelGridRows();
    for (long r = 1; r < gridReminders->Rows(); ++r)
        f.Reminders.append({gridReminders->TextMatrix(r, 1), gridReminders->TextMatrix(r, 2) == QStringLiteral("Yes")});
    f.Payouts = payoutGridRows();
    const qsizetype rows = qMax(0, cmbNumPaid->currentIndex() + 2); // the house and every place paid
    if (f.Payouts.size() > rows)
        f.Payouts.resize(rows);
    f.Awards = awards.Rows();
    f.AwardPlaceholder = awards.Placeholder();
    f.Rules = mstrRules;
    f.CustomMessage = mstrCustomMessage;
    return f;
}

void frmAddEditTournament::showForm(const WizardForm& form)
{
    // The checks set cells and boxes that held no number to "0".
    if (form.Levels != levelGridRows())
        showLevelRows(form.Levels);
    for (QLineEdit* box : {txtMinutesPerSession, txtLittleBlind, txtBigBlind, txtSmallRaise, txtBigRaise, txtAnte}) {
        const QString text = form.text(box->objectName());
        if (box->text() != text)
            box->setText(text);
    }
}

void frmAddEditTournament::showFault(const WizardFault& fault)
{
    if (!fault.Message.isEmpty())
        prompter().message(fault.Message);
    ShowWizardPage(fault.Page);
    // The payout grid is named "grid", as is the cell grid inside every
    // data-entry grid: a grid is looked for first.
    auto* cells = findChild<ctlDataEntryGrid*>(fault.Control);
    QWidget* control = cells ? cells : findChild<QWidget*>(fault.Control);
    if (!control)
        return;
    // The boxes of an option that is off are hidden on their page.
    if (qobject_cast<QLineEdit*>(control))
        control->setVisible(true);
    FocusRefused(control);
    if (cells && fault.Row > 0)
        cells->ShowCell(fault.Row, fault.Column);
}

void frmAddEditTournament::SaveTournamentSetup()
{
    WizardForm form = readForm();
    const Long league = mTourney.glngCurrentLeagueID;
    const auto fault = CheckWizardForm(
        form, [league](const QString& name) { return ValidateTournamentName(gobjDatabase(), league, name, -1); });
    showForm(form);
    if (fault) {
        showFault(*fault);
        return;
    }
    // The automatic bounty is set in a box, not through a dialog that asks:
    // it is weighed here, and No shows the box.
    if (const auto question
        = AutomaticBountyQuestion(awards, wizardMoney(), mTourney, mbNewTourney, programSettings().gstrMoneyFormat);
        question && prompter().askYesNoDefaultNo(*question) != Prompter::Answer::Yes) {
        showFault({5, txtBountyAllDollars->objectName(), QString()});
        return;
    }
    // From here on the form is the tournament's; the level watch would put
    // a stale level back into it.
    tmrChecklevel->stop();
    const bool saved = ReportFailures([&] {
        BusyPointer busy;
        SaveWizardForm(gobjDatabase(), mTourney, form);
    });
    if (!saved)
        return;
    mbOKed = true;
    if (mbNewTourney) {
        WriteSetting(ShowWebTrialKey, chkAddPlayers->isChecked() ? 1 : 0);
        // The new tournament, stored at its current level, is the open one
        // from here on: the tournament window shows it.
        if (&mTourney != &openTournament())
            openTournament() = mTourney;
    }
    accept();
}

void frmAddEditTournament::cmdEditRules_Click()
{
    if (const auto edited = EditRichText(this, QStringLiteral("Edit Tournament Rules"), mstrRules))
        mstrRules = *edited;
}

void frmAddEditTournament::cmdEditMessage_Click()
{
    if (const auto edited = EditRichText(this, QStringLiteral("Edit Custom Message"), mstrCustomMessage))
        mstrCustomMessage = *edited;
}

void frmAddEditTournament::cmdChecklist_Click()
{
    QList<ChecklistChip> chips;
    for (int i = 0; i < ChipRows; ++i)
        chips.append({cmbChipColor[i]->currentIndex(), cmbChipColor[i]->currentText(), cmbNumChips[i]->currentIndex()});
    const long tableSize = WorkingInteger(txtMaxPlayersPerTable->text());
    if (tableSize < 1) {
        prompter().message(TableSizeMessage());
        return;
    }
    frmChecklist checklist(buildChecklist(txtName->text(), txtDate->text(), work.mintEstPlayers, tableSize, chips),
                           this);
    checklist.exec();
}

bool SetUpNewTournament(const OpenTournament& prepared)
{
    OpenTournament tourney = prepared;
    frmAddEditTournament wizard(tourney, QApplication::activeWindow());
    wizard.LoadData(true);
    wizard.exec();
    return wizard.mbOKed;
}
