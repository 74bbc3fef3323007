#include "core/setup/LevelTable.h"

#include <gtest/gtest.h>

namespace {

// Rows whose small blind names the level: "10", "20", ...
LevelRows numbered(int count)
{
    LevelRows rows;
    for (int i = 1; i <= count; ++i) {
        LevelRow row = ZeroLevelRow();
        row[1] = QString::number(10 * i);
        rows.append(row);
    }
    return rows;
}

QStringList smallBlinds(const LevelRows& rows)
{
    QStringList out;
    for (const LevelRow& r : rows)
        out << r[1];
    return out;
}

} // namespace

TEST(LevelTable, ResizeInsertAndDelete)
{
    LevelRows rows = numbered(2);
    rows[0][0] = QStringLiteral("ante?");
    rows[1][0] = QStringLiteral(" ");
    ResizeLevelRows(rows, 4);
    EXPECT_EQ(smallBlinds(rows), (QStringList {"10", "20", "0", "0"}));
    EXPECT_EQ(rows[0][0], QStringLiteral("ante?")) << "a slip stays for Finish to refuse";
    EXPECT_EQ(rows[1][0], QStringLiteral("0")) << "blank";
    ResizeLevelRows(rows, 1);
    EXPECT_EQ(smallBlinds(rows), (QStringList {"10"}));

    LevelRows five = numbered(5);
    EXPECT_TRUE(InsertLevelRow(five, 3));
    EXPECT_EQ(smallBlinds(five), (QStringList {"10", "20", "0", "30", "40", "50"}));
    EXPECT_TRUE(InsertLevelRow(five, 0));
    EXPECT_EQ(five.size(), 7);

    LevelRows three = numbered(3);
    EXPECT_TRUE(DeleteLevelRow(three, 2));
    EXPECT_EQ(smallBlinds(three), (QStringList {"10", "30"}));
    EXPECT_FALSE(DeleteLevelRow(three, 0)) << "no row selected";
    LevelRows one = numbered(1);
    EXPECT_FALSE(DeleteLevelRow(one, 1));
    LevelRows full = numbered(MaxLevels);
    EXPECT_FALSE(InsertLevelRow(full, 1));
}

TEST(LevelTable, UndoGivesBackExactlyAndCanRepeat)
{
    LevelRows rows = numbered(3);
    rows[2][1] = QStringLiteral("1234567.25"); // beyond single precision
    rows[2][5] = QStringLiteral("12.5");
    const QList<LevelSession> backup = BackUpSessions(rows);
    const LevelRows restored = RestoreSessions(backup);
    EXPECT_EQ(restored[2][1], QStringLiteral("1234567.25"));
    EXPECT_EQ(restored[2][5], QStringLiteral("12")) << "minutes are whole, a half to even";
    EXPECT_EQ(RestoreSessions(backup), restored);

    EXPECT_EQ(ReminderPauseText(QStringLiteral("   "), true), QString());
    EXPECT_EQ(ReminderPauseText(QStringLiteral("Rotate Dealers"), true), QStringLiteral("Yes"));
    EXPECT_EQ(ReminderPauseText(QStringLiteral("Rotate Dealers"), false), QStringLiteral("No"));
}
