#pragma once

#include "core/floor/FloorRows.h"
#include "core/platform/ModelTypes.h"

#include <QString>
#include <optional>

class OpenTournament;

// Buy-ins, rebuys and add-ons of one entrant (index from 1). Each adds the
// tournament's amount and chip value, recomputes the payouts and records the
// entrant's row, and only when the offer rules (EntryOptions) allow it at
// that moment.

enum class BuyinOutcome { Bought, AlreadyBoughtIn, PoolPastCeiling };
// A second buy-in changes no totals; the payouts are still recomputed and
// the row stored. One that would take the money taken in past what is kept
// to the cent (PoolPastCeiling) changes nothing.
BuyinOutcome BuyinPlayer(OpenTournament& t, long index, FloorRows& rows);
QString AlreadyBoughtInMessage();
// False, and nothing changed, when the rebuy or add-on is not offered now or
// would take the money taken in past what is kept to the cent.
[[nodiscard]] bool RebuyPlayer(OpenTournament& t, long index, FloorRows& rows);
[[nodiscard]] bool AddonPlayer(OpenTournament& t, long index, FloorRows& rows);
// Clears buy-in, rebuys and add-ons and the chips they brought; the house
// fee stays.
void ClearAllBuys(OpenTournament& t, long index, FloorRows& rows);

// Adds (or, un-eliminating, takes back) what the entrant's place earns: the
// place's money and points when it is paid, and the automatic points. Called
// with the place set, so the two calls cancel exactly; winnings taken back
// never go below 0 (MoneyLess). Stores nothing.
void SetPlayerWinnings(OpenTournament& t, long index, bool bUnEliminate);

// The chip count dialog's check of a typed count: a number that a Single
// holds, not below 0; the message when it is not.
std::optional<QString> ChipCountFault(const QString& text);

// How many entrants have a place.
Integer NumberFinished(const OpenTournament& t);

// The first entrant whose name is the text, or ">" followed by it (the seat
// chart marks moved players so); 0 when none. Exact comparison.
long GetPlayerIndexByName(const OpenTournament& t, const QString& strName);
