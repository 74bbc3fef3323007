#include "core/floor/BlindsText.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(BlindsText, BuildBlindsStrings)
{
    const QString format = QStringLiteral("$#,##0");
    struct {
        double ante, smallRaise, bigRaise, small, big;
        bool next;
        const char* header;
        const char* values;
    } const rows[] = {
        {25, 0, 0, 100, 200, false, "Ante  Blinds", "$25  $100/$200"},
        {0, 200, 400, 1000, 2000, false, "  Blinds  Raises", "  $1,000/$2,000  $200/$400"},
        {0, 0, 0, 0, 50, true, "Next Level: 4    Blinds", "  $50"},
        {0, 0, 0, 0, 0, false, "", ""},
    };
    for (const auto& row : rows) {
        QString header;
        QString values;
        BuildBlindsStrings(header, values, row.ante, row.smallRaise, row.bigRaise, row.small, row.big, row.next, 3,
                           format);
        EXPECT_EQ(header, QString::fromLatin1(row.header));
        EXPECT_EQ(values, QString::fromLatin1(row.values));
    }
    // The ante takes the place of what the values held.
    QString header = QStringLiteral("H");
    QString values = QStringLiteral("old");
    BuildBlindsStrings(header, values, 5, 0, 0, 0, 0, false, 1, format);
    EXPECT_EQ(header, QStringLiteral("HAnte"));
    EXPECT_EQ(values, QStringLiteral("$5"));
}

TEST(BlindsText, LoadClassicBlinds)
{
    using Rows = std::array<ClassicBlindsRow, 3>;
    const QString format = QStringLiteral("##0");
    EXPECT_EQ(LoadClassicBlinds(25, 100, 200, 0, 0, false, format),
              (Rows {{{"Ante", "25"}, {"Blinds", "100/200"}, {"", ""}}}));
    EXPECT_EQ(LoadClassicBlinds(0, 0, 300, 100, 200, true, format),
              (Rows {{{"", ""}, {"Next Blinds", "300"}, {"Next Raises", "100/200"}}}));
}
