#include "LeagueTestData.h"
#include "core/setup/BlindGenerator.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/ctlDataEntryGrid.h"
#include "gui/setup/frmTALevelGeneratorSetup.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class LevelGeneratorSetup : public LeagueDatabaseTest {
protected:
    void SetUp() override
    {
        LeagueDatabaseTest::SetUp();
        setProgramDatabase(&db);
        kept = programSettings();
        programSettings() = ProgramSettings();
        LoadSettings(programSettings());
    }
    void TearDown() override
    {
        programSettings() = kept;
        LeagueDatabaseTest::TearDown();
    }
    long savedRows()
    {
        return db.query(QStringLiteral("SELECT COUNT(*) AS N FROM tblDefaultSmallBlind"))
            .value(QStringLiteral("N"))
            .toInt();
    }

    ProgramSettings kept;
};

TEST_F(LevelGeneratorSetup, OkStoresSettingsAndTableThatOutlastARestart)
{
    {
        frmTALevelGeneratorSetup d;
        EXPECT_TRUE(d.optTable->isChecked());
        EXPECT_TRUE(d.gridLevels->isEnabled());
        EXPECT_EQ(d.gridLevels->TextMatrix(1, 0), QStringLiteral(".05"));
        EXPECT_EQ(d.gridLevels->TextMatrix(22, 0), QStringLiteral("1,500"));
        EXPECT_EQ(d.gridLevels->Rows(), 500);
        d.gridLevels->setTextMatrix(2, 0, QString());
        d.gridLevels->setTextMatrix(60, 0, QStringLiteral("1,500.5"));
        d.optDouble->setChecked(true);
        EXPECT_FALSE(d.gridLevels->isEnabled());
        d.txtNumSafety->setText(QStringLiteral("0"));
        d.txtStartingBig->setText(QStringLiteral("2.5"));
        d.chkLimitByChip->setChecked(false);
        d.cmdOK->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    EXPECT_EQ(savedRows(), 57);
    EXPECT_TRUE(LoadDefaultSmallBlinds(db, false).contains(1500.5f));

    // Restart: the settings come from Defaults.ini, the table from the database.
    programSettings() = ProgramSettings();
    LoadSettings(programSettings());
    frmTALevelGeneratorSetup again;
    EXPECT_FALSE(again.chkLimitByChip->isChecked());
    EXPECT_TRUE(again.optDouble->isChecked());
    EXPECT_EQ(again.txtStartingBig->text(), QStringLiteral("2.5"));
    EXPECT_EQ(again.gridLevels->TextMatrix(57, 0), QStringLiteral("1,000,000,000"));

    // Restore Defaults after a longer table saves the 57 built-in rows only.
    for (long r = 58; r <= 60; ++r)
        again.gridLevels->setTextMatrix(r, 0, QString::number(2000000000 + r));
    again.cmdRestore->click();
    EXPECT_TRUE(again.optTable->isChecked());
    EXPECT_EQ(again.txtNumSafety->text(), QStringLiteral("3"));
    again.cmdOK->click();
    EXPECT_EQ(savedRows(), 57);
    EXPECT_EQ(LoadDefaultSmallBlinds(db, false), BuiltInSmallBlinds());
    EXPECT_EQ(programSettings().gintTANumSafetySessions, 3);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(LevelGeneratorSetup, RefusalsAndFailuresStoreNothing)
{
    SaveDefaultSmallBlinds(db, {25, 50});
    frmTALevelGeneratorSetup d;
    d.show();
    d.txtRoundTo->setText(QStringLiteral("0"));
    d.cmdOK->click();
    d.txtRoundTo->setText(QStringLiteral("5"));
    d.txtNumSafety->setText(QStringLiteral("-2"));
    d.cmdOK->click();
    EXPECT_EQ(prompts.messages,
              (QStringList {QStringLiteral("The time for each level must be rounded to at least 1 minute."),
                            QStringLiteral("The number of 'safety' levels cannot be negative.")}));

    // A slip typed into the table (Enter keeps it) is refused, not left out,
    // and its cell is current with the text selected.
    d.txtNumSafety->setText(QStringLiteral("3"));
    auto* cells = d.gridLevels->findChild<FlexGrid*>(QStringLiteral("grid"));
    QTest::mouseClick(cells->viewport(), Qt::LeftButton, {},
                      cells->viewport()->mapFrom(cells, cells->CellRect(2, 0).center()));
    QTest::keyClicks(cells, QStringLiteral("1o"));
    QTest::keyClick(cells, Qt::Key_Return);
    d.cmdOK->click();
    EXPECT_EQ(prompts.messages.value(2), SmallBlindsNumericMessage());
    EXPECT_EQ(d.gridLevels->Row(), 2);
    QTest::keyClicks(cells, QStringLiteral("75"));
    EXPECT_EQ(d.gridLevels->TextMatrix(2, 0), QStringLiteral("75"));
    EXPECT_EQ(LoadDefaultSmallBlinds(db, false), (QList<Single> {25, 50}));

    db.execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON tblDefaultSmallBlind WHEN NEW.Amount > 40 "
                              "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    d.txtNumSafety->setText(QStringLiteral("4"));
    d.cmdOK->click();
    EXPECT_EQ(prompts.messages.size(), 4);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(LoadDefaultSmallBlinds(db, false), (QList<Single> {25, 50}));
    EXPECT_EQ(programSettings().gintTARoundSessionTimeTo, 10);
    EXPECT_EQ(programSettings().gintTANumSafetySessions, 3);
}
