#include "core/store/CellTextOrder.h"
#include "core/store/Nz.h"

#include <gtest/gtest.h>

TEST(NumberTest, ThousandsSeparatorsOnlyBetweenGroupsOfThree)
{
    struct Case {
        const char* text;
        bool number;
        double value;
    };
    const Case cases[] = {
        {"1,500", true, 1500},
        {" -12,345.5 ", true, -12345.5},
        {"1,234,567", true, 1234567},
        {"1,5", false, 0},
        {"1,50", false, 0},
        {",500", false, 0},
        {"1500,", false, 0},
        {"inf", false, 0},
        {"", false, 0},
        {"2.5e3", true, 2500},
        {"abc", false, 0},
    };
    for (const Case& c : cases) {
        double value = 0;
        EXPECT_EQ(ReadsAsNumber(QVariant(QString::fromLatin1(c.text)), &value), c.number) << c.text;
        EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    }
}

TEST(CellTextOrder, NumbersByValueFirstThenTextsByCharacterCode)
{
    const QStringList ordered = {"-2", "9", "10", "1,500", "B", "a", "x"};
    for (qsizetype i = 0; i < ordered.size(); ++i) {
        for (qsizetype j = 0; j < ordered.size(); ++j)
            EXPECT_EQ(CompareCellTexts(ordered[i], ordered[j]), i < j ? -1 : (i > j ? 1 : 0)) << i << " " << j;
    }
    EXPECT_EQ(CompareCellTexts(QStringLiteral("10"), QStringLiteral("10.0")), 0);
}
