#include "gui/display/frmAppearance.h"

#include "core/display/ScreenObjects.h"
#include "core/store/ProgramSettings.h"

#include "LeagueTestData.h"
#include "SettingsDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Stored: one column of players, commas, "$", one of each hand-edited value.
class frmAppearanceTest : public LeagueDatabaseTest {
protected:
    void SetUp() override
    {
        LeagueDatabaseTest::SetUp();
        setProgramDatabase(&db);
        ProgramSettings& s = programSettings();
        s = ProgramSettings();
        s.glngPlayerDisplay = 1;
        s.gintDisplayPointsInGrid = 1;
        s.gstrCurrencySymbol = QStringLiteral("$");
        s.gstrCommaSeparator = QStringLiteral("1");
        s.gvarMainBGColor = QStringLiteral("255");
        s.gintHandTimer = 40;
        s.gintTableID = 3;
        s.gintSeatID = 1;
        s.gintAutoScroll = 1;
        screenObjects().LoadScreenObjects(db, ScreenFontSizesFor(large, 1), prompts);
        open();
    }
    void TearDown() override
    {
        dialog.reset();
        screenObjects().clear();
        programSettings() = ProgramSettings();
        LeagueDatabaseTest::TearDown();
    }
    void open()
    {
        dialog = std::make_unique<frmAppearance>();
        dialog->playersGridDefaultSize
            = [this](Long layout) { return ScreenFontSizesFor(large, layout).mintPlayerGridFontSize; };
        dialog->relayout = [this] { ++relayouts; };
    }
    void ok() { QTest::mouseClick(dialog->cmdOK, Qt::LeftButton); }
    Integer gridSize() const
    {
        const ScreenObjectTable& t = screenObjects();
        return t.gtypScreenObjects[t.gintPlayersGridObject].FontSize;
    }
    QVariant storedGridSize()
    {
        Recordset rs = db.query(QStringLiteral("SELECT FontSize FROM tblFont WHERE Description = 'Players Grid'"));
        return rs.eof() ? QVariant() : rs.value(QStringLiteral("FontSize"));
    }

    bool large = true;
    std::unique_ptr<frmAppearance> dialog;
    int relayouts = 0;
};

} // namespace

TEST_F(frmAppearanceTest, ShowsWhatTheListsCanAndOkWithoutChangesTouchesNoGridSize)
{
    EXPECT_EQ(dialog->windowTitle(), "Appearance Settings");
    EXPECT_TRUE(dialog->optPlayerDisplay[1]->isChecked());
    EXPECT_TRUE(dialog->chkDisplayPoints->isEnabled());
    EXPECT_EQ(dialog->cmbHandTimer->currentText(), "15");
    EXPECT_EQ(dialog->cmbTable->currentText(), "Numbers");
    EXPECT_EQ(dialog->cmbSeat->currentText(), "Letters");
    EXPECT_TRUE(dialog->chkCommaSeparator->isChecked());
    EXPECT_EQ(dialog->shownValues().MainBGColor, 255u);

    ok();
    EXPECT_EQ(relayouts, 1);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_FALSE(storedGridSize().isValid());
    EXPECT_EQ(programSettings().gintHandTimer, 15);
    EXPECT_EQ(programSettings().gintTableID, 0);
    EXPECT_EQ(SettingsKeysInOrder("Display"),
              QStringList({"PlayerDisplay", "DisplayPointsInGrid", "ShowChipsAndPayouts", "CurrencySymbol",
                           "CommaSeparator", "MainBGColor", "RotatingBGColor", "TableID", "SeatID", "HandTimer",
                           "FullScreen", "AutoScroll", "TrackKills"}));
    EXPECT_EQ(ReadIniValue("Display", "HandTimer", ""), "15");
    EXPECT_EQ(ReadIniValue("Display", "MainBGColor", ""), "255");
}

TEST_F(frmAppearanceTest, LayoutSwitchStoresTheTwoColumnSizeOfTheSizeSet)
{
    for (const auto& [isLarge, size] : {std::pair {true, 20}, {false, 14}}) {
        programSettings().glngPlayerDisplay = 1;
        large = isLarge;
        open();
        dialog->optPlayerDisplay[0]->setChecked(true);
        EXPECT_FALSE(dialog->chkDisplayPoints->isEnabled());
        ok();
        EXPECT_EQ(gridSize(), size);
        EXPECT_EQ(storedGridSize(), size);
        EXPECT_EQ(programSettings().glngPlayerDisplay, 0);
    }
}

TEST_F(frmAppearanceTest, CommaOffSymbolAndFullScreenWithOneMessagePerToggle)
{
    dialog->txtCurrencySymbol->setText(QStringLiteral("€"));
    dialog->chkCommaSeparator->setChecked(false);
    dialog->chkFullScreen->setChecked(true);
    ok();
    EXPECT_EQ(ReadIniValue("Display", "CommaSeparator", ""), "0");
    EXPECT_EQ(programSettings().gstrMoneyFormat, "€##0");
    EXPECT_EQ(ReadIniValue("Display", "CurrencySymbol", ""), "€");
    EXPECT_EQ(prompts.messages, QStringList {FullScreenNotice});

    open();
    ok();
    EXPECT_EQ(prompts.messages.size(), 1);
    open();
    dialog->chkFullScreen->setChecked(false);
    ok();
    EXPECT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(programSettings().gintFullScreen, 0);
}

TEST_F(frmAppearanceTest, ResetShowsTheDefaultsAndCancelKeepsEverything)
{
    prompts.colors = {std::nullopt, 0x00FF00u};
    QTest::mouseClick(dialog->cmdBackgroundColor[0], Qt::LeftButton);
    EXPECT_EQ(dialog->shownValues().MainBGColor, 255u);
    QTest::mouseClick(dialog->cmdBackgroundColor[5], Qt::LeftButton);
    EXPECT_EQ(dialog->shownValues().RotatingBGColor, 0x00FF00u);

    dialog->chkFullScreen->setChecked(true);
    dialog->optPlayerDisplay[0]->setChecked(true);
    QTest::mouseClick(dialog->cmdReset, Qt::LeftButton);
    AppearanceValues expected = AppearanceShown(programSettings());
    expected.SeatID = 0;
    expected.MainBGColor = 0;
    expected.ShowChipsAndPayouts = 1;
    EXPECT_EQ(dialog->shownValues(), expected);

    QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
    EXPECT_EQ(relayouts, 0);
    EXPECT_FALSE(QFile::exists(AppPaths::settingsFile()));
    EXPECT_EQ(programSettings().gintSeatID, 1);
    EXPECT_EQ(programSettings().gintHandTimer, 40);
}
