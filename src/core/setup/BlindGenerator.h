#pragma once

#include "core/platform/ModelTypes.h"

#include <QList>
#include <QString>
#include <QStringList>

class Database;
class ProgramSettings;

// The standard small blinds: the saved table (tblDefaultSmallBlind, in
// ascending order), or the 57 built-in amounts when it is empty or when
// bUseBuiltIn. Database errors go to the caller.
QList<Single> LoadDefaultSmallBlinds(Database& db, bool bUseBuiltIn);
QList<Single> BuiltInSmallBlinds();
// Replaces the saved table by these amounts in one transaction.
void SaveDefaultSmallBlinds(Database& db, const QList<double>& amounts);

// The position (from 1) in the table of the first small blind for a wanted
// amount: the first entry at or above it, or the one just below it when that
// one is a multiple of the smallest chip, else the next that is; 0 when the
// table runs out (FirstBlindMessage()).
int FindFirstBlindIndex(Single WantedSmallBlind, const QList<Single>& DefaultBlinds, double SmallestChip);
QString FirstBlindMessage();

// What the generator starts from: the wizard's estimates, its chip rows and
// the [LevelGenerator] settings.
struct BlindEstimates {
    long Players = 0;
    long Rebuys = 0;
    long Addons = 0;
    long DurationMinutes = 0;
    long Breaks = 0;
    long BreakMinutes = 0;
    double BuyinChips = 0;
    double RebuyChips = 0; // 0 while rebuys are not allowed
    double AddonChips = 0; // 0 while add-ons are not allowed
};
struct ChipRow {
    int ColorIndex = 0; // 0 "Not Used", 1 "Custom Picture", then the colours
    double Amount = 0;
};
struct GeneratorSettings {
    int DoubleBlinds = 0;
    int NumSafetySessions = 3;
    int RoundSessionTimeTo = 10;
    double EndBlindOnBigPercentage = 10;
    double StartBlindOnBigPercentage = 2;
    int FactorSmallestChipIn = 1;
};
// The generator's settings as the program keeps them.
GeneratorSettings GeneratorSettingsOf(const ProgramSettings& s);
// Puts them into the program's settings, then writes them to [LevelGenerator].
void StoreGeneratorSettings(ProgramSettings& s, const GeneratorSettings& g);

struct GeneratedLevel {
    long SessionTime = 0;
    Single SmallBlind = 0;
    Single BigBlind = 0;
    long BreakAfter = 0;
};
struct GeneratedLevels {
    QString Error; // not empty: nothing was generated; the message to show
    QList<GeneratedLevel> Levels;
    int CountedLevels = 0; // levels before the safety levels
    bool TimeWarning = false; // show TimeWarningMessage(), the levels still stand
    QString Notice; // not empty: the levels stand, cut short as this tells
    QString EndLabel;
};

// Proposes a level table: the first small blind from the start percentage of
// one buy-in's chips, blinds raised level by level (by the table or by
// doubling) until the configured safety levels lie beyond the ending blind,
// the playing time spread over the counted levels in whole units, and the
// breaks placed evenly. No level's big blind is above the chip ceiling
// (Count in MoneyRules.h): the raising ends before such a level, as at the
// end of the table, and first blinds above it are refused
// (BlindsTooLargeMessage()).
GeneratedLevels generateLevels(const BlindEstimates& estimates, const QList<ChipRow>& chips,
                               const GeneratorSettings& settings, const QList<Single>& table);
// When the playing time cannot give every counted level a whole rounding
// unit, only the levels that fit are suggested (ShortTimeMessage); when the
// chip ceiling ends the raising before the safety levels, the director is
// told (CeilingMessage). No level is of 0 minutes. Percentages outside
// (0, 100] are refused (GeneratorPercentError).
QString TimeWarningMessage();
QString BlindsTooLargeMessage();
QString ShortTimeMessage(long playing, long levels, long minutes, int needed, int extra);
QString CeilingMessage(int levels, int extra, int wanted);
// Why a starting or ending big blind percentage is refused, or "".
QString GeneratorPercentError(double startingBig, double endingBig);

// The settings dialog's small-blind cells: amounts of 1 or more with group
// separators ("1,500.5"), smaller ones without the leading zero (".05"). The
// decimals are kept, so that OK never changes an amount the director did not
// touch.
QString SmallBlindCellText(Single amount);
// The amounts of the cells that read as numbers ("1,500" is 1500); blank and
// other cells are skipped.
QList<double> SmallBlindCellAmounts(const QStringList& cells);
// The first small-blind cell (from 0) holding a text that is no number,
// which OK refuses rather than leave a typing slip out of the table; -1
// when every cell is blank or a number.
int RefusedSmallBlindCell(const QStringList& cells);
QString SmallBlindsNumericMessage();
// Why the settings dialog refuses its rounding unit, safety count or one of
// its percentages, or "" when all are usable.
QString GeneratorSettingsError(const QString& roundTo, const QString& numSafety, const QString& startingBig,
                               const QString& endingBig);
