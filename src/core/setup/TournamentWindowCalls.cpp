#include "core/setup/TournamentWindowCalls.h"

namespace {

TournamentWindowCalls& registered()
{
    static TournamentWindowCalls calls;
    return calls;
}

void call(const std::function<void()>& f)
{
    if (f)
        f();
}

} // namespace

void setTournamentWindowCalls(TournamentWindowCalls calls) { registered() = std::move(calls); }

const TournamentWindowCalls& tournamentWindowCalls() { return registered(); }

void RunSaveClosingSteps(Integer level, bool newTourney)
{
    const TournamentWindowCalls& w = registered();
    if (w.SetLevel)
        w.SetLevel(level);
    call(w.SetRotatingScreenLocations);
    if (!newTourney)
        return;
    call(w.ResetTourney);
    call(w.ResetTimer);
    call(w.AdjustBreakLabel);
}
