#pragma once

#include "core/display/ClockBand.h"
#include "core/platform/ModelTypes.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <array>

struct SizeSet;

// The standard screen and Summary Style 3: where the clock block, the chip
// column and the top payouts go, and which of them show. The window measures
// its labels (fonts and texts set) and hands their sizes in; everything is in
// twips relative to the window. No place or size comes out below 0, however
// small the window.

inline constexpr int ChipSlotCount = 10;
inline constexpr int TopPayoutCount = 5;
// The room kept clear between texts that may grow, in twips: a gap seen
// from across the room.
inline constexpr int TextGap = 120;

struct MainLabelSizes {
    QSize Level, TimerCap, Timer, BlindsCap, Blinds, ChipValuesCap, PayoutCap;
    std::array<QSize, ChipSlotCount> ChipAmount {};
    std::array<QSize, TopPayoutCount> Place {}, Payout {};
};

struct MainLayoutInput {
    QSize Client; // the window's client area
    int CommandsTop = 0; // the command row's top; 0: none to keep clear of
    const SizeSet* Sizes = nullptr;
    MainLabelSizes Labels;
    Integer LastChipSlot = 0; // the highest chip slot in use
    bool ShowChipsAndPayouts = true;
    std::array<QString, ChipSlotCount> ChipColor {}; // colour names, "Not Used", "Custom Picture"
    // The countdown and the blinds with their fonts' measures; without a
    // measure a text keeps the size of its label.
    BandText Timer, Blinds;
    // Summary Style 3: the blinds caption's size, which the blinds reach for
    // before the chip amounts keep their own; and the chip amounts' size.
    int BlindsCapPoints = 0;
    int ChipAmountPoints = 0;
};

struct Placed {
    QRect Rect;
    bool Visible = false;
};

struct MainLayout {
    Placed Level, TimerCap, Timer, BlindsCap, Blinds, ChipValuesCap, PayoutCap;
    // A chip picture takes its shape's box.
    std::array<Placed, ChipSlotCount> Chip {}, ChipPicture {}, ChipAmount {};
    std::array<Placed, TopPayoutCount> Place {}, Payout {};
    bool GridVisible = true;
    // Every top payout row meant to show ends above the command row; when
    // not, a smaller payout font is wanted.
    bool PayoutsFit = true;
    // Summary Style 3: the width the clock block's labels may take, from
    // their left to a margin before the chips (twips).
    int ClockRoom = 0;
    // Summary Style 3: every chip amount that shows ends inside the window.
    bool ChipAmountsFit = true;
    // The countdown's and the blinds' texts and sizes as placed.
    FittedText TimerText, BlindsText;
};

// The standard screen: the clock band at the top (the countdown at the left
// at its own size, the blinds flush right in the room beside it), chips and top payouts in
// a column at the left (smaller chips and three places beyond six chips).
// Top payout rows that would reach into the command row close up first:
// their caption moves up under the last chip in use and the rows under it.
MainLayout LayoutScreenAll(const MainLayoutInput& in);
// The right edge of the chip and payout column as laid out: the furthest
// right of its shown captions, chips, amounts and payouts; 0 when none shows.
int ChipColumnRight(const MainLayout& l);
// Summary Style 3: the clock block large at the left, bigger chips right of
// the centre; no level, payouts or players grid. The clock block takes the
// room its countdown and the blinds (one amount a line, at their caption's
// size) need before the chips, as far as the chip amounts still end inside
// the window at the readable floor.
MainLayout LayoutScreenBasic(const MainLayoutInput& in);
