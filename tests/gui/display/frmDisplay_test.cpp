#include "gui/display/frmDisplay.h"

#include "core/display/RotationOptions.h"
#include "core/display/ScreenObjects.h"
#include "core/store/ProgramSettings.h"

#include "SettingsDialogs.h"
#include "TestSupport.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class frmDisplayTest : public DataFolderTest {
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        programSettings() = ProgramSettings();
        programSettings().gintRotationMatrix = DefaultRotation();
        programSettings().gintSecondsForRotation = 10;
        dialog = std::make_unique<frmDisplay>();
        dialog->applied = [this](int ms) { appliedMs.push_back(ms); };
    }
    void TearDown() override
    {
        dialog.reset();
        programSettings() = ProgramSettings();
        DataFolderTest::TearDown();
    }
    QStringList selected(int phase) const
    {
        QStringList texts;
        const QListWidget* list = dialog->lstScreens[phase];
        for (int r = 0; r < list->count(); ++r)
            if (list->item(r)->isSelected())
                texts << list->item(r)->text();
        return texts;
    }
    void ok(const QString& seconds)
    {
        dialog->txtSeconds->setText(seconds);
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    }

    std::unique_ptr<frmDisplay> dialog;
    std::vector<int> appliedMs;
};

} // namespace

TEST_F(frmDisplayTest, OpensOnTheStoredRotation)
{
    EXPECT_EQ(dialog->windowTitle(), "Display Settings");
    EXPECT_EQ(dialog->txtSeconds->text(), "10");
    EXPECT_EQ(dialog->lstScreens[0]->count(), 16);
    EXPECT_EQ(dialog->lstScreens[0]->item(0)->text(), "Players");
    EXPECT_EQ(selected(0), QStringList({"Players", "Summary Style 2", "Table & Seat Chart", "Buyin Details", "Rules"}));
    EXPECT_EQ(selected(3), QStringList({"Players", "Payouts", "Kills"}));
}

TEST_F(frmDisplayTest, RefusesSecondsOutsideOneTo59AndAnEmptyListChangingNothing)
{
    for (const char* text : {"0", "60", "abc", "", "59.5", "70000"}) {
        prompts.messages.clear();
        ok(QString::fromLatin1(text));
        EXPECT_EQ(prompts.messages, QStringList {RotationSecondsRefused}) << text;
    }
    dialog->lstScreens[2]->clearSelection();
    prompts.messages.clear();
    ok(QStringLiteral("59"));
    EXPECT_EQ(prompts.messages, QStringList {RotationListEmpty});
    EXPECT_TRUE(appliedMs.empty());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(AppPaths::settingsFile()));
    EXPECT_EQ(programSettings().gintSecondsForRotation, 10);
    EXPECT_EQ(programSettings().gintRotationMatrix, DefaultRotation());
}

TEST_F(frmDisplayTest, AcceptsRoundedSecondsAndWritesThe65KeysInOrder)
{
    struct Case {
        const char* text;
        Integer seconds;
    };
    for (const Case& c : {Case {"1.5", 2}, Case {"59", 59}}) {
        dialog->lstScreens[1]->item(15)->setSelected(true); // Manager Report
        dialog->lstScreens[1]->item(0)->setSelected(false); // Players
        ok(QString::fromLatin1(c.text));
        EXPECT_EQ(programSettings().gintSecondsForRotation, c.seconds);
        EXPECT_EQ(appliedMs.back(), c.seconds * 1000);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
    }
    RotationTable expected = DefaultRotation();
    expected[1][7] = 1;
    expected[1][0] = 0;
    EXPECT_EQ(programSettings().gintRotationMatrix, expected);
    EXPECT_TRUE(prompts.messages.isEmpty());

    QStringList keys {"SecondsForRotation"};
    for (int phase = 0; phase < RotationPhaseCount; ++phase)
        for (const ListItem& row : ScreenComboItems(false))
            keys << RotationKey(phase, row.ItemData);
    EXPECT_EQ(SettingsKeysInOrder(QStringLiteral("Display")), keys);
    EXPECT_EQ(ReadIniValue("Display", "SecondsForRotation", ""), "59");
    EXPECT_EQ(ReadIniValue("Display", "ScreensToRotate1-7", ""), "1");
    EXPECT_EQ(ReadIniValue("Display", "ScreensToRotate1-0", ""), "0");
}

TEST_F(frmDisplayTest, EveryListShowsAllSixteenScreensWithoutScrollingOnA1024x768Screen)
{
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    constexpr int TitleAndTaskBars = 80;
    EXPECT_LE(dialog->width(), 1024);
    EXPECT_LE(dialog->height(), 768 - TitleAndTaskBars);
    for (const QListWidget* list : dialog->lstScreens) {
        EXPECT_EQ(list->verticalScrollBar()->maximum(), 0) << list->objectName().toStdString();
        EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0) << list->objectName().toStdString();
        for (int r = 0; r < list->count(); ++r)
            EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(r))))
                << list->item(r)->text().toStdString();
    }
}
