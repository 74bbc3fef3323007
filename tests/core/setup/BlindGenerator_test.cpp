#include "LeagueTestData.h"
#include "core/setup/BlindGenerator.h"
#include "core/store/MoneyRules.h"

#include <vector>

namespace {

// The worked example: 20 players, 1000 chips, smallest chip 25, three hours
// with two breaks of ten minutes, the settings at their defaults.
BlindEstimates example()
{
    BlindEstimates e;
    e.Players = 20;
    e.BuyinChips = 1000;
    e.DurationMinutes = 180;
    e.Breaks = 2;
    e.BreakMinutes = 10;
    return e;
}

const QList<ChipRow> chips25 {{2, 25}, {3, 100}, {0, 5}};

} // namespace

TEST(BlindGenerator, WorkedExample)
{
    const GeneratedLevels g = generateLevels(example(), chips25, GeneratorSettings {}, BuiltInSmallBlinds());
    ASSERT_TRUE(g.Error.isEmpty()) << g.Error.toStdString();
    const Single small[] = {25, 50, 75, 100, 150, 200, 300, 500, 800, 1000, 1500, 2000, 3000};
    ASSERT_EQ(g.Levels.size(), 13);
    for (int i = 0; i < 13; ++i) {
        const GeneratedLevel& l = g.Levels[i];
        EXPECT_EQ(l.SmallBlind, small[i]) << "level " << i + 1;
        EXPECT_EQ(l.BigBlind, 2 * small[i]);
        EXPECT_EQ(l.SessionTime, i < 5 ? 20 : 10) << "level " << i + 1;
        EXPECT_EQ(l.BreakAfter, (i == 2 || i == 5) ? 10 : 0) << "level " << i + 1;
    }
    EXPECT_EQ(g.CountedLevels, 10);
    EXPECT_FALSE(g.TimeWarning);
    EXPECT_EQ(g.EndLabel,
              QStringLiteral("Your tournament should end by level 10.  We added 3 extra levels to be safe."));
}

TEST(BlindGenerator, FindFirstBlindIndex)
{
    const QList<Single> table = BuiltInSmallBlinds();
    ASSERT_EQ(table.size(), 57);
    EXPECT_EQ(table[20], 1000);
    EXPECT_EQ(table[56], 1e9f);
    struct Case {
        Single wanted;
        double chip;
        int index;
    };
    for (const Case& c : {Case {0.05f, 25, 1}, Case {0.01f, 3, 1}, Case {10, 25, 12}, Case {10, 0.01, 9},
                          Case {2e9f, 1, 0}, Case {3e6f, 1e6, 41}, Case {10, 0.0001, 9}})
        EXPECT_EQ(FindFirstBlindIndex(c.wanted, table, c.chip), c.index) << c.wanted << " with chip " << c.chip;
}

TEST(BlindGenerator, ModesAndShapes)
{
    GeneratorSettings noSafety;
    noSafety.NumSafetySessions = 0;
    EXPECT_EQ(generateLevels(example(), chips25, noSafety, BuiltInSmallBlinds()).Levels.size(), 2);

    GeneratorSettings doubling;
    doubling.DoubleBlinds = 1;
    const GeneratedLevels d = generateLevels(example(), chips25, doubling, BuiltInSmallBlinds());
    ASSERT_GE(d.Levels.size(), 3);
    for (int i = 1; i < d.Levels.size(); ++i)
        EXPECT_EQ(d.Levels[i].SmallBlind, 2 * d.Levels[i - 1].SmallBlind);

    // A short saved table ends the levels at its last entry.
    const GeneratedLevels s = generateLevels(example(), chips25, GeneratorSettings {}, {25, 50, 100, 200, 400, 800});
    EXPECT_EQ(s.Levels.size(), 6);
    EXPECT_EQ(s.CountedLevels, 3);

    // The raising ends below the largest blind a level takes (every whole
    // number up to 2^24): a field of a thousand with 9,999,999 chips each
    // would climb the table to 1,000,000,000.
    BlindEstimates huge = example();
    huge.Players = 1000;
    huge.BuyinChips = 9999999;
    for (int doubles : {0, 1}) {
        GeneratorSettings mode;
        mode.DoubleBlinds = doubles;
        const GeneratedLevels h = generateLevels(huge, chips25, mode, BuiltInSmallBlinds());
        ASSERT_FALSE(h.Levels.isEmpty()) << h.Error.toStdString();
        for (const GeneratedLevel& l : h.Levels)
            EXPECT_LE(l.BigBlind, Count::Ceiling) << doubles;
    }
    EXPECT_EQ(generateLevels(huge, chips25, GeneratorSettings {}, BuiltInSmallBlinds()).Levels.last().SmallBlind,
              8000000.0f);

    // Not enough time for the levels: warned, and the levels still come.
    BlindEstimates quick = example();
    quick.DurationMinutes = 100;
    quick.Breaks = 0;
    const GeneratedLevels w = generateLevels(quick, chips25, GeneratorSettings {}, BuiltInSmallBlinds());
    EXPECT_TRUE(w.TimeWarning);
    EXPECT_EQ(w.Levels.size(), 13);

    // Ten counted levels and three breaks: after levels 2, 4 and 6.
    BlindEstimates three = example();
    three.Breaks = 3;
    three.BreakMinutes = 15;
    three.DurationMinutes = 200;
    QList<int> after;
    const GeneratedLevels b = generateLevels(three, chips25, GeneratorSettings {}, BuiltInSmallBlinds());
    for (int i = 0; i < b.Levels.size(); ++i)
        if (b.Levels[i].BreakAfter == 15)
            after << i + 1;
    EXPECT_EQ(after, (QList<int> {2, 4, 6}));

    // A leftover equal to the unit is not spread: 110 minutes over 10 levels.
    BlindEstimates even = example();
    even.DurationMinutes = 110;
    even.Breaks = 0;
    for (const GeneratedLevel& l : generateLevels(even, chips25, GeneratorSettings {}, BuiltInSmallBlinds()).Levels)
        EXPECT_EQ(l.SessionTime, 10);
}

TEST(BlindGenerator, NoLevelOfZeroMinutesWhenTimeOrChipsRunShort)
{
    struct Case {
        const char* what;
        long players, chips, duration, breaks;
        std::vector<long> minutes;
        std::vector<int> breaksAfter;
        bool notice;
    };
    const Case cases[] = {
        // 70 minutes of play hold 7 of the 10 levels the blinds need.
        {"1 hr 30 min", 20, 1000, 90, 2, {10, 10, 10, 10, 10, 10, 10}, {2, 4}, true},
        {"25 min", 20, 1000, 25, 2, {5}, {}, true},
        // 3,000 players at 100,000 chips: the blinds stop below the ceiling.
        {"chip ceiling", 3000, 100000, 600, 2, {}, {}, true},
        {"worked example", 20, 1000, 180, 2, {20, 20, 20, 20, 20, 10, 10, 10, 10, 10, 10, 10, 10}, {3, 6}, false},
    };
    for (const Case& c : cases) {
        BlindEstimates e = example();
        e.Players = c.players;
        e.BuyinChips = double(c.chips);
        e.DurationMinutes = c.duration;
        e.Breaks = c.breaks;
        const GeneratedLevels g = generateLevels(e, chips25, GeneratorSettings {}, BuiltInSmallBlinds());
        ASSERT_TRUE(g.Error.isEmpty()) << c.what;
        std::vector<long> minutes;
        std::vector<int> after;
        for (int i = 0; i < g.Levels.size(); ++i) {
            EXPECT_GE(g.Levels[i].SessionTime, 1) << c.what << " level " << i + 1;
            minutes.push_back(g.Levels[i].SessionTime);
            if (g.Levels[i].BreakAfter != 0)
                after.push_back(i + 1);
        }
        if (!c.minutes.empty()) {
            EXPECT_EQ(minutes, c.minutes) << c.what;
            EXPECT_EQ(after, c.breaksAfter) << c.what;
        }
        EXPECT_EQ(!g.Notice.isEmpty(), c.notice) << c.what;
        EXPECT_EQ(g.EndLabel.contains(QStringLiteral("We added")), !c.notice) << c.what;
        EXPECT_EQ(g.Levels.last().BreakAfter, 0) << c.what << ": no break after the last level";
    }
}

TEST(BlindGenerator, GuardsStopAtOnce)
{
    struct Case {
        const char* what;
        BlindEstimates estimates;
        GeneratorSettings settings;
        QList<Single> table;
        QString error;
    };
    BlindEstimates noTime = example();
    noTime.Breaks = 18;
    // Doubling a small blind of 0 never reaches the ending blind.
    GeneratorSettings doubling;
    doubling.DoubleBlinds = 1;
    BlindEstimates noChips = example();
    noChips.BuyinChips = 0;
    GeneratorSettings negative;
    negative.StartBlindOnBigPercentage = -5;
    GeneratorSettings huge;
    huge.EndBlindOnBigPercentage = 1e39;
    GeneratorSettings zeroUnit;
    zeroUnit.RoundSessionTimeTo = 0;
    zeroUnit.NumSafetySessions = -2;
    const Case cases[] = {
        {"first blind", example(), {}, {1, 2}, FirstBlindMessage()},
        {"short table",
         example(),
         {},
         {25, 50},
         QStringLiteral("The small blind table is too short for the safety levels requested.")},
        {"breaks",
         noTime,
         {},
         BuiltInSmallBlinds(),
         QStringLiteral("The breaks you have requested leave no time for play.")},
        {"doubling", noChips, doubling, {0}, QStringLiteral("The suggested levels would exceed 1000 levels.")},
        {"-5 %", example(), negative, BuiltInSmallBlinds(), GeneratorPercentError(-5, 10)},
        {"1e39 %", example(), huge, BuiltInSmallBlinds(), GeneratorPercentError(2, 1e39)},
        {"first blinds too large", example(), {}, {9000000, 10000000}, BlindsTooLargeMessage()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(generateLevels(c.estimates, chips25, c.settings, c.table).Error, c.error) << c.what;
    // A unit below 1 counts as 1, negative safety as 0.
    const GeneratedLevels g = generateLevels(example(), chips25, zeroUnit, BuiltInSmallBlinds());
    EXPECT_TRUE(g.Error.isEmpty());
    EXPECT_EQ(g.Levels.size(), 2);
}

class SmallBlindTableTest : public LeagueDatabaseTest { };

TEST_F(SmallBlindTableTest, SavedTableReplacesTheBuiltInListAllOrNothing)
{
    EXPECT_EQ(LoadDefaultSmallBlinds(db, false), BuiltInSmallBlinds()) << "empty table";
    SaveDefaultSmallBlinds(db, {1500, 25, 0.5});
    EXPECT_EQ(LoadDefaultSmallBlinds(db, false), (QList<Single> {0.5f, 25, 1500}));
    EXPECT_EQ(LoadDefaultSmallBlinds(db, true).size(), 57);

    db.execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON tblDefaultSmallBlind WHEN NEW.Amount > 100 "
                              "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    EXPECT_THROW(SaveDefaultSmallBlinds(db, {5, 500}), DatabaseError);
    EXPECT_EQ(LoadDefaultSmallBlinds(db, false), (QList<Single> {0.5f, 25, 1500}));
}

TEST(BlindGenerator, SettingsDialogTexts)
{
    const std::pair<Single, const char*> cells[]
        = {{0.05f, ".05"}, {0.125f, ".125"}, {1, "1"}, {1500, "1,500"}, {1500.5f, "1,500.5"}, {1e9f, "1,000,000,000"}};
    for (const auto& [amount, text] : cells)
        EXPECT_EQ(SmallBlindCellText(amount), QString::fromLatin1(text));
    EXPECT_EQ(SmallBlindCellAmounts({QStringLiteral("1,500"), QString(), QStringLiteral(" .05 "), QStringLiteral("x"),
                                     QStringLiteral("1,500.5")}),
              (QList<double> {1500, 0.05, 1500.5}));

    const QString unit = QStringLiteral("The time for each level must be rounded to at least 1 minute.");
    const QString unitText = QStringLiteral("The time to round each level to must be numeric.");
    const QString unitLarge = QStringLiteral("The time to round each level to is too large.");
    const QString safety = QStringLiteral("The number of 'safety' levels cannot be negative.");
    const QString safetyText = QStringLiteral("The number of 'safety' levels must be numeric.");
    const QString safetyLarge = QStringLiteral("The number of 'safety' levels is too large.");
    const QString start = GeneratorPercentError(0, 10);
    const QString end = GeneratorPercentError(2, 0);
    const std::tuple<const char*, const char*, QString> checks[] = {
        {"10", "3", QString()},       {"1", "0", QString()},        {"0", "3", unit},
        {"-99999", "3", unit},        {"abc", "3", unitText},       {"40000", "3", unitLarge},
        {"99999", "3", unitLarge},    {"10", "-1", safety},         {"10", "-99999", safety},
        {"10", "40000", safetyLarge}, {"10", "99999", safetyLarge}, {"10", "x", safetyText},
        {"10", "", QString()},
    };
    for (const auto& [roundTo, safe, message] : checks)
        EXPECT_EQ(GeneratorSettingsError(QString::fromLatin1(roundTo), QString::fromLatin1(safe), QStringLiteral("2"),
                                         QStringLiteral("10")),
                  message)
            << roundTo << " / " << safe;
    const std::tuple<const char*, const char*, QString> percents[] = {
        {"2", "10", QString()},
        {"100", "100", QString()},
        {"0.5", "0.1", QString()},
        {"-5", "10", start},
        {"0", "10", start},
        {"100.01", "10", start},
        {"2", "1e39", end},
        {"2", "-5", end},
        {"x", "10", QStringLiteral("The % of buyin for the starting big blind must be numeric.")},
        {"2", "", QStringLiteral("The % of total chips for the ending big blind must be numeric.")},
    };
    for (const auto& [starting, ending, message] : percents)
        EXPECT_EQ(GeneratorSettingsError(QStringLiteral("10"), QStringLiteral("3"), QString::fromLatin1(starting),
                                         QString::fromLatin1(ending)),
                  message)
            << starting << " / " << ending;
    EXPECT_EQ(start, QStringLiteral("The starting big blind must be more than 0 % and at most 100 % of the buyin."));
    EXPECT_EQ(end, QStringLiteral("The ending big blind must be more than 0 % and at most 100 % of the total chips."));
}
