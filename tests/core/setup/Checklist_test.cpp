#include "core/setup/Checklist.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

const QList<ChecklistChip> chips {
    {1, QStringLiteral("White"), 10},   {2, QStringLiteral("Red"), 0}, // no count: left out
    {0, QStringLiteral("Not Used"), 5}, // not used: left out
    {3, QStringLiteral("Blue"), 4},     {1, QStringLiteral("White"), 2}, // the same colour twice: two lines
};

} // namespace

TEST(Checklist, Golden)
{
    QFile golden(QStringLiteral(ZRV_TEST_SOURCE_DIR "/core/setup/golden/checklist.txt"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QString expected = QString::fromUtf8(golden.readAll());
    EXPECT_EQ(buildChecklist(QStringLiteral("Friday Night"), QStringLiteral("12/09/2026"), 20, 9, chips), expected);
}

TEST(Checklist, TablesRoundUpAndNeedSeats)
{
    EXPECT_TRUE(buildChecklist({}, {}, 20, 9, {}).contains(QStringLiteral("___ 3 tables\r\n")));
    EXPECT_TRUE(buildChecklist({}, {}, 20, 10, {}).contains(QStringLiteral("___ 2 tables\r\n")));
    EXPECT_TRUE(buildChecklist({}, {}, 20, 0, {}).isEmpty());
}
