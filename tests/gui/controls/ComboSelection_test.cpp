#include "gui/controls/ComboSelection.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

class ComboSelection : public ::testing::Test {
protected:
    void SetUp() override
    {
        combo.addItem(QStringLiteral("Friday League"), 7);
        combo.addItem(QStringLiteral("friday league"), 3);
        combo.addItem(QStringLiteral("Friday League"), 12);
    }
    QComboBox combo;
};

} // namespace

TEST_F(ComboSelection, TextPicksTheFirstExactMatch)
{
    SelectComboText(&combo, QStringLiteral("friday league"));
    EXPECT_EQ(combo.currentIndex(), 1);
    SelectComboText(&combo, QStringLiteral("Friday League"));
    EXPECT_EQ(combo.currentIndex(), 0);
}

TEST_F(ComboSelection, UnknownTextLeavesNoSelectionEvenAfterOne)
{
    combo.setCurrentIndex(2);
    SelectComboText(&combo, QStringLiteral("Friday League "));
    EXPECT_EQ(combo.currentIndex(), -1);
    SelectComboText(&combo, QStringLiteral("Saturday"));
    EXPECT_EQ(combo.currentIndex(), -1);
}

TEST_F(ComboSelection, ItemDataPicksTheRowByKey)
{
    SelectComboItemData(&combo, 12);
    EXPECT_EQ(combo.currentIndex(), 2);
    SelectComboItemData(&combo, 99);
    EXPECT_EQ(combo.currentIndex(), -1);
    combo.addItem(QStringLiteral("No key"));
    SelectComboItemData(&combo, 0); // an item without data is no key 0
    EXPECT_EQ(combo.currentIndex(), -1);
}
