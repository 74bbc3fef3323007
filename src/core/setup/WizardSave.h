#pragma once

#include "core/platform/ModelTypes.h"
#include "core/setup/Estimates.h"
#include "core/setup/LevelTable.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <stdexcept>

class Database;
class OpenTournament;

// What the set-up wizard's Finish reads: every box and list as it stands.
struct WizardForm {
    bool NewTourney = false;
    // Texts by control name ("txtBuyin", "cmbRound", "txtChipAmount(3)").
    QHash<QString, QString> Text;
    // List positions and check box values (1 checked) by control name.
    QHash<QString, int> Index;
    LevelRows Levels; // one per level
    QList<std::pair<QString, bool>> Reminders; // per level: text, pause on it
    QList<PayoutRow> Payouts; // the house first, then places 1..paid
    QList<std::array<QString, 7>> Awards; // the award grid's rows
    bool AwardPlaceholder = true; // the grid shows "None", no award
    QString Rules;
    QString CustomMessage;

    // A control's text, or its list position or check; a name the form
    // lacks raises MissingWizardControl.
    QString text(const QString& control) const;
    int index(const QString& control) const;
};

// A name the checks or the save read that the form does not hold: the window
// and the names read here no longer match. It ends the save rather than
// storing an empty text or a 0 in the box's place.
class MissingWizardControl : public std::logic_error {
public:
    explicit MissingWizardControl(const QString& control);
};

// The first fault of the form: the page to show, the control to give the
// focus and the message (empty when the check has told the user itself).
// A fault in a grid names the cell to make current (row from 1, column as
// the grid counts them); Row 0 names none.
struct WizardFault {
    int Page = 0;
    QString Control;
    QString Message;
    long Row = 0;
    long Column = 0;
};

// The checks of Finish in their order; the first fault ends them. Blank level
// cells, and the current level's boxes while the level table sets them (they
// are hidden then) when they hold no number, are set to "0" on the way, as
// the form is to show them; any other text that is no number is refused. Money, chip values and counts, payouts, the
// bounty, the estimated numbers of players, rebuys and add-ons, the blinds,
// raises, antes and break minutes of the level table and, with manual or
// doubling blinds, the current level's boxes are refused below 0.
// Percentage payouts are refused above 100 %, one on its own or the house
// and the places together.
// validateName checks a new tournament's name and tells the user why it is
// refused.
std::optional<WizardFault> CheckWizardForm(WizardForm& form, const std::function<bool(const QString&)>& validateName);

// The date box: M/d/yyyy (one or two digits each) or yyyy-MM-dd.
std::optional<QDate> ReadDateBox(const QString& text);

// A picture location as stored: trimmed; for a folder (type 1) a chosen
// picture file gives its folder; one trailing '/' goes.
QString CutPictureLocation(int pictureType, const QString& location);

// Entrants (1-based) whose seat no longer exists at the new table size.
QList<Integer> PlayersToUnseat(const OpenTournament& t, Integer playersPerTable);

// Puts a checked form into the tournament and takes the players off seats
// that are gone (their indices are returned). A new tournament loses its
// entrants; the payouts are recomputed.
QList<Integer> ApplyWizardForm(const WizardForm& form, OpenTournament& t);

// Applies the form to a copy of the tournament and stores it, the unseated
// players and the tournament in one transaction; only then does the copy
// take the tournament's place. The tournament is stored at its current
// level of the table (the level the tournament window then runs), a new one
// off any break. A failure (DatabaseError) leaves both as they were.
void SaveWizardForm(Database& db, OpenTournament& t, const WizardForm& form);
