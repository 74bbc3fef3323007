#pragma once

#include "core/floor/Elimination.h"

#include <optional>
#include <vector>

// Asks a question with the players it offers at first and those "Show All
// Players" offers instead.
using AskKillerAmong
    = std::function<KillAnswer(const KillQuestion&, const QList<long>& stillIn, const QList<long>& everyone)>;

// Asks an elimination's questions before anything is stored, by running it
// on a copy of the tournament, so no dialog is open while the rows are
// written. The answers in the order asked, or nothing when cancelled.
std::optional<std::vector<KillAnswer>> AskEliminationQuestions(const OpenTournament& t, long index, bool trackKills,
                                                               const AskKillerAmong& ask);

// Gives the answers again in the order asked; a question past them is
// skipped.
AskKiller ReplayKillAnswers(std::vector<KillAnswer> answers);
