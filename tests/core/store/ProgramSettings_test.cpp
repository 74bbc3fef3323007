#include "TestSupport.h"
#include "core/platform/AppPaths.h"
#include "core/store/MoneyFormat.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SettingsFile.h"

#include <QFile>

namespace {

class LoadSettingsTest : public DataFolderTest {
protected:
    void writeSettings(const QByteArray& bytes)
    {
        QFile f(AppPaths::settingsFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    ProgramSettings loaded()
    {
        ProgramSettings s;
        LoadSettings(s);
        return s;
    }

    // Every start-up key of Defaults.ini with the given value text.
    static QByteArray everyKey(const QByteArray& value)
    {
        QByteArray file = "[Display]\n";
        for (const char* key :
             {"RotateScreens", "Tutorial", "PlayerDisplay", "DisplayPointsInGrid", "5MinNotice", "NotifyEndOfSession",
              "ShowChipsAndPayouts", "CurrencySymbol", "CommaSeparator", "MainBGColor", "RotatingBGColor", "FullScreen",
              "AutoScroll", "TrackKills", "TableID", "SeatID", "HandTimer", "SecondsForRotation"})
            file += QByteArray(key) + '=' + value + '\n';
        for (int phase = 0; phase < RotationPhaseCount; ++phase) {
            for (int screen = 0; screen < ScreenCount; ++screen)
                file += RotationKey(phase, screen).toLatin1() + '=' + value + '\n';
        }
        file += "[Sounds]\n";
        for (int event = 0; event < SoundEventCount; ++event) {
            file += "SoundsToPlay" + QByteArray::number(event) + '=' + value + '\n';
            file += "CustomSound" + QByteArray::number(event) + '=' + value + '\n';
        }
        file += "[LevelGenerator]\n";
        for (const char* key : {"TADoubleBlinds", "TANumSafetySessions", "TARoundSessionTimeTo",
                                "TAEndBlindonBigPercentage", "TAStartBlindonBigPercentage", "TAFactorSmallestChipIn"})
            file += QByteArray(key) + '=' + value + '\n';
        return file;
    }

    // Every number setting at its default; the text settings are checked by
    // the callers.
    static void expectNumberDefaults(const ProgramSettings& s)
    {
        EXPECT_EQ(s.gintRotateScreens, 1);
        EXPECT_EQ(s.gintTutorial, 1);
        EXPECT_EQ(s.glngPlayerDisplay, 0);
        EXPECT_EQ(s.gintDisplayPointsInGrid, 1);
        EXPECT_EQ(s.gint5MinNotice, 1);
        EXPECT_EQ(s.gintNotifyEndOfSession, 1);
        EXPECT_EQ(s.gintShowChipsAndPayouts, 1);
        EXPECT_EQ(s.gstrCommaSeparator, QStringLiteral("1"));
        EXPECT_EQ(s.gvarMainBGColor.toString(), QStringLiteral("0"));
        EXPECT_EQ(s.gvarRotatingBGColor.toString(), QStringLiteral("0"));
        EXPECT_EQ(s.gintFullScreen, 0);
        EXPECT_EQ(s.gintAutoScroll, 1);
        EXPECT_EQ(s.gintTrackKills, 1);
        EXPECT_EQ(s.gintTableID, 0);
        EXPECT_EQ(s.gintSeatID, 0);
        EXPECT_EQ(s.gintHandTimer, 5);
        const Long kinds[SoundEventCount] = {2, 1, 0, 0, 0, 0, 0, 2, 1, 2, 0, 1};
        for (int event = 0; event < SoundEventCount; ++event)
            EXPECT_EQ(s.gtypSounds[event].Kind, kinds[event]) << "event " << event;
        EXPECT_EQ(s.gintTADoubleBlinds, 0);
        EXPECT_EQ(s.gintTANumSafetySessions, 3);
        EXPECT_EQ(s.gintTARoundSessionTimeTo, 10);
        EXPECT_EQ(s.gdblTAEndBlindonBigPercentage, 10);
        EXPECT_EQ(s.gdblTAStartBlindonBigPercentage, 2);
        EXPECT_EQ(s.gintTAFactorSmallestChipIn, 1);
        EXPECT_EQ(s.gintRotationMatrix, DefaultRotation());
        EXPECT_EQ(s.gintDefaultRotation, DefaultRotation());
        EXPECT_EQ(s.gintSecondsForRotation, 10);
    }

    void expectDefaults(const ProgramSettings& s)
    {
        expectNumberDefaults(s);
        EXPECT_EQ(s.gstrCurrencySymbol, QStringLiteral("$"));
        const QString airhorn = path(QStringLiteral("airhorn.wav"));
        for (int event = 0; event < SoundEventCount; ++event) {
            const bool horn = event == SoundStartClock || event == SoundEndOfLevel || event == SoundStartOfBreak;
            EXPECT_EQ(s.gtypSounds[event].FileName, horn ? airhorn : QString()) << "event " << event;
        }
        EXPECT_EQ(s.gstrMoneyFormat, QStringLiteral("$#,##0"));
        EXPECT_EQ(FormatMoney(1500, s.gstrMoneyFormat), QStringLiteral("$1,500"));
    }
};

} // namespace

TEST(DefaultRotation, ScreensOfEachPhase)
{
    const RotationTable r = DefaultRotation();
    auto screensOf = [&](int phase) {
        std::vector<int> screens;
        for (int screen = 0; screen < ScreenCount; ++screen) {
            if (r[phase][screen] == 1)
                screens.push_back(screen);
            else
                EXPECT_EQ(r[phase][screen], 0);
        }
        return screens;
    };
    EXPECT_EQ(screensOf(0), (std::vector<int> {0, 2, 4, 9, 10}));
    EXPECT_EQ(screensOf(1), (std::vector<int> {0, 4, 10}));
    EXPECT_EQ(screensOf(2), (std::vector<int> {0, 4, 10}));
    EXPECT_EQ(screensOf(3), (std::vector<int> {0, 3, 12}));
    EXPECT_EQ(RotationKey(2, 9), QStringLiteral("ScreensToRotate2-9"));
}

TEST_F(LoadSettingsTest, EveryKeyTakesItsDefaultWithoutAFileOrFromAnEmptyOrGarbageFile)
{
    expectDefaults(loaded());
    writeSettings(QByteArray());
    expectDefaults(loaded());
    const char garbage[] = "\x00\xff\xfe[[]]==\r\r\n\x80garbage=\n[Display\n[Display]\nHandTimer=\xff\xfe\n";
    writeSettings(QByteArray(garbage, sizeof garbage - 1));
    expectDefaults(loaded());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(LoadSettingsTest, ValuesThatAreNoNumbersFallBackToTheKeysDefault)
{
    writeSettings(everyKey("abc"));
    ProgramSettings s = loaded();
    expectNumberDefaults(s);
    // Text settings keep any text.
    EXPECT_EQ(s.gstrCurrencySymbol, QStringLiteral("abc"));
    for (int event = 0; event < SoundEventCount; ++event)
        EXPECT_EQ(s.gtypSounds[event].FileName, QStringLiteral("abc"));
    EXPECT_EQ(s.gstrMoneyFormat, QStringLiteral("abc#,##0"));

    writeSettings(everyKey(""));
    s = loaded();
    expectNumberDefaults(s);
    EXPECT_EQ(s.gstrCurrencySymbol, QString()); // no symbol is a choice
    EXPECT_EQ(s.gtypSounds[SoundStartClock].FileName, QString());

    writeSettings("[Display]\nHandTimer=99999\nSeatID=1.5\nTableID=-2.5\nRotateScreens=1e9\n"
                  "[LevelGenerator]\nTAEndBlindonBigPercentage=12.5\nTAStartBlindonBigPercentage=inf\n");
    s = loaded();
    EXPECT_EQ(s.gintHandTimer, 5); // beyond 16 bits
    EXPECT_EQ(s.gintSeatID, 2); // halves go to even
    EXPECT_EQ(s.gintTableID, -2);
    EXPECT_EQ(s.gintRotateScreens, 1);
    EXPECT_EQ(s.gdblTAEndBlindonBigPercentage, 12.5);
    EXPECT_EQ(s.gdblTAStartBlindonBigPercentage, 2);
}

TEST_F(LoadSettingsTest, StoredValuesAreRead)
{
    writeSettings("[Display]\r\nTutorial=0\r\nPlayerDisplay=1\r\nMainBGColor=-2147483633\r\n"
                  "RotatingBGColor=16711680\r\nHandTimer=3\r\nSecondsForRotation=25\r\n"
                  "[Sounds]\r\nSoundsToPlay3=2\r\nCustomSound3=/home/td/bell.wav\r\n"
                  "[LevelGenerator]\r\nTADoubleBlinds=1\r\nTAEndBlindonBigPercentage=7.5\r\n");
    const ProgramSettings s = loaded();
    EXPECT_EQ(s.gintTutorial, 0);
    EXPECT_EQ(s.glngPlayerDisplay, 1);
    EXPECT_EQ(s.gvarMainBGColor, QVariant(QStringLiteral("-2147483633")));
    EXPECT_EQ(s.gvarRotatingBGColor, QVariant(QStringLiteral("16711680")));
    EXPECT_EQ(s.gintHandTimer, 3);
    EXPECT_EQ(s.gintSecondsForRotation, 25);
    EXPECT_EQ(s.gtypSounds[SoundTwoMinutesLeft].Kind, SoundRecord::WaveFile);
    EXPECT_EQ(s.gtypSounds[SoundTwoMinutesLeft].FileName, QStringLiteral("/home/td/bell.wav"));
    EXPECT_EQ(s.gintTADoubleBlinds, 1);
    EXPECT_EQ(s.gdblTAEndBlindonBigPercentage, 7.5);
}

TEST_F(LoadSettingsTest, StartOfBreakFollowsACustomisedEndOfLevel)
{
    writeSettings("[Sounds]\nSoundsToPlay7=1\n");
    ProgramSettings s = loaded();
    EXPECT_EQ(s.gtypSounds[SoundStartOfBreak].Kind, SoundRecord::Beep);
    EXPECT_EQ(s.gtypSounds[SoundStartOfBreak].FileName, path(QStringLiteral("airhorn.wav")));

    writeSettings("[Sounds]\nCustomSound7=gong.wav\n");
    s = loaded();
    EXPECT_EQ(s.gtypSounds[SoundStartOfBreak].Kind, SoundRecord::WaveFile);
    EXPECT_EQ(s.gtypSounds[SoundStartOfBreak].FileName, QStringLiteral("gong.wav"));

    // Its own keys win.
    writeSettings("[Sounds]\nSoundsToPlay7=1\nSoundsToPlay9=0\nCustomSound9=\n");
    s = loaded();
    EXPECT_EQ(s.gtypSounds[SoundStartOfBreak].Kind, SoundRecord::None);
    EXPECT_EQ(s.gtypSounds[SoundStartOfBreak].FileName, QString());
}

TEST_F(LoadSettingsTest, SomeRotationKeysLeaveTheOthersAtTheBuiltInCells)
{
    writeSettings("[Display]\nScreensToRotate2-9=1\nScreensToRotate0-0=0\nscreenstorotate3-15=1\n");
    const ProgramSettings s = loaded();
    RotationTable expected = DefaultRotation();
    expected[2][9] = 1;
    expected[0][0] = 0;
    expected[3][15] = 1;
    EXPECT_EQ(s.gintRotationMatrix, expected);
    EXPECT_EQ(s.gintDefaultRotation, DefaultRotation());
}

TEST_F(LoadSettingsTest, MoneyFormatFollowsSymbolAndSeparator)
{
    writeSettings("[Display]\nCommaSeparator=0\n");
    ProgramSettings s = loaded();
    EXPECT_EQ(s.gstrMoneyFormat, QStringLiteral("$##0"));
    EXPECT_EQ(FormatMoney(1500, s.gstrMoneyFormat), QStringLiteral("$1500"));

    // A symbol ending in a blank, as the appearance dialog stores it.
    ASSERT_TRUE(WriteIniValue(QStringLiteral("Display"), QStringLiteral("CommaSeparator"), QStringLiteral("1")));
    ASSERT_TRUE(WriteIniValue(QStringLiteral("Display"), QStringLiteral("CurrencySymbol"), QStringLiteral("EUR ")));
    s = loaded();
    EXPECT_EQ(s.gstrCurrencySymbol, QStringLiteral("EUR "));
    EXPECT_EQ(FormatMoney(1500, s.gstrMoneyFormat), QStringLiteral("EUR 1,500"));
}
