#include "core/floor/EliminationQuestions.h"

#include "core/store/OpenTournament.h"

#include <memory>

std::optional<std::vector<KillAnswer>> AskEliminationQuestions(const OpenTournament& t, long index, bool trackKills,
                                                               const AskKillerAmong& ask)
{
    std::vector<KillAnswer> answers;
    OpenTournament scratch = t;
    FloorRows ignored;
    const EliminationResult trial = EliminatePlayer(
        scratch, index, trackKills,
        [&](const KillQuestion& q) {
            answers.push_back(ask(q, KillCandidates(scratch, q, false), KillCandidates(scratch, q, true)));
            return answers.back();
        },
        ignored);
    if (trial.Outcome == EliminationResult::Cancelled)
        return std::nullopt;
    return answers;
}

AskKiller ReplayKillAnswers(std::vector<KillAnswer> answers)
{
    auto next = std::make_shared<std::size_t>(0);
    return [answers = std::move(answers), next](const KillQuestion&) {
        return *next < answers.size() ? answers[(*next)++] : KillAnswer {KillAnswer::Skipped, 0};
    };
}
