#include "core/store/PlainNumberText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(PlainNumberText, ShortestTextThatReadsBackTheSameNumber)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {1500, "1500"},
        {0.25, "0.25"},
        {-3.5, "-3.5"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.3"},
        {1.1 * 3, "3.3"},
        {908.3000000000002, "908.3"},
        {123456789012345.0, "123456789012345"},
        {0.000123456789012345, "0.000123456789012345"},
        {1e21, "1000000000000000000000"},
        {1e-7, "0.0000001"},
        {0, "0"},
        {-0.0, "0"},
        {std::numeric_limits<double>::quiet_NaN(), "0"},
        {std::numeric_limits<double>::infinity(), "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlainNumberText(c.value), QString::fromLatin1(c.text)) << c.value;
        // What it shows reads back as the value to 15 digits.
        if (std::isfinite(c.value)) {
            EXPECT_NEAR(PlainNumberText(c.value).toDouble(), c.value, std::fabs(c.value) * 1e-15);
        }
    }
    // Single values show their own shortest digits, not their widened ones.
    EXPECT_EQ(PlainNumberText(0.1f), QStringLiteral("0.1"));
    EXPECT_EQ(PlainNumberText(static_cast<float>(1.1 + 2.2)), QStringLiteral("3.3"));
    EXPECT_EQ(PlainNumberText(-0.0f), QStringLiteral("0"));
}

TEST(PlainNumberText, AmountsShowToTheCent)
{
    EXPECT_EQ(AmountText(42.69999999999999), QStringLiteral("42.7"));
    EXPECT_EQ(AmountText(330.0000000000001), QStringLiteral("330"));
    EXPECT_EQ(AmountText(12.345), QStringLiteral("12.34"));
    EXPECT_EQ(AmountText(999999999.99), QStringLiteral("999999999.99"));
    EXPECT_EQ(AmountText(-0.001), QStringLiteral("0"));
}

TEST(FixedDecimalsText, RoundsHalfToEvenAndNeverShowsMinusZero)
{
    const struct {
        double value;
        int decimals;
        bool zeroBeforePoint;
        const char* text;
    } cases[] = {
        {0, 1, true, "0.0"},       {0, 2, true, "0.00"},       {0, 2, false, ".00"},
        {0.5, 2, false, ".50"},    {1.5, 2, false, "1.50"},    {-12.75, 2, true, "-12.75"},
        {-100, 1, true, "-100.0"}, {0.125, 2, true, "0.12"},   {0.375, 2, true, "0.38"},
        {-0.04, 1, true, "0.0"},   {-0.004, 2, false, ".00"},  {1234567.5, 0, true, "1234568"},
        {2.5, 0, true, "2"},       {1.0 / 3, 2, false, ".33"}, {12345.678, 1, true, "12345.7"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FixedDecimalsText(c.value, c.decimals, c.zeroBeforePoint), QString::fromLatin1(c.text)) << c.value;
}
