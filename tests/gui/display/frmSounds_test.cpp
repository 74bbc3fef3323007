#include "gui/display/frmSounds.h"

#include "core/store/ProgramSettings.h"

#include "RecordingSoundPlayer.h"
#include "SettingsDialogs.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class frmSoundsTest : public DataFolderTest {
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        ProgramSettings& s = programSettings();
        s = ProgramSettings();
        s.gint5MinNotice = 1;
        s.gtypSounds[0] = {SoundRecord::WaveFile, path("horn.wav"), false};
        s.gtypSounds[1] = {SoundRecord::Beep, QStringLiteral("/old/ping.wav"), false};
        s.gtypSounds[2] = {7, QString(), false}; // edited by hand
        dialog = std::make_unique<frmSounds>();
    }
    void TearDown() override
    {
        dialog.reset();
        programSettings() = ProgramSettings();
        DataFolderTest::TearDown();
    }

    std::unique_ptr<frmSounds> dialog;
    RecordingSoundPlayer player;
};

} // namespace

TEST_F(frmSoundsTest, OpensOnTheStoredChoicesWithFileControlsOnlyForCustom)
{
    EXPECT_EQ(dialog->windowTitle(), "Visual & Audio Notifications");
    EXPECT_EQ(dialog->lblEvent[0]->text(), "Start Clock");
    EXPECT_EQ(dialog->lblEvent[11]->text(), "Hand Timer Elapsed");
    EXPECT_EQ(dialog->cmbSound[8]->itemText(2), "Custom");
    for (int i : {9, 10, 11})
        EXPECT_EQ(dialog->cmbSound[i]->itemText(2), "Custom...");
    EXPECT_EQ(dialog->cmbSound[2]->currentText(), "None");
    EXPECT_TRUE(dialog->chkNotice->isChecked());
    EXPECT_FALSE(dialog->chkNotifyEndOfSession->isChecked());
    EXPECT_EQ(dialog->txtFile[1]->text(), "/old/ping.wav");
    for (int i : {0, 1}) {
        const bool custom = i == 0;
        EXPECT_EQ(dialog->txtFile[i]->isEnabled(), custom);
        EXPECT_EQ(dialog->lblFile[i]->isEnabled(), custom);
        EXPECT_EQ(dialog->cmdBrowse[i]->isEnabled(), custom);
    }
    dialog->cmbSound[1]->setCurrentIndex(2);
    EXPECT_TRUE(dialog->cmdBrowse[1]->isEnabled());
}

TEST_F(frmSoundsTest, TestPlaysTheShownUnsavedChoiceAndBrowseKeepsTheRowOnCancel)
{
    dialog->cmbSound[3]->setCurrentIndex(2);
    dialog->txtFile[3]->setText(QStringLiteral("/new/bell.wav"));
    for (int i : {3, 2, 1})
        QTest::mouseClick(dialog->cmdTest[i], Qt::LeftButton);
    ASSERT_EQ(player.played, std::vector<int>({3, 1}));
    EXPECT_EQ(player.sounds[0].Kind, SoundRecord::WaveFile);
    EXPECT_EQ(player.sounds[0].FileName, "/new/bell.wav");
    EXPECT_EQ(player.sounds[1].Kind, SoundRecord::Beep);
    EXPECT_EQ(programSettings().gtypSounds[3].Kind, SoundRecord::None);

    dialog->cmbSound[4]->setCurrentIndex(2);
    prompts.files = {std::nullopt, path("chosen.wav")};
    QTest::mouseClick(dialog->cmdBrowse[0], Qt::LeftButton);
    EXPECT_EQ(dialog->txtFile[0]->text(), path("horn.wav"));
    QTest::mouseClick(dialog->cmdBrowse[4], Qt::LeftButton);
    EXPECT_EQ(dialog->txtFile[4]->text(), path("chosen.wav"));
    EXPECT_EQ(prompts.fileFolders, QStringList({QDir(dir.path()).absolutePath(), AppPaths::dataFolder()}));
}

TEST_F(frmSoundsTest, OkStoresEveryRowInOrderAndCancelNothing)
{
    dialog->chkNotice->setChecked(false);
    dialog->cmbSound[1]->setCurrentIndex(1); // still Beep, file kept
    dialog->cmbSound[0]->setCurrentIndex(1);
    for (int i : {9, 10, 11}) {
        dialog->cmbSound[i]->setCurrentIndex(2);
        dialog->txtFile[i]->setText(QStringLiteral("/s/%1.wav").arg(i));
    }
    frmSounds cancelled;
    cancelled.cmbSound[5]->setCurrentIndex(1);
    QTest::mouseClick(cancelled.cmdCancel, Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(AppPaths::settingsFile()));
    EXPECT_EQ(programSettings().gtypSounds[5].Kind, SoundRecord::None);

    QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    const ProgramSettings& s = programSettings();
    EXPECT_EQ(s.gint5MinNotice, 0);
    EXPECT_EQ(s.gtypSounds[0].Kind, SoundRecord::Beep);
    EXPECT_EQ(s.gtypSounds[0].FileName, path("horn.wav"));
    EXPECT_EQ(s.gtypSounds[1].FileName, "/old/ping.wav");
    EXPECT_EQ(s.gtypSounds[2].Kind, SoundRecord::None);
    for (int i : {9, 10, 11}) {
        EXPECT_EQ(s.gtypSounds[i].Kind, SoundRecord::WaveFile);
        EXPECT_EQ(ReadIniValue("Sounds", QStringLiteral("SoundsToPlay%1").arg(i), ""), "2");
    }
    EXPECT_EQ(ReadIniValue("Sounds", "CustomSound1", ""), "/old/ping.wav");
    EXPECT_EQ(SettingsKeysInOrder("Display"), QStringList({"5MinNotice", "NotifyEndOfSession"}));
    QStringList soundKeys;
    for (int i = 0; i < SoundEventCount; ++i)
        soundKeys << QStringLiteral("SoundsToPlay%1").arg(i) << QStringLiteral("CustomSound%1").arg(i);
    EXPECT_EQ(SettingsKeysInOrder("Sounds"), soundKeys);
}
