#include "core/setup/WizardSave.h"

#include "FieldBuilder.h"
#include "LeagueTestData.h"
#include "core/floor/SeatingEngine.h"
#include "core/platform/Database.h"
#include "core/setup/NewTournament.h"
#include "core/store/OpenTournament.h"
#include "core/store/TournamentStore.h"

namespace {

// A form that passes every check: three 20-minute levels, three places paid.
WizardForm validForm(bool newTourney = false)
{
    WizardForm f;
    f.NewTourney = newTourney;
    for (const char* box : {"txtBuyin",
                            "txtAddonAmount",
                            "txtAddonChipValue",
                            "txtBuyinChipValue",
                            "txtRebuy",
                            "txtRebuyChipValue",
                            "txtTakeAmount",
                            "txtEstNumPlayers",
                            "txtEstNumRebuys",
                            "txtEstNumAddons",
                            "txtEstDurationHour",
                            "txtEstDurationMin",
                            "txtEstTimeforBreaks",
                            "txtEstNumBreaks",
                            "txtMinutesPerSession",
                            "txtLittleBlind",
                            "txtBigBlind",
                            "txtSmallRaise",
                            "txtBigRaise",
                            "txtAnte",
                            "txtPointsAllPlayers",
                            "txtPointsByPosition",
                            "txtBountyAllDollars",
                            "txtBountyAllPoints",
                            "cmbRound"})
        f.Text[QString::fromLatin1(box)] = QStringLiteral("1");
    for (int i = 0; i < 10; ++i) {
        f.Text[QStringLiteral("txtChipAmount(%1)").arg(i)] = QStringLiteral("25");
        f.Text[QStringLiteral("cmbChipColor(%1)").arg(i)] = QStringLiteral("White");
        f.Text[QStringLiteral("cmbNumChips(%1)").arg(i)] = QStringLiteral("10");
        f.Text[QStringLiteral("txtChipPicture(%1)").arg(i)] = QString();
    }
    f.Text[QStringLiteral("txtName")] = QStringLiteral("Friday");
    f.Text[QStringLiteral("txtDate")] = QStringLiteral("3/7/2026");
    f.Text[QStringLiteral("txtMaxPlayersPerTable")] = QStringLiteral("10");
    f.Text[QStringLiteral("txtFile")] = QString();
    // Every list and check the save reads; all at their first entry or off.
    for (const char* list :
         {"cmbLevel", "cmbPresets", "cmbTATableNotify", "chkAllowRebuys", "chkAllowAddon", "cmbNumRebuysAllowed",
          "cmbRebuyLevel", "cmbAddonNumAllowed", "cmbAddonLevel1", "cmbAddonLevel2", "cmbCustomPictureType",
          "chkPointsAllPlayers", "chkPointsByPosition", "cmbBountyAll"})
        f.Index[QString::fromLatin1(list)] = 0;
    f.Index[QStringLiteral("cmbPayoutType")] = 1;
    f.Index[QStringLiteral("cmbNumPaid")] = 2;
    f.Levels = LevelRows(3, LevelRow {"0", "25", "50", "0", "0", "20", "0"});
    f.Payouts = {{"0", "0"}, {"60", "10.5"}, {"30", "5"}, {"10", "1"}};
    return f;
}

struct FaultCase {
    const char* name;
    std::function<void(WizardForm&)> change;
    int page; // -1: no fault
    const char* control;
    const char* message;
};

const bool nameOk = true;

} // namespace

TEST(WizardSave, ChecksStopAtTheFirstFaultWithItsPageControlAndMessage)
{
    const auto text = [](const char* box, const char* value) {
        return [=](WizardForm& f) { f.Text[QString::fromLatin1(box)] = QString::fromLatin1(value); };
    };
    const auto percents = [](const char* house, const char* first) {
        return [=](WizardForm& f) {
            f.Payouts = {{QString::fromLatin1(house), "0"}, {QString::fromLatin1(first), "0"}, {"0", "0"}, {"0", "0"}};
        };
    };
    const auto addons = [](bool allowed, int first, int second) {
        return [=](WizardForm& f) {
            f.Index[QStringLiteral("chkAllowAddon")] = allowed ? 1 : 0;
            f.Index[QStringLiteral("cmbAddonLevel1")] = first;
            f.Index[QStringLiteral("cmbAddonLevel2")] = second;
        };
    };
    const FaultCase cases[] = {
        {"valid", [](WizardForm&) {}, -1, "", ""},
        {"two faults, the first wins",
         [](WizardForm& f) {
             f.Text[QStringLiteral("txtBuyin")] = QStringLiteral("ten");
             f.Text[QStringLiteral("txtChipAmount(3)")] = QStringLiteral("x");
         },
         1, "txtBuyin", "Buyin amount must be numeric."},
        {"add-on amount", text("txtAddonAmount", "a"), 1, "txtAddonAmount",
         "Addon Chips, even if not used, must be numeric."},
        {"date", text("txtDate", "2/30/2026"), 0, "txtDate", "Invalid tournament date."},
        {"no seats", text("txtMaxPlayersPerTable", "0"), 0, "txtMaxPlayersPerTable",
         "Players per table must be at least 1."},
        {"seats too many", text("txtMaxPlayersPerTable", "40000"), 0, "txtMaxPlayersPerTable",
         "Players per table is too large."},
        {"empty session", [](WizardForm& f) { f.Levels[1][5] = QString(); }, 3, "gridLevels",
         "Session time of level 2 cannot be 0."},
        {"negative session", [](WizardForm& f) { f.Levels[1][5] = QStringLiteral("-5"); }, 3, "gridLevels",
         "Session time of level 2 cannot be negative."},
        {"a slip in a level", [](WizardForm& f) { f.Levels[1][1] = QStringLiteral("2o"); }, 3, "gridLevels",
         "Small Blind must be numeric."},
        {"break after the last", [](WizardForm& f) { f.Levels[2][6] = QStringLiteral("10"); }, 3, "gridLevels",
         "You cannot schedule a break after the last session."},
        {"break before the last", [](WizardForm& f) { f.Levels[1][6] = QStringLiteral("10"); }, -1, "", ""},
        {"add-on levels reversed", addons(true, 5, 3), 1, "cmbAddonLevel1",
         "The levels set for add-on are not valid.  The 2nd level cannot be lower than the 1st level."},
        {"add-on reversed but off", addons(false, 5, 3), -1, "", ""},
        {"add-on up to Finish", addons(true, 5, 0), -1, "", ""},
        {"add-on equal", addons(true, 3, 3), -1, "", ""},
        {"duration too long", text("txtEstDurationHour", "600"), 3, "txtEstDurationHour",
         "Estimated Duration of Tournament is too large."},
        {"chip", text("txtChipAmount(9)", "x"), 2, "txtChipAmount(9)", "Chip values must be numeric."},
        {"payout", [](WizardForm& f) { f.Payouts[2].Payout = QStringLiteral("TV"); }, 4, "grid",
         "Payouts must be numeric.    Set to 0 if you don't want to have a payout."},
        {"points", [](WizardForm& f) { f.Payouts[0].Points = QStringLiteral("p"); }, 4, "grid",
         "Points must be numeric.  Set to 0 if you don't want to include points."},
        {"prizes take letters",
         [](WizardForm& f) {
             f.Index[QStringLiteral("cmbPayoutType")] = 2;
             f.Payouts[1] = {QStringLiteral("A TV"), QStringLiteral("lots")};
         },
         -1, "", ""},
        {"bounty points", text("txtBountyAllPoints", ""), 5, "txtBountyAllPoints",
         "Bounty Points Value, even if not used, must be numeric."},
        {"winner takes all", percents("0", "100"), -1, "", ""},
        {"one place above 100 %", percents("0", "100.01"), 4, "grid", "The payout of place 1 cannot be above 100%."},
        {"the house counts",
         [](WizardForm& f) {
             f.Payouts = {{"10", "0"}, {"50", "0"}, {"30", "0"}, {"20", "0"}};
         },
         4, "grid", "The payouts add up to 110%: the places and the house can take 100% of the prize pool at most."},
        // Manual blinds run the clock from these boxes.
        {"a slip in the small blind", text("txtLittleBlind", "3o"), 3, "txtLittleBlind",
         "Small Blind must be numeric."},
        {"a slip in the minutes", text("txtMinutesPerSession", "2o"), 3, "txtMinutesPerSession",
         "Minutes per Session must be numeric."},
        {"the level table sets them",
         [](WizardForm& f) {
             f.Index[QStringLiteral("cmbPresets")] = 2;
             f.Text[QStringLiteral("txtMinutesPerSession")] = QStringLiteral("2o");
         },
         -1, "", ""},
    };
    for (const FaultCase& c : cases) {
        WizardForm f = validForm();
        c.change(f);
        const auto fault = CheckWizardForm(f, [](const QString&) { return nameOk; });
        ASSERT_EQ(fault.has_value(), c.page >= 0) << c.name;
        if (!fault)
            continue;
        EXPECT_EQ(fault->Page, c.page) << c.name;
        EXPECT_EQ(fault->Control, QString::fromLatin1(c.control)) << c.name;
        EXPECT_EQ(fault->Message, QString::fromLatin1(c.message)) << c.name;
    }

    // A new tournament's name is checked first, by the name check itself;
    // a tournament being changed keeps its name unchecked.
    WizardForm fresh = validForm(true);
    fresh.Text[QStringLiteral("txtBuyin")] = QStringLiteral("x");
    EXPECT_EQ(CheckWizardForm(fresh, [](const QString&) { return false; })->Control, QStringLiteral("txtName"));
    WizardForm running = validForm(false);
    EXPECT_FALSE(CheckWizardForm(running, [](const QString&) { return false; }));
}

TEST(WizardSave, NegativeMoneyAndCountsAreRefusedByName)
{
    const struct {
        const char* control;
        int page;
        const char* message;
    } boxes[] = {
        {"txtBuyin", 1, "Buy-in cannot be negative."},
        {"txtAddonAmount", 1, "Add-on amount cannot be negative."},
        {"txtAddonChipValue", 1, "Add-on chip value cannot be negative."},
        {"txtBuyinChipValue", 1, "Buy-in chip value cannot be negative."},
        {"txtRebuy", 1, "Rebuy amount cannot be negative."},
        {"txtRebuyChipValue", 1, "Rebuy chip value cannot be negative."},
        {"txtTakeAmount", 1, "House fee cannot be negative."},
        {"txtEstNumPlayers", 1, "Estimated number of players cannot be negative."},
        {"txtEstNumRebuys", 1, "Estimated number of rebuys cannot be negative."},
        {"txtEstNumAddons", 1, "Estimated number of add-ons cannot be negative."},
        {"txtLittleBlind", 3, "Small blind cannot be negative."},
        {"txtBigBlind", 3, "Big blind cannot be negative."},
        {"txtSmallRaise", 3, "Small raise cannot be negative."},
        {"txtBigRaise", 3, "Big raise cannot be negative."},
        {"txtAnte", 3, "Ante cannot be negative."},
        {"txtMinutesPerSession", 3, "Minutes per session cannot be negative."},
        {"txtChipAmount(4)", 2, "Chip values cannot be negative."},
        {"cmbNumChips(7)", 2, "Chips per player cannot be negative."},
        {"txtBountyAllDollars", 5, "Bounty amount cannot be negative."},
        {"txtBountyAllPoints", 5, "Bounty points cannot be negative."},
    };
    for (const auto& b : boxes) {
        WizardForm f = validForm();
        f.Text[QString::fromLatin1(b.control)] = QStringLiteral("-30");
        const auto fault = CheckWizardForm(f, [](const QString&) { return nameOk; });
        ASSERT_TRUE(fault) << b.control;
        EXPECT_EQ(fault->Page, b.page) << b.control;
        EXPECT_EQ(fault->Control, QString::fromLatin1(b.control));
        EXPECT_EQ(fault->Message, QString::fromLatin1(b.message));
    }

    for (int kind : {0, 1, 2}) {
        WizardForm f = validForm();
        f.Index[QStringLiteral("cmbPayoutType")] = kind;
        f.Payouts[0].Payout = QStringLiteral("-1");
        const auto fault = CheckWizardForm(f, [](const QString&) { return nameOk; });
        ASSERT_EQ(fault.has_value(), kind < 2) << "a prize is a text: " << kind;
        if (fault) {
            EXPECT_EQ(fault->Page, 4);
            EXPECT_EQ(fault->Control, QStringLiteral("grid"));
            EXPECT_EQ(fault->Message, QStringLiteral("Payouts cannot be negative."));
        }
    }

    // The refused payout is the cell to type into: place 2 is grid row 3.
    WizardForm place = validForm();
    place.Payouts[2].Payout = QStringLiteral("-10");
    const auto refused = CheckWizardForm(place, [](const QString&) { return nameOk; });
    ASSERT_TRUE(refused);
    EXPECT_EQ(std::pair(refused->Row, refused->Column), std::pair(3L, 1L));

    // Manual and doubling blinds run from the current level's boxes; with the
    // level table they are hidden and set from the table.
    for (int blinds : {0, 1, 2}) {
        WizardForm f = validForm();
        f.Index[QStringLiteral("cmbPresets")] = blinds;
        f.Text[QStringLiteral("txtBigBlind")] = QStringLiteral("-30");
        EXPECT_EQ(CheckWizardForm(f, [](const QString&) { return nameOk; }).has_value(), blinds < 2) << blinds;
    }

    // Points are no money: a penalty may be negative.
    WizardForm points = validForm();
    points.Text[QStringLiteral("txtPointsAllPlayers")] = QStringLiteral("-1");
    points.Payouts[1].Points = QStringLiteral("-2");
    EXPECT_FALSE(CheckWizardForm(points, [](const QString&) { return nameOk; }));
}

TEST(WizardSave, NegativeLevelCellsAreRefusedByNameWithTheirCell)
{
    const struct {
        int cell; // in a level row; the grid shows it one column further right
        const char* message;
    } cells[] = {
        {0, "Ante cannot be negative."},       {1, "Small blind cannot be negative."},
        {2, "Big blind cannot be negative."},  {3, "Small raise cannot be negative."},
        {4, "Big raise cannot be negative."},  {5, "Session time of level 2 cannot be negative."},
        {6, "Break time cannot be negative."},
    };
    for (const auto& c : cells) {
        WizardForm f = validForm();
        f.Levels[1][c.cell] = QStringLiteral("-5");
        const auto fault = CheckWizardForm(f, [](const QString&) { return nameOk; });
        ASSERT_TRUE(fault) << c.message;
        EXPECT_EQ(fault->Page, 3);
        EXPECT_EQ(fault->Control, QStringLiteral("gridLevels"));
        EXPECT_EQ(fault->Message, QString::fromLatin1(c.message));
        EXPECT_EQ(std::pair(fault->Row, fault->Column), std::pair(2L, long(c.cell + 1))) << c.message;
    }
    WizardForm last = validForm();
    last.Levels[2][6] = QStringLiteral("10");
    const auto fault = CheckWizardForm(last, [](const QString&) { return nameOk; });
    ASSERT_TRUE(fault);
    EXPECT_EQ(std::pair(fault->Row, fault->Column), std::pair(3L, 7L));
}

// Money above 999,999,999 (a buy-in of 1,000,000 won is an ordinary one),
// chips and points that a single would keep changed and whole numbers beyond
// their column are refused by the box's label, with the cell of a grid.
TEST(WizardSave, TooLargeValuesAreRefusedByTheirBox)
{
    const auto text = [](const char* box, const char* value) {
        return [=](WizardForm& f) { f.Text[QString::fromLatin1(box)] = QString::fromLatin1(value); };
    };
    const auto level = [](int cell, const char* value) {
        return [=](WizardForm& f) { f.Levels[1][cell] = QString::fromLatin1(value); };
    };
    const auto payout = [](int kind, long r, const char* amount, const char* points) {
        return [=](WizardForm& f) {
            f.Index[QStringLiteral("cmbPayoutType")] = kind;
            f.Payouts[r] = {QString::fromLatin1(amount), QString::fromLatin1(points)};
        };
    };
    const struct {
        std::function<void(WizardForm&)> change;
        int page; // -1: taken
        const char* control;
        const char* message;
        long row = 0, column = 0;
    } cases[] = {
        {text("txtBuyin", "1e39"), 1, "txtBuyin", "Buyin amount is too large."},
        {text("txtBuyin", "999999.99"), -1, "", ""},
        {text("txtBuyin", "1000000"), -1, "", ""},
        {text("txtBuyin", "999999999"), -1, "", ""},
        {text("txtBuyin", "999999999.01"), 1, "txtBuyin", "Buyin amount is too large."},
        {text("txtAddonAmount", "99999999999"), 1, "txtAddonAmount", "Add-on Amount, even if not used, is too large."},
        {text("txtRebuy", "1000000000"), 1, "txtRebuy", "Rebuy amount, even if not used, is too large."},
        {text("txtTakeAmount", "1000000000"), 1, "txtTakeAmount", "House Fee is too large."},
        {text("txtBountyAllDollars", "1000000"), -1, "", ""},
        // A single keeps every whole number up to 2^24, beyond it only some.
        {text("txtBuyinChipValue", "10000000"), -1, "", ""},
        {text("txtBuyinChipValue", "16777217"), 1, "txtBuyinChipValue", "Buyin chip value is too large."},
        {text("txtBuyinChipValue", "20000000"), -1, "", ""},
        {text("txtBuyinChipValue", "9999999"), -1, "", ""},
        {text("txtRebuyChipValue", "1e39"), 1, "txtRebuyChipValue",
         "Rebuy chip value, even if not used, is too large."},
        {text("txtAddonChipValue", "1e39"), 1, "txtAddonChipValue",
         "Addon Chips Value, even if not used, is too large."},
        {text("txtChipAmount(6)", "99999999999"), 2, "txtChipAmount(6)", "Chip value is too large."},
        {text("cmbNumChips(3)", "40000"), 2, "cmbNumChips(3)", "Chips per player is too large."},
        {text("txtBountyAllDollars", "1e39"), 5, "txtBountyAllDollars",
         "Bounty $ Value, even if not used, is too large."},
        {text("txtBountyAllPoints", "1e39"), 5, "txtBountyAllPoints",
         "Bounty Points Value, even if not used, is too large."},
        {text("txtLittleBlind", "1e39"), -1, "", ""}, // the level table sets it
        {[](WizardForm& f) {
             f.Index[QStringLiteral("cmbPresets")] = 0;
             f.Text[QStringLiteral("txtBigBlind")] = QStringLiteral("99999999999");
         },
         3, "txtBigBlind", "Big Blind is too large."},
        {level(0, "1e39"), 3, "gridLevels", "Ante is too large.", 2, 1},
        {level(2, "16777217"), 3, "gridLevels", "Big Blind is too large.", 2, 3},
        {level(2, "10000000"), -1, "", ""},
        {level(2, "9999999"), -1, "", ""},
        {level(4, "99999999999"), 3, "gridLevels", "Big Raise is too large.", 2, 5},
        {level(6, "40000"), 3, "gridLevels", "Break Time (Min.) is too large.", 2, 7},
        {payout(0, 2, "1000000000", "0"), 4, "grid", "Payout is too large.", 3, 1},
        {payout(0, 2, "1000000", "0"), -1, "", ""},
        {payout(0, 2, "999999.99", "0"), -1, "", ""},
        {payout(2, 2, "A car worth 1e39", "0"), -1, "", ""},
        // Kept in single precision: 99,999,999,999 would come back as
        // 100,000,000,000.
        {payout(1, 2, "30", "99999999999"), 4, "grid", "Points is too large.", 3, 2},
        {payout(2, 1, "TV", "-1e39"), 4, "grid", "Points is too large.", 2, 2},
        {payout(1, 1, "60", "9999999"), -1, "", ""},
    };
    for (const auto& c : cases) {
        WizardForm f = validForm();
        f.Index[QStringLiteral("cmbPresets")] = 2;
        c.change(f);
        const auto fault = CheckWizardForm(f, [](const QString&) { return nameOk; });
        EXPECT_EQ(fault.has_value(), c.page >= 0) << c.message << (fault ? fault->Message.toStdString() : "");
        if (!fault || c.page < 0)
            continue;
        EXPECT_EQ(fault->Page, c.page) << c.message;
        EXPECT_EQ(fault->Control, QString::fromLatin1(c.control)) << c.message;
        EXPECT_EQ(fault->Message, QString::fromLatin1(c.message));
        EXPECT_EQ(std::pair(fault->Row, fault->Column), std::pair(c.row, c.column)) << c.message;
    }
}

TEST(WizardSave, DateBoxAndPictureLocation)
{
    EXPECT_EQ(ReadDateBox(QStringLiteral("3/7/2026")), QDate(2026, 3, 7));
    EXPECT_EQ(ReadDateBox(QStringLiteral("12/31/2026")), QDate(2026, 12, 31));
    EXPECT_EQ(ReadDateBox(QStringLiteral("2026-03-07")), QDate(2026, 3, 7));
    for (const char* bad : {"", "2/29/2026", "13/1/2026", "7.3.2026", "3/7/26", "2026-3-7"})
        EXPECT_FALSE(ReadDateBox(QString::fromLatin1(bad))) << bad;

    const struct {
        int type;
        const char* typed;
        const char* stored;
    } pictures[] = {
        {1, " /srv/promo/promo.JPG ", "/srv/promo"}, {1, "/srv/promo/", "/srv/promo"},   {1, "promo.gif", "promo.gif"},
        {0, "/srv/promo/a.jpg", "/srv/promo/a.jpg"}, {0, "/srv/promo//", "/srv/promo/"}, {1, "", ""},
    };
    for (const auto& p : pictures)
        EXPECT_EQ(CutPictureLocation(p.type, QString::fromLatin1(p.typed)), QString::fromLatin1(p.stored)) << p.typed;
}

class WizardSaveStore : public LeagueDatabaseTest {
protected:
    // A stored tournament of 20 entrants seated two tables of 10.
    OpenTournament stored()
    {
        OpenTournament t = makeBlankTournament(QDate(2026, 3, 1));
        t.gtypPlayers = FieldOf(20, 10).gtypPlayers;
        t.gintPlayersPerTable = 10;
        SeatTables(t, {10, 10});
        for (PlayerRecord& p : t.gtypPlayers)
            p.PlayerID = addPlayer(p.PlayerName);
        t.glngCurrentLeagueID = addLeague(QStringLiteral("Home"));
        SaveTournament(db, t, true);
        for (Integer k = 1; k <= t.gintPlayerCount(); ++k)
            SaveTournamentPlayer(db, t, k);
        return t;
    }
    int count(const char* sql) { return db.query(QString::fromLatin1(sql)).value(QStringLiteral("n")).toInt(); }
};

TEST_F(WizardSaveStore, FewerSeatsUnseatTheLastSeatsOfARunningTournamentAndTheFormIsStored)
{
    OpenTournament t = stored();
    WizardForm f = validForm();
    f.Text[QStringLiteral("txtMaxPlayersPerTable")] = QStringLiteral("8");
    f.Awards = {{"0", "0", "0", "None", "50", "2", "0"}};
    f.AwardPlaceholder = false; // an award called "None" is an award
    EXPECT_EQ(PlayersToUnseat(t, 8), (QList<Integer> {9, 10, 19, 20}));
    const BoundedArray<PlayerRecord> before = t.gtypPlayers;
    SaveWizardForm(db, t, f);
    // The director is told who lost a seat, by the seat he had.
    EXPECT_EQ(SeatsLostQuestion(t, SeatsLost(before, t), 0, 0),
              QStringLiteral("Tables now have 8 seats: these 4 players lost their seats.\n\n1-9  P9\n1-10  P10\n"
                             "2-9  P19\n2-10  P20\n\nSeat them now at the open seats?"));

    OpenTournament reloaded;
    LoadTournament(db, reloaded, t.glngCurrentTournamentID, false);
    int seated = 0;
    for (const PlayerRecord& p : reloaded.gtypPlayers) {
        EXPECT_LE(p.Seat, 8);
        seated += p.Seat > 0;
    }
    EXPECT_EQ(reloaded.gintPlayerCount(), 20);
    EXPECT_EQ(seated, 16);
    EXPECT_EQ(reloaded.gstrTournamentName, QStringLiteral("Friday"));
    EXPECT_EQ(reloaded.gvarTournamentDate.toDate(), QDate(2026, 3, 7));
    EXPECT_EQ(reloaded.gdblNumberLevels, 3);
    EXPECT_FLOAT_EQ(reloaded.gsngPayoutPoints[1], 10.5F);
    ASSERT_EQ(reloaded.gintAwardCount(), 1);
    EXPECT_EQ(reloaded.gtypAwards[1].Description, QStringLiteral("None"));

    // A new tournament made from it has no entrants to unseat.
    OpenTournament fresh = prepareCopy(t, QDate(2026, 3, 8));
    WizardForm n = validForm(true);
    n.Text[QStringLiteral("txtMaxPlayersPerTable")] = QStringLiteral("8");
    SaveWizardForm(db, fresh, n);
    EXPECT_NE(fresh.glngCurrentTournamentID, t.glngCurrentTournamentID);
    EXPECT_EQ(fresh.gintPlayerCount(), 0);
    EXPECT_EQ(fresh.gintAwardCount(), 0);
}

TEST_F(WizardSaveStore, ARunningTournamentIsStoredAtTheLevelItRunsIn)
{
    OpenTournament t = stored();
    t.gintBlindsLevel = 2;
    WizardForm f = validForm();
    f.Index[QStringLiteral("cmbPresets")] = 2; // the level table
    f.Index[QStringLiteral("cmbLevel")] = 1; // level 2
    f.Levels[1] = LevelRow {"10", "110", "220", "0", "0", "4", "0"};
    SaveWizardForm(db, t, f);

    const Recordset row = db.query(QStringLiteral("SELECT BlindsLevel, Ante, Small, Big, MinutesPerSession "
                                                  "FROM tblTournament WHERE TournamentID = ?"),
                                   {t.glngCurrentTournamentID});
    QStringList stored;
    for (const char* column : {"BlindsLevel", "Ante", "Small", "Big", "MinutesPerSession"})
        stored << row.value(QString::fromLatin1(column)).toString();
    EXPECT_EQ(stored, (QStringList {"2", "10", "110", "220", "4"}));
    EXPECT_EQ(t.gdblBig, 220);
}

TEST_F(WizardSaveStore, AControlTheFormLacksEndsTheSaveByItsName)
{
    OpenTournament t = stored();
    for (const char* control : {"cmbNumRebuysAllowed", "txtRebuy", "txtChipPicture(9)"}) {
        WizardForm f = validForm();
        f.Text.remove(QString::fromLatin1(control));
        f.Index.remove(QString::fromLatin1(control));
        try {
            if (!CheckWizardForm(f, [](const QString&) { return nameOk; }))
                SaveWizardForm(db, t, f);
            ADD_FAILURE() << control << " was not missed";
        } catch (const MissingWizardControl& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QString::fromLatin1(control))) << e.what();
        }
    }
    EXPECT_EQ(count("SELECT count(*) AS n FROM tblTournament WHERE TournamentName = 'Friday'"), 0);
}

TEST_F(WizardSaveStore, FailedSaveChangesNothing)
{
    OpenTournament t = stored();
    const OpenTournament before = t;
    db.execute(QStringLiteral("CREATE TRIGGER failing BEFORE UPDATE ON tblTournament "
                              "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END"));
    WizardForm f = validForm();
    f.Text[QStringLiteral("txtMaxPlayersPerTable")] = QStringLiteral("8");
    EXPECT_THROW(SaveWizardForm(db, t, f), DatabaseError);
    EXPECT_EQ(t.gstrTournamentName, before.gstrTournamentName);
    EXPECT_EQ(t.gtypPlayers[10].Seat, 10);
    EXPECT_EQ(count("SELECT count(*) AS n FROM tblTournamentXPlayer WHERE Seat > 8"), 4);
}
