#include "RecordingSoundPlayer.h"
#include "core/store/PlayEventSound.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SoundRecord.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(EventSounds, ChoiceByKindFileAndSoundCard)
{
    QTemporaryDir dir;
    const QString wave = dir.filePath(QStringLiteral("horn.wav"));
    QFile file(wave);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("RIFF");
    file.close();
    struct Case {
        Long kind;
        QString file;
        bool audio;
        SoundChoice expected;
    };
    const Case cases[] = {
        {SoundRecord::None, wave, true, SoundChoice::Nothing},
        {SoundRecord::Beep, QString(), true, SoundChoice::Beep},
        {SoundRecord::Beep, QString(), false, SoundChoice::Beep},
        {SoundRecord::WaveFile, wave, true, SoundChoice::WaveFile},
        {SoundRecord::WaveFile, wave, false, SoundChoice::Beep}, // no sound card
        {SoundRecord::WaveFile, dir.filePath(QStringLiteral("gone.wav")), true, SoundChoice::Beep},
        {SoundRecord::WaveFile, QString(), true, SoundChoice::Beep},
        {SoundRecord::WaveFile, dir.path(), true, SoundChoice::Beep}, // a folder
        {7, wave, true, SoundChoice::Nothing},
    };
    for (const Case& c : cases) {
        SoundRecord s;
        s.Kind = c.kind;
        s.FileName = c.file;
        EXPECT_EQ(ChooseSound(s, c.audio), c.expected) << c.kind << " " << c.file.toStdString();
    }
}

TEST(EventSounds, OnlyEventsZeroToElevenPlay)
{
    RecordingSoundPlayer player;
    ProgramSettings settings;
    for (int event : {-1, 0, 11, 12})
        PlayEventSound(settings, event);
    EXPECT_EQ(player.played, (std::vector<int> {0, 11}));
}
