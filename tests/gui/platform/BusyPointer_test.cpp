#include "gui/platform/BusyPointer.h"

#include <QCursor>
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

bool busy()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

} // namespace

TEST(BusyPointer, OneDefaultPointerEndsAnyNumberOfHourglasses)
{
    ShowHourglass();
    ShowHourglass();
    ShowHourglass();
    EXPECT_TRUE(busy());
    ShowDefaultPointer();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ShowDefaultPointer(); // already default: nothing to undo
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(BusyPointer, GuardRestoresThePointerWhenTheWorkThrows)
{
    try {
        BusyPointer busyWhile;
        EXPECT_TRUE(busy());
        throw std::runtime_error("database gone");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
