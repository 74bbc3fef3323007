#include "core/floor/Countdown.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(Countdown, CountsWholeSecondsFromItsStart)
{
    Countdown c;
    c.reset(600);
    EXPECT_FALSE(c.running());
    c.start(5'000);
    struct {
        qint64 at;
        Long left;
    } const rows[] = {{5'000, 600}, {5'999, 600}, {6'000, 599}, {64'999, 541}, {605'000, 0}, {607'500, -2}};
    for (const auto& row : rows)
        EXPECT_EQ(c.tick(row.at), row.left) << row.at;
    EXPECT_EQ(c.zeroMs(), 605'000);
}

TEST(Countdown, ClockText)
{
    struct {
        Long seconds;
        const char* text;
    } const rows[] = {{545, "9:05"}, {0, "0:00"}, {-3, "0:00"}, {59, "0:59"}, {18000, "300:00"}};
    for (const auto& row : rows)
        EXPECT_EQ(ClockText(row.seconds), QString::fromLatin1(row.text));
}
