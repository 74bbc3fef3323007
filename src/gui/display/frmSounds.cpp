#include "gui/display/frmSounds.h"

#include "core/display/SoundOptions.h"
#include "core/platform/AppPaths.h"
#include "core/platform/Prompter.h"
#include "core/platform/SoundPlayer.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/CommandButton.h"
#include "gui/display/DialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The last three rows came with their own list, which names the custom
// choice a little differently.
constexpr int FirstLaterRow = 9;

QString arrayName(const char* name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

enum Column { EventColumn, SoundColumn, FileLabelColumn, FileColumn, BrowseColumn, TestColumn };

} // namespace

frmSounds::frmSounds(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSounds"));
    setWindowTitle(QStringLiteral("Visual & Audio Notifications"));
    setModal(true);

    auto* audio = new QGroupBox(QStringLiteral("Audio Notifications"), this);
    audio->setObjectName(QStringLiteral("Frame1"));
    auto* rows = new QGridLayout(audio);
    rows->addWidget(NamedLabel(audio, QStringLiteral("Label1"), QStringLiteral("Event")), 0, EventColumn);
    rows->addWidget(NamedLabel(audio, QStringLiteral("Label2"), QStringLiteral("Sound")), 0, SoundColumn);
    const auto& labels = SoundEventLabels();
    for (int i = 0; i < SoundEventCount; ++i) {
        lblEvent[i] = NamedLabel(audio, arrayName("lblEvent", i), QString::fromLatin1(labels[i]));
        cmbSound[i] = new QComboBox(audio);
        cmbSound[i]->setObjectName(arrayName("cmbSound", i));
        if (i >= FirstLaterRow)
            cmbSound[i]->addItems({QStringLiteral("None"), QStringLiteral("Beep"), QStringLiteral("Custom...")});
        lblFile[i] = NamedLabel(audio, arrayName("lblFile", i), QStringLiteral("Wav File"));
        txtFile[i] = new QLineEdit(audio);
        txtFile[i]->setObjectName(arrayName("txtFile", i));
        txtFile[i]->setMinimumWidth(txtFile[i]->fontMetrics().averageCharWidth() * 40);
        cmdBrowse[i] = CommandButton(audio, arrayName("cmdBrowse", i), QStringLiteral("..."));
        cmdTest[i] = CommandButton(audio, arrayName("cmdTest", i), QStringLiteral("Test"));
        const int row = i + 1;
        rows->addWidget(lblEvent[i], row, EventColumn);
        rows->addWidget(cmbSound[i], row, SoundColumn);
        rows->addWidget(lblFile[i], row, FileLabelColumn);
        rows->addWidget(txtFile[i], row, FileColumn);
        rows->addWidget(cmdBrowse[i], row, BrowseColumn);
        rows->addWidget(cmdTest[i], row, TestColumn);
        connect(cmbSound[i], &QComboBox::currentIndexChanged, this, [this, i] { cmbSound_Click(i); });
        connect(cmdBrowse[i], &QPushButton::clicked, this, [this, i] { cmdBrowse_Click(i); });
        connect(cmdTest[i], &QPushButton::clicked, this, [this, i] { cmdTest_Click(i); });
    }

    auto* visual = new QGroupBox(QStringLiteral("Visual Notifications"), this);
    visual->setObjectName(QStringLiteral("Frame2"));
    chkNotice = new QCheckBox(QStringLiteral("Show Notice on 5 Minute Intervals"), visual);
    chkNotice->setObjectName(QStringLiteral("chkNotice"));
    chkNotifyEndOfSession = new QCheckBox(QStringLiteral("Show Notice at the End of Each Session"), visual);
    chkNotifyEndOfSession->setObjectName(QStringLiteral("chkNotifyEndOfSession"));
    auto* notices = new QVBoxLayout(visual);
    notices->addWidget(chkNotice);
    notices->addWidget(chkNotifyEndOfSession);

    auto* all = new QVBoxLayout(this);
    all->addWidget(audio);
    all->addWidget(visual);
    all->addLayout(OkCancelRow(this, cmdOK, cmdCancel));
    connect(cmdOK, &QPushButton::clicked, this, &frmSounds::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSounds::cmdCancel_Click);
    Form_Load();
}

void frmSounds::Form_Load()
{
    const ProgramSettings& s = programSettings();
    for (int i = 0; i < FirstLaterRow; ++i) {
        cmbSound[i]->clear();
        cmbSound[i]->addItems({QStringLiteral("None"), QStringLiteral("Beep"), QStringLiteral("Custom")});
    }
    chkNotice->setChecked(s.gint5MinNotice == 1);
    chkNotifyEndOfSession->setChecked(s.gintNotifyEndOfSession == 1);
    for (int i = 0; i < SoundEventCount; ++i) {
        txtFile[i]->setText(s.gtypSounds[i].FileName);
        cmbSound[i]->setCurrentIndex(static_cast<int>(ShownSoundKind(s.gtypSounds[i].Kind)));
        // A row already at the position raises no change of its own.
        cmbSound_Click(i);
    }
}

void frmSounds::cmbSound_Click(int Index)
{
    const bool custom = cmbSound[Index]->currentIndex() == SoundRecord::WaveFile;
    txtFile[Index]->setEnabled(custom);
    lblFile[Index]->setEnabled(custom);
    cmdBrowse[Index]->setEnabled(custom);
}

void frmSounds::cmdBrowse_Click(int Index)
{
    const QString current = txtFile[Index]->text();
    const QString folder = current.isEmpty() ? AppPaths::dataFolder() : QFileInfo(current).absolutePath();
    const QString name = current.isEmpty() ? QString() : QFileInfo(current).fileName();
    if (const std::optional<QString> chosen
        = prompter().openFileName(QStringLiteral("Wave Files (*.wav)"), name, folder))
        txtFile[Index]->setText(*chosen);
}

void frmSounds::cmdTest_Click(int Index) { TestPlaySound(Index); }

SoundRecord frmSounds::shownSound(int Index) const
{
    SoundRecord sound;
    sound.Kind = cmbSound[Index]->currentIndex();
    sound.FileName = txtFile[Index]->text();
    return sound;
}

void frmSounds::TestPlaySound(int intIndex)
{
    const SoundRecord sound = shownSound(intIndex);
    if (sound.Kind != SoundRecord::None)
        soundPlayer().play(intIndex, sound);
}

void frmSounds::cmdOK_Click()
{
    SoundOptions options;
    options.Notice = chkNotice->isChecked() ? 1 : 0;
    options.NotifyEndOfSession = chkNotifyEndOfSession->isChecked() ? 1 : 0;
    for (int i = 0; i < SoundEventCount; ++i)
        options.Sounds[i] = shownSound(i);
    StoreSoundOptions(programSettings(), options);
    accept();
}

void frmSounds::cmdCancel_Click() { reject(); }
