#pragma once

#include "core/platform/ModelTypes.h"
#include "core/store/BoundedArray.h"
#include "core/store/SoundRecord.h"

#include <QString>
#include <QVariant>
#include <array>

inline constexpr int RotationPhaseCount = 4; // before the start, play, break, fewer than two left
inline constexpr int ScreenCount = 16;
using RotationTable = std::array<std::array<Integer, ScreenCount>, RotationPhaseCount>;

// The director's preferences from Defaults.ini: display, sounds, level
// generator and screen rotation. Read once at start-up by LoadSettings; the
// dialogs that change a setting update it here and write its key back. Kept
// apart from the open tournament, which never touches it. The program
// reaches its instance through programSettings(), tests make their own.
class ProgramSettings {
public:
    ProgramSettings();

    // Display
    Integer gintRotateScreens = 0; // 1 = the information screens rotate
    Integer gintTutorial = 0; // 1 = show the tutorial on a new tournament
    Long glngPlayerDisplay = 0; // 0 = players grid in two columns, 1 = one
    Integer gintDisplayPointsInGrid = 0;
    Integer gint5MinNotice = 0;
    Integer gintNotifyEndOfSession = 0;
    Integer gintShowChipsAndPayouts = 0;
    QString gstrCurrencySymbol;
    QString gstrCommaSeparator; // numeric text; 1 = thousands separators
    QVariant gvarMainBGColor; // colour number, as the text read
    QVariant gvarRotatingBGColor;
    Integer gintFullScreen = 0;
    Integer gintAutoScroll = 0;
    Integer gintTrackKills = 0;
    Integer gintTableID = 0; // 1 = tables named by letters
    Integer gintSeatID = 0; // 1 = seats named by letters
    Integer gintHandTimer = 0; // minutes

    // Sounds, indexed by SoundEvent 0..11
    BoundedArray<SoundRecord> gtypSounds;

    // Level generator
    Integer gintTADoubleBlinds = 0;
    Integer gintTANumSafetySessions = 0;
    Integer gintTARoundSessionTimeTo = 0;
    double gdblTAEndBlindonBigPercentage = 0;
    double gdblTAStartBlindonBigPercentage = 0;
    Integer gintTAFactorSmallestChipIn = 0;

    // Screen rotation, [phase][screen]; 1 = the screen rotates in that phase
    RotationTable gintDefaultRotation {}; // the built-in rotation
    RotationTable gintRotationMatrix {};
    Integer gintSecondsForRotation = 0;

    // Money amounts: gstrCurrencySymbol followed by "#,##0" or "##0"
    QString gstrMoneyFormat;

    // Read at the home window's first activation, not by LoadSettings.
    Integer gintUseProxy = 0; // 1 = the web service goes through the proxy
};

// Reads every start-up key of Defaults.ini, in its order, into the settings.
// A missing file or key gives the key's default, and so does a value that
// does not read as the member's type.
void LoadSettings(ProgramSettings& settings);

// The built-in screen rotation.
RotationTable DefaultRotation();

// The settings key of a rotation cell, e.g. "ScreensToRotate2-9".
QString RotationKey(int phase, int screen);

// The program's settings.
ProgramSettings& programSettings();
