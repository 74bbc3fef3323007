#pragma once

#include "core/store/SoundRecord.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Visual & Audio Notifications": the sound of each event and the two
// on-screen notices.
class frmSounds : public QDialog {
    Q_OBJECT
public:
    explicit frmSounds(QWidget* parent = nullptr);

    std::array<QLabel*, SoundEventCount> lblEvent {};
    std::array<QComboBox*, SoundEventCount> cmbSound {};
    std::array<QLabel*, SoundEventCount> lblFile {};
    std::array<QLineEdit*, SoundEventCount> txtFile {};
    std::array<QPushButton*, SoundEventCount> cmdBrowse {};
    std::array<QPushButton*, SoundEventCount> cmdTest {};
    QCheckBox* chkNotice;
    QCheckBox* chkNotifyEndOfSession;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    void Form_Load();
    void cmbSound_Click(int Index);
    void cmdBrowse_Click(int Index);
    void cmdTest_Click(int Index);
    // Plays what row intIndex shows, saved or not.
    void TestPlaySound(int intIndex);
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    SoundRecord shownSound(int Index) const;
};
