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
