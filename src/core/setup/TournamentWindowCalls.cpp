#include "core/setup/TournamentWindowCalls.h"

#include "core/floor/Levels.h"
#include "core/store/OpenTournament.h"

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

void RunSaveClosingSteps(OpenTournament& t, bool newTourney)
{
    const TournamentWindowCalls& w = registered();
    if (w.SetLevel)
        w.SetLevel(t.gintBlindsLevel);
    else
        SetLevel(t, t.gintBlindsLevel);
    call(w.SetRotatingScreenLocations);
    if (!newTourney)
        return;
    if (w.ResetTourney)
        w.ResetTourney();
    else
        ResetTourney(t);
    call(w.ResetTimer);
    call(w.AdjustBreakLabel);
}
