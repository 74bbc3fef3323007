#include "core/floor/BreakLabel.h"

#include "LevelTestData.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(BreakLabel, TimeToTheNextBreak)
{
    struct {
        const char* name;
        Integer level;
        Long secondsLeft;
        const char* text;
        const char* shortText;
    } const rows[] = {
        // level 1 has 20 minutes, level 2 30 and a 15-minute break after it
        {"this level, rounded up", 2, 24 * 60 + 1, "15 Min Break in 25 Min", "25 mn"},
        {"sixty minutes", 1, 30 * 60, "15 Min Break in 60 Min", "60 mn"},
        {"ninety-five minutes", 1, 65 * 60, "15 Min Break in 1 Hrs, 35 Min", "1 hr 35 mn"},
        {"no break ahead", 3, 600, "None", ""},
    };
    for (const auto& row : rows) {
        OpenTournament t;
        SetTestLevels(t, {{20}, {30, 15}, {40}});
        SetLevel(t, row.level);
        EXPECT_EQ(AdjustBreakLabel(t, row.secondsLeft), (NextBreakText {row.text, row.shortText})) << row.name;
        EXPECT_EQ(t.gstrNextBreak, QString::fromLatin1(row.text)) << row.name;
    }
}

TEST(BreakLabel, OnABreakAndOutsideTheLevelTable)
{
    OpenTournament t;
    SetTestLevels(t, {{20, 10}, {30}});
    t.gblnOnBreak = true;
    EXPECT_EQ(NextBreak(t, 300), (NextBreakText {"Now!", "Now!"}));
    for (Integer mode : {0, 1}) {
        t.gintAutoDoubleBlind = mode;
        EXPECT_EQ(NextBreak(t, 300), (NextBreakText {"NA", "NA"}));
    }
}
