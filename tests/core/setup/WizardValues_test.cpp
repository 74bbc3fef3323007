#include "core/platform/FileFilter.h"
#include "core/setup/Estimates.h"
#include "core/setup/WizardAwards.h"
#include "core/setup/WizardValues.h"
#include "core/store/OpenTournament.h"
#include "core/store/Payouts.h"

#include <QDateTime>
#include <gtest/gtest.h>

// Each percentage example through the estimate and through the payouts the
// tournament will pay, on the same pool of 1000.
TEST(WizardPayouts, WorkedExamples)
{
    struct Case {
        const char* what;
        QStringList percents; // house first
        Integer unit;
        QList<double> expected;
    };
    const Case cases[] = {
        {"50/30/20", {"0", "50", "30", "20"}, 1, {0, 500, 300, 200}},
        {"33.3 three times, unit 5: place 1 never below place 2", {"0", "33.3", "33.3", "33.3"}, 5, {0, 335, 335, 330}},
        {"house 1 %: 100.9 % in all, the house paid last", {"1", "33.3", "33.3", "33.3"}, 5, {0, 335, 335, 330}},
        {"62.5 and 67.5 to the even unit", {"0", "0", "6.25", "6.75"}, 5, {0, 870, 60, 70}},
        {"a negative house counts as 0", {"-1", "50", "50"}, 1, {0, 500, 500}},
        {"no unit chosen counts as 1", {"0", "50.1", "49.9"}, 0, {0, 501, 499}},
    };
    for (const Case& c : cases) {
        QList<double> estimated;
        for (const EstimatedPayout& row : CalcEstPayouts(1, c.percents, 1000, c.unit))
            estimated << row.Amount;
        EXPECT_EQ(estimated, c.expected) << c.what;

        OpenTournament t;
        t.gintPayAsPercentages = 1;
        t.gintRoundTo = c.unit;
        t.gintNumberPaid = Integer(c.percents.size() - 1);
        t.RedimPayouts();
        for (int k = 0; k < c.percents.size(); ++k)
            t.gdblPayout[k] = c.percents[k].toDouble();
        t.gtypPlayers.redim(1, 2);
        t.gtypPlayers[1].TotalBuyin = 600;
        t.gtypPlayers[2].TotalBuyin = 400;
        CalculatePayouts(t);
        QList<double> paid;
        for (double x : t.gdblCalculatedPayout)
            paid << x;
        EXPECT_EQ(paid, c.expected) << c.what;
    }
    EXPECT_EQ(AwardsTotal({}, 2, QStringLiteral("5"), 20), 100) << "a bounty for every player";
    EXPECT_EQ(AwardsTotal({}, 1, QStringLiteral("5"), 20), 0) << "a bounty asked for each player";
}

TEST(WizardPages, WorkingValuesAndPageRules)
{
    EXPECT_EQ(WizardDateText(QDateTime(QDate(2026, 3, 7), QTime(0, 0), Qt::UTC)), QStringLiteral("3/7/2026"));
    EXPECT_EQ(WizardDateText(QVariant()), QString());
    const std::pair<const char*, Integer> counts[]
        = {{"12", 12}, {"abc", 0}, {"2.5", 2}, {"99999", 32767}, {"-1e9", -32768}};
    for (const auto& [text, value] : counts)
        EXPECT_EQ(WorkingInteger(QString::fromLatin1(text)), value) << text;
    EXPECT_EQ(JoinDuration(QStringLiteral("2"), QStringLiteral("30")), 150);
    EXPECT_EQ(JoinDuration(QStringLiteral("600"), QStringLiteral("0")), 32767);
    EXPECT_EQ(SplitDuration(150).Hours, QStringLiteral("2"));
    EXPECT_EQ(SplitDuration(150).Minutes, QStringLiteral("30"));

    EXPECT_EQ(ChipColorListNames().size(), 15);
    EXPECT_EQ(ChipColorListNames().value(14), QStringLiteral("Turquoise"));
    EXPECT_FALSE(ChipRowRules(-1).CountEnabled) << "no colour counts as not used";

    EXPECT_EQ(FolderOfChosenFile(QStringLiteral("C:\\Pics\\ad1.jpg")), QStringLiteral("C:\\Pics"));
    EXPECT_EQ(FolderOfChosenFile(QStringLiteral("/pics/ad1.jpg")), QStringLiteral("/pics"));
    EXPECT_EQ(FolderOfChosenFile(QStringLiteral("ad1.jpg")), std::nullopt);
    EXPECT_EQ(CaseInsensitiveFilter(QStringLiteral("Pictures (*.bmp *.jpg)")),
              QStringLiteral("Pictures (*.bmp *.jpg *.BMP *.JPG)"));
}

TEST(WizardAwards, PlaceholderFlagAndChecks)
{
    WizardAwardList list;
    EXPECT_TRUE(list.Placeholder());
    EXPECT_EQ(list.GridRows().value(0)[3], QStringLiteral("None"));
    EXPECT_FALSE(list.IsAward(1));
    // An award typed "None" is an award like any other.
    EXPECT_EQ(list.Add({false, 0, {}, QStringLiteral("None"), QStringLiteral("10"), QStringLiteral("0")}), 1);
    EXPECT_TRUE(list.IsAward(1));
    list.Delete(1);
    EXPECT_TRUE(list.Placeholder());

    struct Case {
        AwardEntry entry;
        bool playerChosen;
        QString message; // empty: accepted
    };
    const QStringList others {QString(), QStringLiteral("0"), QStringLiteral("7")};
    const Case cases[] = {
        {{true, 7, "Ann", {}, "0", "0"},
         true,
         "The player you selected already has a bounty.  You cannot assign "
         "more than one bounty to a player."},
        {{true, 8, "Bob", {}, "0", "0"}, true, {}},
        {{true, 0, {}, {}, "0", "0"}, false, "Please select a player."},
        {{false, 0, {}, "  ", "0", "0"}, true, "Please specify a description."},
        {{false, 0, {}, "High Hand", "", "0"}, true, "Award dollars must be numeric.  Use 0 for none."},
        {{false, 0, {}, "High Hand", "5", "x"}, true, "Award points must be numeric.  Use 0 for none."},
        {{false, 0, {}, "High Hand", "-50", "0"}, true, "Player winnings cannot be negative."},
        {{true, 8, "Bob", {}, "-0.01", "0"}, true, "Player winnings cannot be negative."},
        {{false, 0, {}, "High Hand", "0", "-5"}, true, {}},
    };
    for (const Case& c : cases) {
        const std::optional<AwardFault> fault = ValidateAward(c.entry, c.playerChosen, others);
        EXPECT_EQ(fault ? fault->Message : QString(), c.message) << c.entry.Description.toStdString();
    }

    // "Assign Bounty" types a player's winnings and points by hand.
    const struct {
        const char* dollars;
        const char* points;
        const char* message; // empty: accepted
        AwardFocus focus;
    } adjustments[] = {
        {"12a", "1", "Dollars must be numeric.", AwardFocus::Dollars},
        {"-50", "1", "Player winnings cannot be negative.", AwardFocus::Dollars},
        {"-0.01", "x", "Player winnings cannot be negative.", AwardFocus::Dollars},
        {"3", "$4", "Points must be numeric.", AwardFocus::Points},
        {"0", "-5", "", AwardFocus::None},
        // A total may pass the ceiling of one box, but not what sums keep
        // exact to the cent.
        {"9999999999999.99", "-330000000000", "", AwardFocus::None},
        {"10000000000000", "1", "Player winnings is too large.", AwardFocus::Dollars},
        {"1e39", "1", "Player winnings is too large.", AwardFocus::Dollars},
        {"5", "-1e39", "Player points is too large.", AwardFocus::Points},
    };
    for (const auto& a : adjustments) {
        const auto fault = ValidateAdjustment(QString::fromLatin1(a.dollars), QString::fromLatin1(a.points));
        EXPECT_EQ(fault ? fault->Message : QString(), QString::fromLatin1(a.message)) << a.dollars;
        EXPECT_EQ(fault ? fault->Focus : AwardFocus::None, a.focus) << a.dollars;
    }

    // An award is refused when, with the others (the automatic bounties
    // included), the awards would pass what is kept to the cent.
    const struct {
        double others;
        const char* dollars;
        bool refused;
    } totals[] = {
        {9999000000000.01, "999999999.99", true},
        {9999000000000, "999999999", false},
        {9999999999999.99, "0", false},
        {9999999999999.99, "0.01", true},
    };
    for (const auto& a : totals) {
        const auto fault = AwardsPastCeiling(
            {false, 0, {}, QStringLiteral("High Hand"), QString::fromLatin1(a.dollars), QStringLiteral("0")}, a.others);
        EXPECT_EQ(fault ? fault->Message : QString(),
                  a.refused ? QStringLiteral("This award would take the awards total past 9999999999999.99, the most "
                                             "that is kept to the cent.  Nothing was entered.")
                            : QString())
            << a.dollars;
        EXPECT_EQ(fault ? fault->Focus : AwardFocus::None, a.refused ? AwardFocus::Dollars : AwardFocus::None);
    }
}
