#include "FieldBuilder.h"
#include "TestSupport.h"
#include "core/display/ScreenContents.h"
#include "core/store/OpenTournament.h"
#include "core/store/Payouts.h"

#include <QDateTime>
#include <QLocale>

namespace {

const DisplayFormats Dollars {QStringLiteral("$#,##0"), QStringLiteral("$"), 0, 0};

void setPaid(OpenTournament& t, std::initializer_list<double> amounts, Integer mode = 1)
{
    t.gintNumberPaid = static_cast<Integer>(amounts.size() - 1);
    t.gintPayAsPercentages = mode;
    t.RedimPayouts();
    long k = 0;
    for (const double a : amounts) {
        t.gdblCalculatedPayout[k] = a;
        t.gstrPayoutPrize[k] = QStringLiteral("Prize %1").arg(k);
        ++k;
    }
}

QStringList gridRows(const ScreenGrid& g)
{
    QStringList rows;
    for (long r = 0; r < g.Rows(); ++r) {
        QStringList cells;
        for (long c = 0; c < g.Cols(); ++c)
            cells << g.Text(r, c);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

// Ten levels: level n has blinds n*100/n*200, ante n*10, no raises.
OpenTournament tenLevels(Integer level)
{
    OpenTournament t;
    t.gintAutoDoubleBlind = 2;
    t.RedimLevels(10);
    for (long n = 1; n <= 10; ++n) {
        t.gdblLevelSmallBlind[n] = n * 100;
        t.gdblLevelBigBlind[n] = n * 200;
        t.gdblLevelAnte[n] = n * 10;
    }
    t.gintBlindsLevel = level;
    t.gdblSmall = level * 100;
    t.gdblBig = level * 200;
    t.gdblAnte = level * 10;
    return t;
}

} // namespace

TEST(ScreenContents, TopPayoutsDropTheSymbolTogetherFromAHundredThousand)
{
    struct Case {
        std::initializer_list<double> amounts;
        Integer mode;
        std::array<const char*, 5> expected;
    };
    const Case cases[] = {
        {{0, 99999, 5000, 100}, 1, {"$99,999", "$5,000", "$100", "$0", "$0"}},
        {{0, 100000, 5000, 100, 50, 25, 200000}, 1, {"100,000", "5,000", "100", "50", "25"}},
        {{0, 100000, 5000}, 2, {"Prize 1", "Prize 2", "$0", "$0", "$0"}},
        {{0}, 1, {"$0", "$0", "$0", "$0", "$0"}},
    };
    for (const Case& c : cases) {
        OpenTournament t;
        setPaid(t, c.amounts, c.mode);
        const auto texts = TopPayoutTexts(t, Dollars);
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_EQ(texts[i], c.expected[i]) << i;
    }
}

TEST(ScreenContents, PayoutsGridPairsPlacesAndShowsAmountsEvenInPrizeMode)
{
    OpenTournament t;
    setPaid(t, {0, 1001, 1000, 12.5, 500, 400, 300, 200, 100, 50}, 2);
    t.gsngPayoutPoints[2] = 10;
    t.gsngPayoutPoints[3] = 12.3f;
    EXPECT_EQ(gridRows(PayoutsGrid(t, Dollars)),
              (QStringList {
                  "Place|Payout|Place|Payout",
                  "1|$1,001|2|$1000/10",
                  "3|$12.5/12.3|4|$500",
                  "5|$400|6|$300",
                  "7|$200|8|$100",
                  "9|$50||",
              }));
    setPaid(t, {0});
    EXPECT_EQ(gridRows(PayoutsGrid(t, Dollars)), (QStringList {"Place|Payout|Place|Payout", "|||"}));
    for (const auto& [paid, rows] : {std::pair {1, 2}, {3, 4}, {5, 4}, {7, 6}}) {
        setPaid(t, {0, 1, 1, 1, 1, 1, 1, 1});
        t.gintNumberPaid = static_cast<Integer>(paid);
        EXPECT_EQ(PayoutsGrid(t, Dollars).Rows(), rows) << paid;
    }

    // A pool in cents, 7 x $12.10 at 50/30/20 % by 1, and an amount stored
    // with binary noise show to the cent.
    OpenTournament cents;
    cents.gtypPlayers.redim(1, 7);
    for (PlayerRecord& p : cents.gtypPlayers)
        p.TotalBuyin = 12.10;
    cents.gintPayAsPercentages = 1;
    cents.gintRoundTo = 1;
    cents.gintNumberPaid = 3;
    cents.RedimPayouts();
    cents.gdblPayout[1] = 50;
    cents.gdblPayout[2] = 30;
    cents.gdblPayout[3] = 20;
    CalculatePayouts(cents);
    EXPECT_EQ(gridRows(PayoutsGrid(cents, Dollars)).value(1), QStringLiteral("1|$42.7|2|$25"));
    cents.gdblCalculatedPayout[3] = 908.3000000000002;
    EXPECT_EQ(gridRows(PayoutsGrid(cents, Dollars)).value(2), QStringLiteral("3|$908.3||"));
}

TEST(ScreenContents, ChipColumnFollowsEachSlotsColour)
{
    OpenTournament t;
    for (long i = 0; i < 10; ++i)
        t.gstrChipColor[i] = QStringLiteral("Not Used");
    ChipPanel all = ChipPanelOf(t, Dollars);
    EXPECT_EQ(all.LastChipSlot, 0);
    for (const ChipSlot& s : all.Slots)
        EXPECT_FALSE(s.Fill || s.Picture);

    t.gstrChipColor[0] = QStringLiteral("White");
    t.gstrChipColor[1] = QStringLiteral("Turquoise");
    t.gstrChipColor[2] = QStringLiteral("Custom Picture");
    t.gstrChipPicture[2] = QStringLiteral("/pics/gold.png");
    t.gstrChipColor[6] = QStringLiteral("turquoise"); // no such name: the shape keeps its colour
    t.gdblChipAmount[1] = 1000;
    const DisplayFormats percent {QStringLiteral("%#,##0"), QStringLiteral("%"), 0, 0};
    const ChipPanel p = ChipPanelOf(t, percent);
    EXPECT_EQ(p.LastChipSlot, 6);
    EXPECT_EQ(p.Slots[0], (ChipSlot {"%0", 0x80000005u, std::nullopt}));
    EXPECT_EQ(p.Slots[1], (ChipSlot {"%1000", 0xC0C000u, std::nullopt}));
    EXPECT_EQ(p.Slots[2], (ChipSlot {"%0", std::nullopt, "/pics/gold.png"}));
    EXPECT_EQ(p.Slots[6], (ChipSlot {"%0", std::nullopt, std::nullopt}));
}

TEST(ScreenContents, AChipOfTheBackgroundsColourIsOutlinedInTheTextColour)
{
    const OleColor black = 0, white = 0xFFFFFFu, red = 0xFFu;
    EXPECT_EQ(ChipEdgeOf(black, black, white), (ChipEdge {white, 2}));
    EXPECT_EQ(ChipEdgeOf(white, white, black), (ChipEdge {black, 2}));
    EXPECT_EQ(ChipEdgeOf(red, black, white), (ChipEdge {black, 1}));
}

TEST(ScreenContents, NextBlindsByModeAndLevel)
{
    struct Case {
        OpenTournament t;
        const char* caption;
        const char* value;
    };
    OpenTournament doubling = tenLevels(3);
    doubling.gintAutoDoubleBlind = 1;
    OpenTournament none = tenLevels(3);
    none.gintAutoDoubleBlind = 0;
    OpenTournament shortened = tenLevels(8);
    shortened.RedimLevels(5); // the table was cut below the running level
    OpenTournament noLevels = tenLevels(1);
    noLevels.RedimLevels(0);
    const Case cases[] = {
        {tenLevels(1), "Next Level: 2  Ante  Blinds", "$20  $200/$400"},
        {tenLevels(10), "Next Level: 11  Ante  Blinds", "Final Level"},
        {doubling, "Next Level: 4  Ante  Blinds", "$60  $600/$1,200"},
        {none, "Next Level: 4  Ante  Blinds", "NA"},
        {shortened, "Next Level: 9  Ante  Blinds", "Final Level"},
        {noLevels, "Next Level: 2  Ante  Blinds", "Final Level"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NextBlindsLine(c.t, Dollars), (CaptionAndValue {c.caption, c.value})) << c.caption;
        EXPECT_EQ(SummaryOf(c.t, Dollars).NextBlinds.Value, c.value);
    }

    const Summary2Texts first = Summary2Of(tenLevels(1), Dollars, QStringLiteral("12:00"));
    EXPECT_EQ(first.Headers[12], "Next Ante");
    EXPECT_EQ(first.Items[13], "$200/$400");
    EXPECT_EQ(first.Items[5], "1");
    EXPECT_EQ(first.Items[6], "12:00");
    EXPECT_FALSE(first.Items[10] || first.Items[11] || first.Headers[0]);
    const Summary2Texts last = Summary2Of(tenLevels(10), Dollars, QString());
    EXPECT_EQ(last.Headers[13], "Next Blinds");
    EXPECT_EQ(last.Items[8], "$1,000/$2,000");
    EXPECT_EQ(last.Items[12], "Final Level");
    EXPECT_EQ(last.Items[14], "Final Level");
    const Summary2Texts flat = Summary2Of(none, Dollars, QString());
    EXPECT_EQ(flat.Headers[12], "");
    EXPECT_EQ(flat.Items[13], "");
    EXPECT_EQ(flat.Items[5], "");
    OpenTournament onBreak = tenLevels(4);
    onBreak.gblnOnBreak = true;
    EXPECT_EQ(Summary2Of(onBreak, Dollars, QString()).Items[5], "BREAK!");
}

TEST(ScreenContents, SummariesCountPlayersTablesPotAndStack)
{
    OpenTournament t = FieldOf(5, 4);
    SeatTables(t, {3, 2});
    for (PlayerRecord& p : t.gtypPlayers) {
        p.TotalBuyin = 100;
        p.TotalRebuy = 50;
        p.TotalChipValue = 1500;
    }
    t.gstrTournamentName = QStringLiteral("Friday");
    KnockOut(t, 4, 5);
    KnockOut(t, 5, 4);
    SummaryTexts s = SummaryOf(t, Dollars);
    EXPECT_EQ(s.Tournament, "Friday");
    EXPECT_EQ(s.TotalBuy, "$750");
    EXPECT_EQ(s.AveStack, "$2,500");
    EXPECT_EQ(s.NumPlayers, "3 Plyrs on 1 Tbls");
    for (long i = 1; i <= 3; ++i)
        KnockOut(t, i, Integer(i));
    s = SummaryOf(t, Dollars);
    EXPECT_EQ(s.AveStack, "$7,500"); // nobody left: the whole chip count
    EXPECT_EQ(s.NumPlayers, "0 Plyrs on 0 Tbls");

    const OpenTournament empty;
    EXPECT_EQ(SummaryOf(empty, Dollars).AveStack, "$0");
    EXPECT_EQ(Summary2Of(empty, Dollars, QString()).Items[0], "0");
    EXPECT_EQ(gridRows(KillsGrid(empty)), QStringList {"Player|# Kills|Eliminated By"});
    ChipCountMap rows;
    EXPECT_EQ(gridRows(ChipCountGrid(empty, rows)), QStringList {"Player|Chip Count"});
    EXPECT_EQ(gridRows(AwardsGrid(empty)), QStringList {"Award|Payout|Points|Awarded To"});
}

TEST(ScreenContents, KillsAndChipCountsRunHighestFirstTiesInEntryOrder)
{
    OpenTournament t = FieldOf(4, 10);
    const int kills[] = {1, 3, 1, 0};
    const float chips[] = {2500, 1200.5f, 2500, 9000};
    for (long i = 1; i <= 4; ++i) {
        t.gtypPlayers[i].Kills = static_cast<Integer>(kills[i - 1]);
        t.gtypPlayers[i].ChipCount = chips[i - 1];
    }
    t.gtypPlayers[4].EliminatedByPlayerID = 2;
    KnockOut(t, 4, 4);
    EXPECT_EQ(gridRows(KillsGrid(t)),
              (QStringList {"Player|# Kills|Eliminated By", "P2|3|", "P1|1|", "P3|1|", "P4|0|P2"}));
    ChipCountMap rows;
    rows.setPlayerID(9, 77);
    EXPECT_EQ(gridRows(ChipCountGrid(t, rows)),
              (QStringList {"Player|Chip Count", "P4|9000", "P1|2500", "P3|2500", "P2|1200.5"}));
    EXPECT_EQ((QList<Long> {rows.PlayerID(0), rows.PlayerID(1), rows.PlayerID(2), rows.PlayerID(3), rows.PlayerID(4),
                            rows.PlayerID(9)}),
              (QList<Long> {0, 4, 1, 3, 2, 0}));

    AwardRecord a;
    a.Description = QStringLiteral("High hand");
    a.Payout = 12.5;
    a.Points = 3;
    a.AwardedToPlayerID = 3;
    t.gtypAwards.append(a);
    a.Description = QStringLiteral("Bounty");
    a.AwardedToPlayerID = 99;
    t.gtypAwards.append(a);
    EXPECT_EQ(gridRows(AwardsGrid(t)),
              (QStringList {"Award|Payout|Points|Awarded To", "High hand|12.5|3|P3", "Bounty|12.5|3|"}));
}

TEST(ScreenContents, SeatChartBandsTablesFourAcrossAndMapsEveryNameCell)
{
    OpenTournament t = FieldOf(48, 10);
    SeatTables(t, {10, 10, 10, 10, 8});
    t.gtypPlayers[11].Moved = true;
    SeatChartMap cells;
    const ScreenGrid g = SeatChartGrid(t, Dollars, cells);
    ASSERT_EQ(g.Rows(), 24);
    ASSERT_EQ(g.Cols(), 11);
    EXPECT_EQ(g.Text(0, 0), "Table 1");
    EXPECT_EQ(g.Text(0, 9), "Table 4");
    EXPECT_EQ(g.Text(12, 0), "Table 5");
    EXPECT_EQ(g.Text(13, 0), "1");
    EXPECT_EQ(g.Text(1, 4), ">P11");
    EXPECT_EQ(g.Text(2, 4), "P12");
    EXPECT_EQ(g.Text(21, 1), "(Open)");
    EXPECT_EQ(g.Text(11, 1), "");
    EXPECT_EQ(g.Alignment(3), AlignRightTop);
    EXPECT_EQ(g.Alignment(4), AlignLeftTop);
    EXPECT_EQ(*g.Colors(0, 1), (GridCellColors {0x404040, 0xFFFFFF}));
    EXPECT_EQ(*g.Colors(2, 3), (GridCellColors {0x8000000F, 0}));
    EXPECT_EQ(*g.Colors(1, 4), (GridCellColors {0xFFFFFF, 0x800000}));
    EXPECT_EQ(*g.Colors(2, 4), (GridCellColors {0xFFFFFF, 0}));
    EXPECT_EQ(*g.Colors(21, 1), (GridCellColors {0xFFFFFF, 0x808080}));
    EXPECT_EQ(g.Colors(0, 2), nullptr);

    struct Cell {
        long row, col;
        SeatChartCell expected;
    };
    for (const Cell& c :
         {Cell {1, 4, {2, 1, 11}}, Cell {2, 4, {2, 2, 12}}, Cell {20, 1, {5, 8, 48}}, Cell {21, 1, {5, 9, 0}},
          Cell {22, 1, {5, 10, 0}}, Cell {0, 1, {}}, Cell {1, 0, {}}, Cell {1, 2, {}}, Cell {23, 1, {}}}) {
        const SeatChartCell got = cells.cell(c.row, c.col);
        EXPECT_EQ(std::tuple(got.Table, got.Seat, got.PlayerID),
                  std::tuple(c.expected.Table, c.expected.Seat, c.expected.PlayerID))
            << c.row << "," << c.col;
    }

    for (const auto& [tables, rows] : {std::pair {3, 15}, {5, 20}, {8, 28}}) {
        OpenTournament small = FieldOf(tables * 8, 8);
        EXPECT_EQ(SeatChartGrid(small, Dollars, cells).Rows(), rows) << tables;
    }

    OpenTournament many = FieldOf(27 * 2, 2);
    const DisplayFormats letters {Dollars.MoneyFormat, Dollars.CurrencySymbol, 1, 1};
    const ScreenGrid l = SeatChartGrid(many, letters, cells);
    EXPECT_EQ(l.Text(0, 0), "Table A");
    EXPECT_EQ(l.Text(1, 0), "A");
    EXPECT_EQ(l.Text(24, 3), "Table Z");
    EXPECT_EQ(l.Text(24, 6), "Table aa");
}

TEST(ScreenContents, BuyinAndManagerReportTextsExactly)
{
    OpenTournament t = FieldOf(3, 10);
    t.gstrTournamentName = QStringLiteral("Friday Night");
    t.gdblBuyin = 20;
    t.gdblBuyinChipValue = 2000;
    EXPECT_EQ(
        BuyinOf(t, Dollars),
        (BuyinTexts {"$20\n for $2,000 in Chips", "Rebuys are not permitted.", "Chip Add-ons are not permitted."}));
    t.gdblHouseTakeAmount = 5;
    t.gintAllowRebuys = 1;
    t.gdblRebuyAmount = 20;
    t.gdblRebuyChipValue = 1500;
    t.gintAllowAddons = 1;
    t.gdblAddonAmount = 10;
    t.gdblAddonChipValue = 3000;
    t.gintNumberAddons = 1;
    t.gintAddonLevel2 = 4;
    EXPECT_EQ(BuyinOf(t, Dollars),
              (BuyinTexts {"$20 + $5 Entry Fee\n for $2,000 in Chips",
                           "$20 for $1,500 in Chips\nNumber Allowed: Unlimited\nUntil "
                           "Level: Any",
                           "$10 for $3,000 in Chips\nNumber Allowed: 1\nInbetween Levels: "
                           "Start to 4"}));
    t.gintNumberRebuys = 2;
    t.gintRebuyUntilLevel = 6;
    EXPECT_EQ(BuyinOf(t, Dollars).Rebuy, "$20 for $1,500 in Chips\nNumber Allowed: 2\nUntil Level: 6");

    for (PlayerRecord& p : t.gtypPlayers) {
        p.TotalBuyin = 20;
        p.TotalChipValue = 2000;
    }
    t.gtypPlayers[1].TotalRebuy = 40;
    t.gtypPlayers[2].TotalAddon = 10;
    const QDate day(2026, 12, 9);
    t.gvarTournamentDate = QDateTime(day, QTime(0, 0));
    setPaid(t, {6, 60});
    const QString date = QLocale().toString(day, QLocale::ShortFormat);
    EXPECT_EQ(ManagerReportText(t, Dollars),
              "\r\n\r\nTournament:  Friday Night\r\nDate:  " + date
                  + "\r\n\r\nTotal in Pot:  $110\r\nTotal From Buyins:  $60\r\nTotal From Rebuys:  $40\r\n"
                    "Total From Add-ons:  $10\r\n\r\nTotal Number of Entrants:  3\r\nTotal House Fees:  $15\r\n"
                    "House Payout from Pot:  $6\r\n\r\nTotal Chips in Play:  $6,000");
    t.gvarTournamentDate = QStringLiteral("next Friday");
    setPaid(t, {6});
    const QStringList lines = ManagerReportText(t, Dollars).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[3], "Date:  next Friday");
    EXPECT_EQ(lines[12], "House Payout from Pot:  $0");
    t.gvarTournamentDate = QVariant();
    EXPECT_EQ(ManagerReportText(t, Dollars).split(QStringLiteral("\r\n"))[3], "Date:  ");
}

TEST(ScreenContents, BlindsLineShowsTheCurrentLevel)
{
    OpenTournament t = tenLevels(2);
    t.gdblSmallRaise = 400;
    t.gdblBigRaise = 800;
    EXPECT_EQ(BlindsLine(t, Dollars), (CaptionAndValue {"Ante  Blinds  Raises", "$20  $200/$400  $400/$800"}));
    // The same amounts in groups, for the band to break between them.
    EXPECT_EQ(BlindsGroups(t, Dollars), (QStringList {"$20", "$200/$400", "$400/$800"}));
    t.gdblAnte = 0;
    EXPECT_EQ(BlindsGroups(t, Dollars), (QStringList {"$200/$400", "$400/$800"}));
}
