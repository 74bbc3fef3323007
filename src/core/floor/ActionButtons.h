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
