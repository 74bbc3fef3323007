#include "core/store/TournamentChange.h"

#include "core/platform/Database.h"
#include "core/store/OpenTournament.h"

#include <utility>

void ChangeTournament(Database& db, OpenTournament& t, const std::function<void(OpenTournament&)>& change)
{
    OpenTournament copy = t;
    Transaction transaction(db);
    change(copy);
    transaction.commit();
    t = std::move(copy);
}
