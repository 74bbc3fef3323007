#include "gui/platform/SystemSoundPlayer.h"

#include "core/store/PlayEventSound.h"
#include "core/store/SoundRecord.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

bool hasAudioOutput() { return !QMediaDevices::audioOutputs().isEmpty(); }

} // namespace

SystemSoundPlayer::SystemSoundPlayer(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("SystemSoundPlayer"));
}

void SystemSoundPlayer::play(int, const SoundRecord& sound)
{
    switch (ChooseSound(sound, hasAudioOutput())) {
    case SoundChoice::Beep:
        beep();
        break;
    case SoundChoice::WaveFile:
        playUrl(QUrl::fromLocalFile(QFileInfo(sound.FileName).absoluteFilePath()));
        break;
    case SoundChoice::Nothing:
        break;
    }
}

void SystemSoundPlayer::beep()
{
    if (hasAudioOutput())
        playUrl(QUrl(QStringLiteral("qrc:/sounds/beep.wav")));
    else
        QApplication::beep();
}

// A file that turns out not to be a sound it can play beeps instead; our own
// tone never fails so, or the platform's beep is used.
void SystemSoundPlayer::beepInstead(const QUrl& url)
{
    if (url.scheme() == QLatin1String("qrc"))
        QApplication::beep();
    else
        beep();
}

void SystemSoundPlayer::playUrl(const QUrl& url)
{
    QSoundEffect*& effect = mEffects[url.toString()];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(url);
        connect(effect, &QSoundEffect::statusChanged, this, [this, effect, url] {
            if (effect->status() == QSoundEffect::Error)
                beepInstead(url);
        });
    }
    if (effect->status() == QSoundEffect::Error) {
        beepInstead(url);
        return;
    }
    effect->play();
}
