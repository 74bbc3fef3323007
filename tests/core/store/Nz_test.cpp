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
}
