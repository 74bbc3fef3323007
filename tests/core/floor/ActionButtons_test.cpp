#include "FieldBuilder.h"
#include "core/floor/ActionButtons.h"
#include "core/store/OpenTournament.h"

#include <gtest/gtest.h>

TEST(ActionButtons, CaptionsStatesAndDefaultByPlayer)
{
    OpenTournament t = FieldOf(4, 10);
    t.gintAllowRebuys = 1;
    t.gintAllowAddons = 1;
    t.gintAutoDoubleBlind = 2;
    t.gintBlindsLevel = 3;
    t.gintRebuyUntilLevel = 2; // the rebuy period is over
    t.gintAddonLevel1 = 2;
    for (Integer i = 2; i <= 4; ++i)
        t.gtypPlayers[i].TotalBuyin = 20;
    t.gtypPlayers[3].Finish = 1;
    t.gtypPlayers[4].Finish = 2;

    struct Case {
        Integer player;
        const char* eliminate;
        bool eliminateOn;
        const char* buyin;
        bool buyinOn, addonOn, seatOn;
    };
    const Case cases[] = {
        {1, "&Eliminate", true, "Buyin", true, false, true}, // not bought in
        {2, "&Eliminate", true, "Rebuy", false, true, true}, // rebuys closed: no stale "Buyin"
        {3, "Un-&Eliminate", false, "Rebuy", false, false, false}, // the winner
        {4, "Un-&Eliminate", true, "Rebuy", false, false, false},
    };
    for (const Case& c : cases) {
        const ActionButtonStates s = ActionButtonsFor(t, c.player);
        EXPECT_EQ(s.EliminateCaption, QString::fromLatin1(c.eliminate)) << c.player;
        EXPECT_EQ(s.EliminateEnabled, c.eliminateOn) << c.player;
        EXPECT_EQ(s.BuyinCaption, QString::fromLatin1(c.buyin)) << c.player;
        EXPECT_EQ(s.BuyinEnabled, c.buyinOn) << c.player;
        EXPECT_EQ(s.AddonEnabled, c.addonOn) << c.player;
        EXPECT_EQ(s.AssignSeatEnabled, c.seatOn) << c.player; // no seat for a player who is out
        EXPECT_TRUE(s.MoreEnabled);
        EXPECT_TRUE(s.EliminateIsDefault); // someone has finished
    }
    t.gintRebuyUntilLevel = 0;
    EXPECT_TRUE(ActionButtonsFor(t, 2).BuyinEnabled);
    t.gtypPlayers[3].Finish = t.gtypPlayers[4].Finish = 0;
    EXPECT_FALSE(ActionButtonsFor(t, 1).EliminateIsDefault);
}
