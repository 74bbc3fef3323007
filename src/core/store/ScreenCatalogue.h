#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>
#include <array>

// One of the sixteen display screens as the View menu offers it.
struct ScreenEntry {
    Long Id; // the screen's number, 0..15
    const char* Entry; // its View menu entry
    const char* Caption; // menu caption, access-key marker included
    const char* Key; // shortcut, "" for none
    const char* Panel; // the panel shown last, "" when the layout places its own controls
};

inline constexpr Long FirstScreen = 0;
inline constexpr Long LastScreen = 15;

// The screens' numbers, as the settings and the tournament keep them.
inline constexpr Long PlayersScreen = 0;
inline constexpr Long Summary1Screen = 1;
inline constexpr Long BuyinScreen = 2;
inline constexpr Long PayoutsScreen = 3;
inline constexpr Long RulesScreen = 4;
inline constexpr Long CustomMessageScreen = 5;
inline constexpr Long CustomPictureScreen = 6;
inline constexpr Long ManagerReportScreen = 7;
inline constexpr Long Summary3Screen = 8;
inline constexpr Long TablesScreen = 9;
inline constexpr Long Summary2Screen = 10;
inline constexpr Long AwardsScreen = 11;
inline constexpr Long KillsScreen = 12;
inline constexpr Long Summary4Screen = 13;
inline constexpr Long Summary5Screen = 14;
inline constexpr Long ChipCountScreen = 15;

// The screens in View menu order.
const std::array<ScreenEntry, 16>& ScreenCatalogue();

// The screen's entry; screens outside 0..15 give the players screen.
const ScreenEntry& ScreenById(Long Id);

// The View button's caption while the screen shows: "View: " and the menu
// caption, marker and all.
QString ViewButtonCaption(Long Id);

// The screen after this one when the director toggles: after the last
// screen, the first.
Long NextToggleScreen(Long Current);

// Rules and custom message are stored as Qt HTML; anything else is plain
// text.
bool IsStoredRichText(const QString& Text);
