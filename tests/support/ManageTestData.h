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

// Two leagues: Monday (Ann and Bob; tournaments Week 1 with both entered and
// Week 2 with Ann) and Friday (Ann; tournament Opener). Each tournament has a
// bounty on Ann that Bob won. The program's database is this one, and the
// open tournament starts empty.
class ManageDatabaseTest : public LeagueDatabaseTest {
protected:
    void SetUp() override
    {
        LeagueDatabaseTest::SetUp();
        setProgramDatabase(&db);
        openTournament() = OpenTournament();
        monday = addLeague(QStringLiteral("Monday"));
        friday = addLeague(QStringLiteral("Friday"));
        ann = addPlayer(QStringLiteral("Ann"), {monday, friday});
        bob = addPlayer(QStringLiteral("Bob"), {monday});
        const std::vector<AwardRecord> bounty {{0, 1, ann, QStringLiteral("Bounty on Ann"), 5, 1, bob}};
        week1 = SaveSampleTournament(db, monday, QStringLiteral("Week 1"), {{ann, "Ann"}, {bob, "Bob"}}, bounty)
                    .glngCurrentTournamentID;
        week2 = SaveSampleTournament(db, monday, QStringLiteral("Week 2"), {{ann, "Ann"}}, bounty)
                    .glngCurrentTournamentID;
        opener = SaveSampleTournament(db, friday, QStringLiteral("Opener"), {{ann, "Ann"}}, bounty)
                     .glngCurrentTournamentID;
    }

    void TearDown() override
    {
        openTournament() = OpenTournament();
        LeagueDatabaseTest::TearDown();
    }

    int count(const QString& sql, const QVariantList& values = {}) { return db.query(sql, values).recordCount(); }

    Long monday = 0, friday = 0, ann = 0, bob = 0, week1 = 0, week2 = 0, opener = 0;
};
