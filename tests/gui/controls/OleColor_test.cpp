#include "gui/controls/OleColor.h"

#include <gtest/gtest.h>

TEST(OleColor, PlainColoursAreBlueGreenRed)
{
    EXPECT_EQ(OleColorToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(OleColorToQColor(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(OleColorToQColor(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(OleColorToQColor(0x808080), QColor(128, 128, 128));
}

TEST(OleColor, SystemColoursFollowThePalette)
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::ButtonText, QColor(4, 5, 6));
    palette.setColor(QPalette::Base, QColor(7, 8, 9));
    EXPECT_EQ(OleColorToQColor(ButtonFaceColor, palette), QColor(1, 2, 3));
    EXPECT_EQ(OleColorToQColor(ButtonTextColor, palette), QColor(4, 5, 6));
    EXPECT_EQ(OleColorToQColor(WindowBackgroundColor, palette), QColor(7, 8, 9));
}

TEST(OleColor, StoredNumbersReadSignedOrUnsigned)
{
    EXPECT_EQ(OleColorFromVariant(QVariant(int(0x8000000F)), 0), 0x8000000Fu);
    EXPECT_EQ(OleColorFromVariant(QVariant(0x8000000Fu), 0), 0x8000000Fu);
    EXPECT_EQ(OleColorFromVariant(QVariant(QStringLiteral("255")), 0), 255u);
    EXPECT_EQ(OleColorFromVariant(QVariant(QStringLiteral("blue")), 7), 7u);
    EXPECT_EQ(OleColorFromVariant(QVariant(), 7), 7u);
    EXPECT_EQ(OleColorFromVariant(QVariant(qlonglong(0x100000000LL)), 7), 7u);
}
