#include "core/setup/BlindGenerator.h"

#include "core/platform/Database.h"
#include "core/setup/LevelTable.h"
#include "core/store/MoneyRules.h"
#include "core/store/Nz.h"
#include "core/store/PlainNumberText.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SettingsFile.h"
#include "core/store/SettingsKeys.h"

#include <cmath>

namespace {

// Amounts compare as whole thousandths, in 64 bits: 32 would overflow from
// 3,000,000 up.
qint64 thousandths(double amount) { return Clamped<qint64>(amount * 1000.0); }

bool multipleOf(Single amount, qint64 chip) { return chip == 0 || thousandths(amount) % chip == 0; }

} // namespace

QList<Single> BuiltInSmallBlinds()
{
    QList<Single> amounts {0.05f, 0.1f, 0.25f, 0.5f, 1, 2, 4, 5, 8, 10, 15, 25, 50, 75, 100, 150, 200, 300, 500, 800};
    // From 1000 up every decade steps 1, 1.5, 2, 3, 5, 8.
    for (double decade = 1000; decade < 1e9; decade *= 10)
        for (const double step : {1.0, 1.5, 2.0, 3.0, 5.0, 8.0})
            amounts.append(static_cast<Single>(decade * step));
    amounts.append(1e9f);
    return amounts;
}

QList<Single> LoadDefaultSmallBlinds(Database& db, bool bUseBuiltIn)
{
    if (!bUseBuiltIn) {
        Recordset rs = db.query(QStringLiteral("SELECT Amount FROM tblDefaultSmallBlind ORDER BY Amount"));
        QList<Single> amounts;
        for (; !rs.eof(); rs.moveNext())
            amounts.append(NzSingle(rs.value(QStringLiteral("Amount"))));
        if (!amounts.isEmpty())
            return amounts;
    }
    return BuiltInSmallBlinds();
}

void SaveDefaultSmallBlinds(Database& db, const QList<double>& amounts)
{
    Transaction transaction(db);
    db.execute(QStringLiteral("DELETE FROM tblDefaultSmallBlind"));
    for (const double amount : amounts)
        db.execute(QStringLiteral("INSERT INTO tblDefaultSmallBlind (Amount) VALUES (?)"), {amount});
    transaction.commit();
}

GeneratorSettings GeneratorSettingsOf(const ProgramSettings& s)
{
    return {s.gintTADoubleBlinds,
            s.gintTANumSafetySessions,
            s.gintTARoundSessionTimeTo,
            s.gdblTAEndBlindonBigPercentage,
            s.gdblTAStartBlindonBigPercentage,
            s.gintTAFactorSmallestChipIn};
}

void StoreGeneratorSettings(ProgramSettings& s, const GeneratorSettings& g)
{
    s.gintTADoubleBlinds = static_cast<Integer>(g.DoubleBlinds);
    s.gintTANumSafetySessions = static_cast<Integer>(g.NumSafetySessions);
    s.gintTARoundSessionTimeTo = static_cast<Integer>(g.RoundSessionTimeTo);
    s.gdblTAEndBlindonBigPercentage = g.EndBlindOnBigPercentage;
    s.gdblTAStartBlindonBigPercentage = g.StartBlindOnBigPercentage;
    s.gintTAFactorSmallestChipIn = static_cast<Integer>(g.FactorSmallestChipIn);
    const std::pair<const char*, QVariant> keys[] = {
        {"TADoubleBlinds", s.gintTADoubleBlinds},
        {"TANumSafetySessions", s.gintTANumSafetySessions},
        {"TARoundSessionTimeTo", s.gintTARoundSessionTimeTo},
        {"TAEndBlindonBigPercentage", s.gdblTAEndBlindonBigPercentage},
        {"TAStartBlindonBigPercentage", s.gdblTAStartBlindonBigPercentage},
        {"TAFactorSmallestChipIn", s.gintTAFactorSmallestChipIn},
    };
    for (const auto& [key, value] : keys)
        WriteIniValue(QString::fromLatin1(LevelGeneratorSection), QString::fromLatin1(key), value);
}

int FindFirstBlindIndex(Single WantedSmallBlind, const QList<Single>& DefaultBlinds, double SmallestChip)
{
    const qint64 chip = thousandths(SmallestChip);
    for (int i = 1; i <= DefaultBlinds.size(); ++i) {
        if (DefaultBlinds[i - 1] < WantedSmallBlind)
            continue;
        if (i == 1)
            return 1;
        if (multipleOf(DefaultBlinds[i - 2], chip))
            return i - 1;
        if (multipleOf(DefaultBlinds[i - 1], chip))
            return i;
    }
    return 0;
}

QString FirstBlindMessage()
{
    return QStringLiteral("The smallest desired chip amount you requested is not compatible with standard blind "
                          "structures.  Please suggest a different smallest chip size.");
}

QString BlindsTooLargeMessage()
{
    return QStringLiteral("The first blinds these settings give are larger than a level takes (a big blind of at "
                          "most 16,777,216).  Lower the starting big blind percentage.");
}

QString ShortTimeMessage(long playing, long levels, long minutes, int needed, int extra)
{
    const QString fit = levels == 1 ? QStringLiteral("1 level") : QStringLiteral("%1 levels").arg(levels);
    return QStringLiteral("The %1 minutes of play left after the breaks hold only %2 of %3 minutes, where the blinds "
                          "need %4 levels and %5 extra ones to reach the ending blind.  Only the first %2 %6 "
                          "suggested: allow more time, fewer or shorter breaks, or round each level to fewer minutes "
                          "(Settings...).")
        .arg(playing)
        .arg(fit)
        .arg(minutes)
        .arg(needed)
        .arg(extra)
        .arg(levels == 1 ? QStringLiteral("is") : QStringLiteral("are"));
}

QString CeilingMessage(int levels, int extra, int wanted)
{
    const QString stop = QStringLiteral("The blinds stop at level %1: the next would be larger than a level takes (a "
                                        "big blind of at most 9,999,999), ")
                             .arg(levels);
    if (extra == 0)
        return stop
            + QStringLiteral("before they reach the ending blind.  Lower the ending big blind percentage, or plan "
                             "to end the tournament by other means.");
    return stop + QStringLiteral("so only %1 of the %2 extra levels fit.").arg(extra).arg(wanted);
}

QString GeneratorPercentError(double startingBig, double endingBig)
{
    if (!(startingBig > 0 && startingBig <= 100))
        return QStringLiteral("The starting big blind must be more than 0 % and at most 100 % of the buyin.");
    if (!(endingBig > 0 && endingBig <= 100))
        return QStringLiteral("The ending big blind must be more than 0 % and at most 100 % of the total chips.");
    return {};
}

QString TimeWarningMessage()
{
    return QStringLiteral("The settings you have requested result in not enough time to complete your tourney.  "
                          "Either adjust what you are rounding each session time to, or change the buyin settings.");
}

GeneratedLevels generateLevels(const BlindEstimates& e, const QList<ChipRow>& chips, const GeneratorSettings& settings,
                               const QList<Single>& table)
{
    GeneratedLevels out;
    out.Error = GeneratorPercentError(settings.StartBlindOnBigPercentage, settings.EndBlindOnBigPercentage);
    if (!out.Error.isEmpty())
        return out;
    const int safety = std::max(0, settings.NumSafetySessions);
    const long unit = std::max(1, settings.RoundSessionTimeTo);

    // The smallest chip in use limits the first small blind; with no chip in
    // use at a positive amount, or the limit off, any cent will do.
    double smallest = 0;
    if (settings.FactorSmallestChipIn == 1) {
        smallest = 1e9;
        for (const ChipRow& c : chips)
            if (c.ColorIndex > 0 && c.Amount > 0 && c.Amount < smallest)
                smallest = c.Amount;
        if (smallest == 1e9)
            smallest = 0;
    }
    if (smallest == 0)
        smallest = 0.01;

    const double total = e.Rebuys * e.RebuyChips + e.Players * e.BuyinChips + e.Addons * e.AddonChips;
    // Amounts beyond a Single's range stand for its largest: above every blind.
    const Single wanted = Clamped<Single>(settings.StartBlindOnBigPercentage / 100.0 / 2.0 * e.BuyinChips);
    const int k = FindFirstBlindIndex(wanted, table, smallest);
    if (k == 0) {
        out.Error = FirstBlindMessage();
        return out;
    }

    // No level is suggested that Finish would refuse: its blinds stay within
    // the chips a box takes.
    if (2.0 * table[k - 1] > Count::Ceiling) {
        out.Error = BlindsTooLargeMessage();
        return out;
    }
    QList<GeneratedLevel> levels;
    levels.append({0, table[k - 1], 2 * table[k - 1], 0});
    const Single ending = Clamped<Single>(settings.EndBlindOnBigPercentage / 100.0 * 1.5 * total);
    int over = 0;
    bool atCeiling = false;
    bool last = k >= table.size() && settings.DoubleBlinds != 1;
    while (!last) {
        const int n = levels.size() + 1;
        if (n > MaxLevels) {
            out.Error = QStringLiteral("The suggested levels would exceed 1000 levels.");
            return out;
        }
        GeneratedLevel level;
        if (settings.DoubleBlinds == 1) {
            level.SmallBlind = 2 * levels.last().SmallBlind;
        } else {
            level.SmallBlind = table[k + n - 2];
            last = k + n - 1 >= table.size();
        }
        level.BigBlind = 2 * level.SmallBlind;
        if (double(level.BigBlind) > Count::Ceiling) {
            atCeiling = over < safety;
            break;
        }
        levels.append(level);
        if (level.SmallBlind + level.BigBlind > ending)
            over += 1;
        if (over >= safety)
            last = true;
    }

    const long playing = e.DurationMinutes - e.Breaks * e.BreakMinutes;
    // At the chip ceiling the raising stops before the safety levels: the
    // levels over the ending blind are the extra ones there are.
    int counted = levels.size() - (atCeiling ? over : safety);
    if (counted <= 0) {
        out.Error = QStringLiteral("The small blind table is too short for the safety levels requested.");
        return out;
    }
    if (playing <= 0) {
        out.Error = QStringLiteral("The breaks you have requested leave no time for play.");
        return out;
    }
    out.TimeWarning = double(e.DurationMinutes) / double(unit) < levels.size();

    Single perLevel = Clamped<Single>(double(playing) / counted);
    perLevel = Clamped<Single>(std::floor(perLevel / unit) * unit);
    if (perLevel < 1) {
        // The time holds fewer levels than the blinds need: only those that
        // can be played, whole units each (one shorter level when not even
        // a unit fits). No level is ever of 0 minutes.
        const long fit = std::max(1L, playing / unit);
        out.Notice = ShortTimeMessage(playing, fit, std::min(unit, playing), counted, levels.size() - counted);
        out.TimeWarning = false;
        perLevel = Single(std::min(unit, playing));
        levels.resize(fit);
        counted = int(fit);
    }
    const int n = levels.size();
    long leftover = static_cast<long>(RoundHalfEven(std::fabs(double(playing) - counted * double(perLevel))));

    const bool breaks = e.Breaks > 0 && e.BreakMinutes > 0;
    const long step = breaks ? static_cast<long>(RoundHalfEven(double(counted) / double(e.Breaks + 1))) : 0;
    long nextBreak = step;
    long placed = 0;
    for (int i = 1; i <= n; ++i) {
        GeneratedLevel& level = levels[i - 1];
        if (leftover > unit) {
            level.SessionTime = unit + static_cast<long>(perLevel);
            leftover -= unit;
        } else {
            level.SessionTime = static_cast<long>(perLevel);
        }
        if (breaks && step > 0 && placed < e.Breaks && i == nextBreak && i < n) {
            level.BreakAfter = e.BreakMinutes;
            nextBreak += step;
            placed += 1;
        }
    }

    out.Levels = levels;
    out.CountedLevels = counted;
    if (!out.Notice.isEmpty()) {
        out.EndLabel = n == 1
            ? QStringLiteral("Only 1 level fits in the time given: your tournament may not end by then.")
            : QStringLiteral("Only %1 levels fit in the time given: your tournament may not end "
                             "by then.")
                  .arg(n);
    } else if (atCeiling) {
        out.Notice = CeilingMessage(n, over, safety);
        out.EndLabel = over == 0
            ? QStringLiteral("The blinds stop at level %1, at the largest a level takes: your tournament may not "
                             "end by then.")
                  .arg(n)
            : QStringLiteral("Your tournament should end by level %1.  Only %2 extra levels fit below the largest "
                             "blinds a level takes.")
                  .arg(counted)
                  .arg(over);
    } else {
        out.EndLabel = QStringLiteral("Your tournament should end by level %1.  We added %2 extra levels to be safe.")
                           .arg(counted)
                           .arg(settings.NumSafetySessions);
    }
    return out;
}

QString SmallBlindCellText(Single amount)
{
    QString text = PlainNumberText(amount);
    const bool negative = text.startsWith(u'-');
    if (negative)
        text.remove(0, 1);
    const qsizetype point = text.indexOf(u'.');
    QString whole = point < 0 ? text : text.left(point);
    const QString fraction = point < 0 ? QString() : text.mid(point);
    if (whole == QLatin1String("0") && !fraction.isEmpty())
        whole.clear();
    for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
        whole.insert(at, u',');
    return (negative ? QStringLiteral("-") : QString()) + whole + fraction;
}

QList<double> SmallBlindCellAmounts(const QStringList& cells)
{
    QList<double> amounts;
    for (const QString& cell : cells) {
        double amount = 0;
        if (ReadsAsNumber(cell.trimmed(), &amount))
            amounts.append(amount);
    }
    return amounts;
}

int RefusedSmallBlindCell(const QStringList& cells)
{
    for (int i = 0; i < cells.size(); ++i)
        if (!cells[i].trimmed().isEmpty() && !ReadsAsNumber(cells[i].trimmed()))
            return i;
    return -1;
}

QString SmallBlindsNumericMessage()
{
    return QStringLiteral("Small blinds must be numeric.  Clear the cell to leave it out.");
}

QString GeneratorSettingsError(const QString& roundTo, const QString& numSafety, const QString& startingBig,
                               const QString& endingBig)
{
    // Both are stored as 16-bit whole numbers; a blank safety count is 0.
    double unit = 0;
    const QString unitName = QStringLiteral("The time to round each level to");
    if (!ReadsAsNumber(roundTo.trimmed(), &unit))
        return unitName + QStringLiteral(" must be numeric.");
    if (RoundHalfEven(unit) < 1)
        return QStringLiteral("The time for each level must be rounded to at least 1 minute.");
    if (auto tooLarge = RefuseTooLarge<Integer>(unit, unitName))
        return *tooLarge;
    double safety = 0;
    const QString safetyName = QStringLiteral("The number of 'safety' levels");
    if (!numSafety.trimmed().isEmpty() && !ReadsAsNumber(numSafety.trimmed(), &safety))
        return safetyName + QStringLiteral(" must be numeric.");
    if (RoundHalfEven(safety) < 0)
        return QStringLiteral("The number of 'safety' levels cannot be negative.");
    if (auto tooLarge = RefuseTooLarge<Integer>(safety, safetyName))
        return *tooLarge;
    double start = 0, end = 0;
    if (!ReadsAsNumber(startingBig.trimmed(), &start))
        return QStringLiteral("The % of buyin for the starting big blind must be numeric.");
    if (!ReadsAsNumber(endingBig.trimmed(), &end))
        return QStringLiteral("The % of total chips for the ending big blind must be numeric.");
    return GeneratorPercentError(start, end);
}
