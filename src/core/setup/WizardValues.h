#pragma once

#include "core/platform/ModelTypes.h"
#include "core/setup/BlindGenerator.h"
#include "core/setup/Estimates.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

// What the set-up wizard keeps in step with its boxes, and the small rules
// its pages follow.

// The control name of entry i of a row of like controls ("txtChipAmount(3)"):
// the pages name their controls so, and Finish reads the form by these names.
QString WizardControlName(const char* name, int i);

// A stored date as the wizard shows it ("3/7/2026"); no date gives "".
QString WizardDateText(const QVariant& date);

// A box's text as a 16-bit count: text that is no number counts 0, a half
// goes to the even neighbour, and a number beyond the range stops at
// -32768 or 32767 (the save refuses such a value).
Integer WorkingInteger(const QString& text);
// A box's text as a number; text that is no number counts 0.
double WorkingDouble(const QString& text);

// The planned length: hours x 60 + minutes, within the 16-bit range.
Integer JoinDuration(const QString& hours, const QString& minutes);
// Stored minutes as the two boxes show them: whole hours, then the rest.
struct DurationParts {
    QString Hours;
    QString Minutes;
};
DurationParts SplitDuration(Integer minutes);

// The wizard's working values: the estimates and the money and chips of
// buying in, rebuys (0 while rebuys are not allowed) and add-ons (likewise).
struct WizardWorkingValues {
    Integer mintEstPlayers = 0;
    Integer mintEstRebuys = 0;
    Integer mintEstAddons = 0;
    Integer mintEstDuration = 0; // minutes
    Integer mintEstNumBreaks = 0;
    Integer mintEstTimeForBreaks = 0; // minutes
    double mdblBuyin = 0;
    double mdblBuyinChipValue = 0;
    double mdblHouseFee = 0;
    double mdblRebuyAmount = 0;
    double mdblRebuyChipValue = 0;
    double mdblAddonAmount = 0;
    double mdblAddonChipValue = 0;

    EstimateInputs Inputs() const;
    // What the level generator starts from.
    BlindEstimates Blinds() const;
};

// The chip lists: "Not Used", "Custom Picture", then the thirteen colours.
QStringList ChipColorListNames();
inline constexpr int ChipNotUsedPosition = 0;
inline constexpr int ChipCustomPicturePosition = 1;

// A chip row after its colour was chosen (list position; -1 for none): a
// row not in use gives no chips, only a picture row takes a picture file.
struct ChipRowState {
    bool CountEnabled = true;
    bool CountToZero = false;
    bool PictureEnabled = false;
};
ChipRowState ChipRowRules(int colorPosition);

// In folder mode the folder of the picture chosen: the path up to its last
// separator ("/" or "\"); nothing when the path names no folder.
std::optional<QString> FolderOfChosenFile(const QString& path);

// A list of level numbers: the first entry (or none when empty), then
// "1" to levels.
QStringList LevelListItems(const QString& first, int levels);
// The entry a level list keeps after it was rebuilt: the remembered one
// while it still exists, else the first.
int KeptListPosition(int remembered, int count);

// A whole-number list ("1" to "1000", "0" to "100").
QStringList NumberListItems(int from, int to);

// The payout grid's rows as the estimates read them: column 1 of each row.
QStringList PayoutTexts(const QList<PayoutRow>& rows);
