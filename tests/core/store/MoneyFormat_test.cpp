#include "core/store/MoneyFormat.h"

#include <gtest/gtest.h>

TEST(MoneyFormat, CommaSeparatorOneMeansThousandsSeparators)
{
    EXPECT_EQ(MoneyFormat(QStringLiteral("$"), QStringLiteral("1")), QStringLiteral("$#,##0"));
    EXPECT_EQ(MoneyFormat(QStringLiteral("$"), QStringLiteral("1.0")), QStringLiteral("$#,##0"));
    EXPECT_EQ(MoneyFormat(QStringLiteral("$"), QStringLiteral("0")), QStringLiteral("$##0"));
    EXPECT_EQ(MoneyFormat(QStringLiteral("$"), QStringLiteral("yes")), QStringLiteral("$##0"));
    EXPECT_EQ(MoneyFormat(QString(), QStringLiteral("1")), QStringLiteral("#,##0"));
}

TEST(FormatMoney, WholeUnitsWithOrWithoutSeparators)
{
    EXPECT_EQ(FormatMoney(1500, QStringLiteral("$#,##0")), QStringLiteral("$1,500"));
    EXPECT_EQ(FormatMoney(1500, QStringLiteral("$##0")), QStringLiteral("$1500"));
    EXPECT_EQ(FormatMoney(1234567.25, QStringLiteral("$#,##0")), QStringLiteral("$1,234,567"));
    EXPECT_EQ(FormatMoney(100000, QStringLiteral("$#,##0")), QStringLiteral("$100,000"));
    EXPECT_EQ(FormatMoney(0, QStringLiteral("$##0")), QStringLiteral("$0"));
    EXPECT_EQ(FormatMoney(2.5, QStringLiteral("$##0")), QStringLiteral("$2"));
    EXPECT_EQ(FormatMoney(3.5, QStringLiteral("$##0")), QStringLiteral("$4"));
    EXPECT_EQ(FormatMoney(-12.75, QStringLiteral("$#,##0")), QStringLiteral("-$13"));
    EXPECT_EQ(FormatMoney(-0.4, QStringLiteral("$#,##0")), QStringLiteral("$0"));
}

TEST(FormatMoney, TheCurrencySymbolIsWrittenAsTyped)
{
    EXPECT_EQ(FormatMoney(1500, QStringLiteral("EUR #,##0")), QStringLiteral("EUR 1,500"));
    // Format characters inside the symbol are text, not placeholders.
    EXPECT_EQ(FormatMoney(1500, MoneyFormat(QStringLiteral("#0,"), QStringLiteral("1"))), QStringLiteral("#0,1,500"));
    EXPECT_EQ(FormatMoney(1500, MoneyFormat(QStringLiteral("0#"), QStringLiteral("0"))), QStringLiteral("0#1500"));
    EXPECT_EQ(FormatMoney(1500, MoneyFormat(QStringLiteral("\u20ac"), QStringLiteral("1"))),
              QStringLiteral("\u20ac1,500"));
}
