#pragma once

#include "LeagueTestData.h"
#include "core/store/OpenTournament.h"
#include "core/store/TournamentStore.h"

#include <utility>
#include <vector>

// A stored tournament of the league with three levels, two paid places, the
// given awards and the given entrants (key and name), as the program holds it
// once saved.
inline OpenTournament SaveSampleTournament(Database& db, Long league, const QString& name,
                                           const std::vector<std::pair<Long, QString>>& entrants = {},
                                           const std::vector<AwardRecord>& awards = {})
{
    OpenTournament t;
    t.glngCurrentLeagueID = league;
    t.gstrTournamentName = name;
    t.gdblBuyin = 20;
    t.gdblBuyinChipValue = 1500;
    t.RedimLevels(3);
    for (long level = 1; level <= 3; ++level)
        t.gdblLevelBigBlind[level] = 100.0 * level;
    t.gintNumberPaid = 2;
    t.RedimPayouts();
    for (long k = 0; k <= 2; ++k)
        t.gdblPayout[k] = 10.0 * k;
    for (const AwardRecord& award : awards)
        t.gtypAwards.append(award);
    SaveTournament(db, t, true);
    for (const auto& [id, player] : entrants) {
        PlayerRecord& p = t.gtypPlayers.append();
        p.PlayerID = id;
        p.PlayerName = player;
        SaveTournamentPlayer(db, t, t.gintPlayerCount());
    }
    return t;
}

// Makes the next statement of that kind on the table fail, as a damaged or
// locked file would.
inline void FailNext(Database& db, const QString& table, const QString& statement = QStringLiteral("DELETE"))
{
    db.execute(QStringLiteral("CREATE TEMP TRIGGER fail_%1 BEFORE %2 ON %1 BEGIN SELECT RAISE(ABORT, 'disk I/O "
                              "error'); END")
                   .arg(table, statement));
}
