#include "FieldBuilder.h"
#include "core/floor/EntryOptions.h"
#include "core/floor/FindInGrid.h"
#include "core/floor/PlayerLookup.h"
#include "core/store/OpenTournament.h"

#include "TestSupport.h"

namespace {

PlayerRecord player(double buyin, Integer finish, Long rebuys = 0, Long addons = 0)
{
    PlayerRecord p;
    p.TotalBuyin = buyin;
    p.Finish = finish;
    p.NumRebuys = rebuys;
    p.NumAddons = addons;
    return p;
}

class TextGrid : public GridText {
public:
    std::vector<std::vector<QString>> cells;
    long Rows() const override { return long(cells.size()); }
    long Cols() const override { return cells.empty() ? 0 : long(cells[0].size()); }
    QString TextMatrix(long r, long c) const override { return cells[size_t(r)][size_t(c)]; }
};

} // namespace

TEST(EntryOptions, OffersFollowBuyinPlaceLimitsAndLevels)
{
    OpenTournament t;
    OpenEntryPeriods(t, 4, 3, 5);
    t.gintNumberRebuys = 2;
    struct {
        PlayerRecord p;
        Integer level;
        bool onBreak;
        bool buyin, rebuy, addon;
        const char* what;
    } cases[] = {
        {player(0, 0), 1, false, true, false, false, "not bought in"},
        {player(0, 3), 6, false, true, false, false, "out without a buy-in"},
        {player(20, 2), 1, false, false, false, false, "out"},
        {player(20, 0), 3, false, false, true, false, "level 3 rebuys"},
        {player(20, 0), 4, false, false, false, true, "level 4 no rebuy, add-on"},
        {player(20, 0), 4, true, false, true, true, "break after level 4"},
        {player(20, 0, 2), 1, false, false, false, false, "rebuys used up"},
        {player(20, 0), 5, false, false, false, false, "add-on closed at level 5"},
        {player(20, 0), 5, true, false, false, true, "break after level 5"},
    };
    for (const auto& c : cases) {
        t.gintBlindsLevel = c.level;
        t.gblnOnBreak = c.onBreak;
        const EntryOffer o = EntryOptions(t, c.p);
        EXPECT_EQ(o.Buyin, c.buyin) << c.what;
        EXPECT_EQ(o.Rebuy, c.rebuy) << c.what;
        EXPECT_EQ(o.Addon, c.addon) << c.what;
    }

    // Outside level-table mode the add-on has no level window; 0 limits mean none.
    t.gintAutoDoubleBlind = 1;
    t.gintRebuyUntilLevel = 0;
    t.gintNumberRebuys = 0;
    t.gintBlindsLevel = 1;
    t.gblnOnBreak = false;
    const EntryOffer o = EntryOptions(t, player(20, 0, 9, 0));
    EXPECT_TRUE(o.Rebuy);
    EXPECT_TRUE(o.Addon);
    t.gintAllowRebuys = 0;
    t.gintNumberAddons = 1;
    EXPECT_FALSE(EntryOptions(t, player(20, 0, 0, 1)).Addon);
    EXPECT_FALSE(EntryOptions(t, player(20, 0)).Rebuy);
}

TEST(EntryOptions, PlayersAreFoundBySeatStillInAndById)
{
    OpenTournament t;
    t.gtypPlayers.redim(1, 3);
    t.gtypPlayers[1] = {QStringLiteral("Out"), 2, 5, 3};
    t.gtypPlayers[1].PlayerID = 11;
    t.gtypPlayers[2] = {QStringLiteral("In"), 2, 5, 0};
    t.gtypPlayers[2].PlayerID = 12;
    t.gtypPlayers[3].PlayerID = 13;
    EXPECT_EQ(PlayerIndexAtSeat(t, 2, 5), 2);
    EXPECT_EQ(PlayerIndexAtSeat(t, 2, 4), 0);
    EXPECT_EQ(PlayerIndexAtSeat(t, 0, 0), 0);
    EXPECT_EQ(PlayerIndexByID(t, 13), 3);
    EXPECT_EQ(PlayerIndexByID(t, 0), 0);
    EXPECT_EQ(PlayerIndexByID(t, 99), 0);
}

TEST(FindInGrid, LastMatchingRowAtItsLeftmostMatchIgnoringCase)
{
    TextGrid g;
    g.cells = {{"Player", "Seat", "Player"}, {"Anna", "1-1", "Bob"}, {"Carl", "2-3", "bobby"}, {"Dora", "1-2", ""}};
    auto at = [&](const char* text) { return FindInGrid(g, QString::fromLatin1(text)); };
    EXPECT_FALSE(at(""));
    EXPECT_FALSE(at("Player")); // the header row is not searched
    EXPECT_FALSE(at("Bobby Longer"));
    ASSERT_TRUE(at("BOB"));
    EXPECT_EQ(at("BOB")->Row, 2);
    EXPECT_EQ(at("BOB")->Col, 2);
    ASSERT_TRUE(at("1-"));
    EXPECT_EQ(at("1-")->Row, 3);
    EXPECT_EQ(at("1-")->Col, 1);
}
