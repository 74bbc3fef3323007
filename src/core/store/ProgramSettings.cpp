#include "core/store/ProgramSettings.h"

#include "core/platform/AppPaths.h"
#include "core/store/MoneyFormat.h"
#include "core/store/SettingsFile.h"
#include "core/store/SettingsKeys.h"

namespace {

Integer displayInteger(const char* key, Integer def)
{
    return ReadIniInteger(QString::fromLatin1(DisplaySection), QString::fromLatin1(key), def);
}

Integer generatorInteger(const char* key, Integer def)
{
    return ReadIniInteger(QString::fromLatin1(LevelGeneratorSection), QString::fromLatin1(key), def);
}

double generatorDouble(const char* key, double def)
{
    return ReadIniDouble(QString::fromLatin1(LevelGeneratorSection), QString::fromLatin1(key), def);
}

// A colour number, kept as the text read.
QVariant displayColour(const char* key)
{
    return QVariant(
        ReadIniNumberText(QString::fromLatin1(DisplaySection), QString::fromLatin1(key), QStringLiteral("0")));
}

SoundRecord readSound(int event, Long defaultKind, const QString& defaultFile = QString())
{
    const QString section = QString::fromLatin1(SoundsSection);
    SoundRecord sound;
    sound.Kind = ReadIniLong(section, QStringLiteral("SoundsToPlay%1").arg(event), defaultKind);
    sound.FileName = ReadIniValue(section, QStringLiteral("CustomSound%1").arg(event), defaultFile);
    return sound;
}

} // namespace

ProgramSettings::ProgramSettings() { gtypSounds.redim(0, SoundEventCount - 1); }

RotationTable DefaultRotation()
{
    RotationTable rotation {};
    for (int screen : {0, 2, 4, 9, 10})
        rotation[0][screen] = 1; // before the start
    for (int screen : {0, 4, 10}) {
        rotation[1][screen] = 1; // during play
        rotation[2][screen] = 1; // during a break
    }
    for (int screen : {0, 3, 12})
        rotation[3][screen] = 1; // fewer than two players left
    return rotation;
}

QString RotationKey(int phase, int screen) { return QStringLiteral("ScreensToRotate%1-%2").arg(phase).arg(screen); }

void LoadSettings(ProgramSettings& s)
{
    const QString display = QString::fromLatin1(DisplaySection);
    s.gintRotateScreens = displayInteger("RotateScreens", 1);
    s.gintTutorial = displayInteger("Tutorial", 1);
    s.glngPlayerDisplay = ReadIniLong(display, QStringLiteral("PlayerDisplay"), 0);
    s.gintDisplayPointsInGrid = displayInteger("DisplayPointsInGrid", 1);
    s.gint5MinNotice = displayInteger("5MinNotice", 1);
    s.gintNotifyEndOfSession = displayInteger("NotifyEndOfSession", 1);
    s.gintShowChipsAndPayouts = displayInteger("ShowChipsAndPayouts", 1);
    s.gstrCurrencySymbol = ReadIniValue(display, QStringLiteral("CurrencySymbol"), QStringLiteral("$"));
    s.gstrCommaSeparator = ReadIniNumberText(display, QStringLiteral("CommaSeparator"), QStringLiteral("1"));
    s.gvarMainBGColor = displayColour("MainBGColor");
    s.gvarRotatingBGColor = displayColour("RotatingBGColor");
    s.gintFullScreen = displayInteger("FullScreen", 0);
    s.gintAutoScroll = displayInteger("AutoScroll", 1);
    s.gintTrackKills = displayInteger("TrackKills", 1);
    s.gintTableID = displayInteger("TableID", 0);
    s.gintSeatID = displayInteger("SeatID", 0);
    s.gintHandTimer = displayInteger("HandTimer", 5);

    // Event 9 follows whatever event 7 was read as, so 7 comes early.
    const QString airhorn = AppPaths::file(QStringLiteral("airhorn.wav"));
    auto& sounds = s.gtypSounds;
    sounds[SoundStartClock] = readSound(SoundStartClock, SoundRecord::WaveFile, airhorn);
    sounds[SoundElimination] = readSound(SoundElimination, SoundRecord::Beep);
    sounds[SoundEndOfLevel] = readSound(SoundEndOfLevel, SoundRecord::WaveFile, airhorn);
    for (int event = SoundFiveMinutesLeft; event <= SoundTenSecondsLeft; ++event)
        sounds[event] = readSound(event, SoundRecord::None);
    sounds[SoundTablesCanBeReduced] = readSound(SoundTablesCanBeReduced, SoundRecord::Beep);
    sounds[SoundStartOfBreak]
        = readSound(SoundStartOfBreak, sounds[SoundEndOfLevel].Kind, sounds[SoundEndOfLevel].FileName);
    sounds[SoundRebuy] = readSound(SoundRebuy, SoundRecord::None);
    sounds[SoundHandTimerElapsed] = readSound(SoundHandTimerElapsed, SoundRecord::Beep);

    s.gintTADoubleBlinds = generatorInteger("TADoubleBlinds", 0);
    s.gintTANumSafetySessions = generatorInteger("TANumSafetySessions", 3);
    s.gintTARoundSessionTimeTo = generatorInteger("TARoundSessionTimeTo", 10);
    s.gdblTAEndBlindonBigPercentage = generatorDouble("TAEndBlindonBigPercentage", 10);
    s.gdblTAStartBlindonBigPercentage = generatorDouble("TAStartBlindonBigPercentage", 2);
    s.gintTAFactorSmallestChipIn = generatorInteger("TAFactorSmallestChipIn", 1);

    s.gintDefaultRotation = DefaultRotation();
    for (int phase = 0; phase < RotationPhaseCount; ++phase) {
        for (int screen = 0; screen < ScreenCount; ++screen) {
            s.gintRotationMatrix[phase][screen]
                = ReadIniInteger(display, RotationKey(phase, screen), s.gintDefaultRotation[phase][screen]);
        }
    }
    s.gintSecondsForRotation = displayInteger("SecondsForRotation", 10);

    s.gstrMoneyFormat = MoneyFormat(s.gstrCurrencySymbol, s.gstrCommaSeparator);
}

ProgramSettings& programSettings()
{
    static ProgramSettings settings;
    return settings;
}
