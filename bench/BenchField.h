#pragma once

// The tournament the floor benchmarks run on.

#include "core/platform/Database.h"
#include "core/store/OpenTournament.h"
#include "core/store/TournamentChange.h"
#include "core/store/TournamentStore.h"

#include <QString>

// Makes t a saved tournament of a league of its own: `entrants` players who
// paid a buy-in of 50, tables of 10, ten places paid. With seatedWithBounties
// each player sits at his table and seat in order and has a bounty on him.
inline void AddBenchField(Database& db, OpenTournament& t, int entrants, bool seatedWithBounties)
{
    db.execute(QStringLiteral("INSERT INTO tblLeague (LeagueName) VALUES ('Bench')"));
    t.glngCurrentLeagueID = Long(db.lastInsertId());
    t.gstrTournamentName = QStringLiteral("Benchmark");
    t.gintPlayersPerTable = 10;
    t.gdblBuyin = 50;
    t.gintBlindsLevel = 1;
    t.gintAutoDoubleBlind = 2;
    t.gintPayAsPercentages = 1;
    t.gintNumberPaid = 10;
    t.ResetLevels();
    t.RedimPayouts();
    for (long k = 1; k <= 10; ++k)
        t.gdblPayout[k] = 10;
    SaveTournament(db, t, true);
    ChangeTournament(db, t, [&](OpenTournament& c) {
        for (int i = 1; i <= entrants; ++i) {
            const QString name = QStringLiteral("Player %1").arg(i, 3, 10, QLatin1Char('0'));
            db.execute(QStringLiteral("INSERT INTO tblPlayer (PlayerName) VALUES (?)"), {name});
            PlayerRecord& p = c.gtypPlayers.append();
            p.PlayerName = name;
            p.PlayerID = Long(db.lastInsertId());
            p.TotalBuyin = 50;
            if (seatedWithBounties) {
                p.Table = Integer((i - 1) / 10 + 1);
                p.Seat = Integer((i - 1) % 10 + 1);
                AwardRecord& bounty = c.gtypAwards.append();
                bounty.IsBounty = 1;
                bounty.BountyPlayerID = p.PlayerID;
                bounty.Description = QStringLiteral("Bounty on ") + name;
                bounty.Payout = 10;
            }
            SaveTournamentPlayer(db, c, Integer(c.gtypPlayers.upper()));
        }
        SaveTournament(db, c, false);
    });
}
