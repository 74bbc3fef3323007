#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>

class OpenTournament;

// What the player action buttons beside the players grid read and allow for
// one player. Buttons are disabled, never hidden; every caption is set for
// every player, so none is left over from the player shown before.
struct ActionButtonStates {
    QString EliminateCaption;
    bool EliminateEnabled = true;
    QString BuyinCaption;
    bool BuyinEnabled = false;
    bool AddonEnabled = false;
    bool MoreEnabled = true;
    bool AssignSeatEnabled = true; // "Assign this Player a Seat..." of the More menu
    bool EliminateIsDefault = false; // else Buyin is the default button
};

// index: the player, from 1.
ActionButtonStates ActionButtonsFor(const OpenTournament& t, Integer index);

// The top of the action buttons for a selected row that spans rowTop to
// rowBottom (the last pixel line, as the window counts): right under the row,
// or right above it when under it they would reach the command row, whose
// top is commandsTop; never above the window's top.
int ActionButtonsTop(int rowTop, int rowBottom, int buttonsHeight, int commandsTop);
