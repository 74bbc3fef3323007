#include "core/store/TextHelpers.h"

#include <gtest/gtest.h>

TEST(CsvEscape, NullGivesEmptyText)
{
    EXPECT_EQ(CsvEscape(QVariant()), QString());
    EXPECT_EQ(CsvEscape(QVariant(QMetaType(QMetaType::Int))), QString());
}

TEST(CsvEscape, TrimsSpacesOnlyThenDoublesQuotes)
{
    EXPECT_EQ(CsvEscape(QStringLiteral("  say \"hi\"  ")), QStringLiteral("say \"\"hi\"\""));
    EXPECT_EQ(CsvEscape(QStringLiteral("\tkeep tab\t")), QStringLiteral("\tkeep tab\t"));
    // Quotes at the edges are doubled after the trim, not trimmed away.
    EXPECT_EQ(CsvEscape(QStringLiteral(" \" ")), QStringLiteral("\"\""));
    EXPECT_EQ(CsvEscape(QStringLiteral("a,b")), QStringLiteral("a,b"));
}

TEST(CsvEscape, NumbersGiveTheirPlainText)
{
    EXPECT_EQ(CsvEscape(QVariant(1234567)), QStringLiteral("1234567"));
    EXPECT_EQ(CsvEscape(QVariant(2.5)), QStringLiteral("2.5"));
}

TEST(TextHelpers, AccessKeyHtmlUnderlinesTheMarkedLetter)
{
    const std::pair<const char*, const char*> cases[] = {
        {"View: &Players", "View: <u>P</u>layers"},
        {"&Fonts && Colors", "<u>F</u>onts &amp; Colors"},
        {"Clock: Not Started", "Clock: Not Started"},
        {"a<b &", "a&lt;b &amp;"},
    };
    for (const auto& [caption, html] : cases)
        EXPECT_EQ(AccessKeyHtml(QString::fromUtf8(caption)), QString::fromUtf8(html)) << caption;
}
