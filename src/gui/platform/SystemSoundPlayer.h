#pragma once

#include "core/platform/SoundPlayer.h"

#include <QHash>
#include <QObject>

class QSoundEffect;
class QUrl;

// Plays the program's sounds through the sound card: wave files through one
// kept sound effect per file, a beep as our own short tone. Without a sound
// card the beep is the platform's, and a wave file beeps too. Nothing waits
// for a sound to end, and nothing is reported.
class SystemSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit SystemSoundPlayer(QObject* parent = nullptr);

    void play(int event, const SoundRecord& sound) override;

private:
    void beep();
    void playUrl(const QUrl& url);
    void beepInstead(const QUrl& url);

    QHash<QString, QSoundEffect*> mEffects;
};
