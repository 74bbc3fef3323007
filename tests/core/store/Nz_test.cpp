#include "core/store/Nz.h"

#include <gtest/gtest.h>

TEST(Converters, NullAndTextThatIsNoNumberGiveZeroOrEmpty)
{
    const QVariant null;
    EXPECT_EQ(NzDouble(null), 0);
    EXPECT_EQ(NzLong(null), 0);
    EXPECT_EQ(NzInteger(null), 0);
    EXPECT_EQ(NzSingle(null), 0);
    EXPECT_EQ(NzString(null), QString());
    EXPECT_EQ(NzInteger(QVariant(QStringLiteral("seven"))), 0);
    EXPECT_EQ(NzDouble(QVariant(QStringLiteral(""))), 0);
}

TEST(Converters, NumbersAndNumericTextConvert)
{
    EXPECT_EQ(NzInteger(QVariant(QStringLiteral("7"))), 7);
    EXPECT_EQ(NzLong(QVariant(QStringLiteral(" 12 "))), 12);
    EXPECT_DOUBLE_EQ(NzDouble(QVariant(QStringLiteral("2.75"))), 2.75);
    EXPECT_FLOAT_EQ(NzSingle(QVariant(1.5)), 1.5f);
    EXPECT_EQ(NzString(QVariant(12)), QStringLiteral("12"));
    EXPECT_EQ(NzString(QVariant(QStringLiteral("007"))), QStringLiteral("007"));
}

TEST(Converters, WholeNumbersRoundHalfToEven)
{
    EXPECT_EQ(NzInteger(QVariant(2.5)), 2);
    EXPECT_EQ(NzInteger(QVariant(3.5)), 4);
    EXPECT_EQ(NzInteger(QVariant(-2.5)), -2);
    EXPECT_EQ(NzLong(QVariant(6.5)), 6);
    EXPECT_EQ(NzLong(QVariant(1.5)), 2);
    EXPECT_EQ(NzLong(QVariant(QStringLiteral("2.6"))), 3);
}

TEST(Converters, OutOfRangeIsReportedNotWrapped)
{
    EXPECT_THROW(NzInteger(QVariant(40000)), OverflowError);
    EXPECT_THROW(NzInteger(QVariant(-32769)), OverflowError);
    EXPECT_EQ(NzInteger(QVariant(32767)), 32767);
    EXPECT_EQ(NzInteger(QVariant(-32768)), -32768);
    EXPECT_THROW(NzLong(QVariant(qint64(3000000000LL))), OverflowError);
    EXPECT_EQ(NzLong(QVariant(qint64(2147483647LL))), 2147483647);
    // 32767.5 rounds to 32768, which no longer fits.
    EXPECT_THROW(NzInteger(QVariant(32767.5)), OverflowError);
    EXPECT_THROW(NzSingle(QVariant(1e39)), OverflowError);
    EXPECT_THROW(NzSingle(QVariant(QStringLiteral("-1e39"))), OverflowError);
    EXPECT_FLOAT_EQ(NzSingle(QVariant(3.4e38)), 3.4e38f);
    // The largest 64-bit number is no double: 2^63 is just beyond it.
    EXPECT_THROW(Narrow<qint64>(9223372036854775808.0), OverflowError);
    EXPECT_EQ(Narrow<qint64>(-9223372036854775808.0), std::numeric_limits<qint64>::min());
    EXPECT_FALSE(Fits<int>(std::nan("")));
}
