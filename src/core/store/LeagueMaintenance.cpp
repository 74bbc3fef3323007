#include "core/store/LeagueMaintenance.h"

#include "core/platform/Database.h"
#include "core/store/OpenTournament.h"

namespace {

// The tables that hang on a tournament by its TournamentID.
const char* const TournamentChildTables[] = {"tblTournamentXPlayer", "tblAward", "tblLevel", "tblPayout"};

} // namespace

void DeleteLeague(Database& db, Long LeagueID)
{
    Transaction transaction(db);
    for (const char* table : TournamentChildTables)
        db.execute(QStringLiteral("DELETE FROM %1 WHERE TournamentID IN (SELECT TournamentID FROM tblTournament "
                                  "WHERE LeagueID = ?)")
                       .arg(QLatin1String(table)),
                   {LeagueID});
    db.execute(QStringLiteral("DELETE FROM tblLeagueXPlayer WHERE LeagueID = ?"), {LeagueID});
    db.execute(QStringLiteral("DELETE FROM tblTournament WHERE LeagueID = ?"), {LeagueID});
    db.execute(QStringLiteral("DELETE FROM tblLeague WHERE LeagueID = ?"), {LeagueID});
    transaction.commit();
}

void RenameLeague(Database& db, OpenTournament& t, Long LeagueID, const QString& NewName)
{
    db.execute(QStringLiteral("UPDATE tblLeague SET LeagueName = ? WHERE LeagueID = ?"), {NewName, LeagueID});
    if (t.glngCurrentLeagueID == LeagueID)
        t.gstrCurrentLeagueName = NewName;
}

void DeleteTournament(Database& db, Long TournamentID)
{
    Transaction transaction(db);
    for (const char* table : TournamentChildTables)
        db.execute(QStringLiteral("DELETE FROM %1 WHERE TournamentID = ?").arg(QLatin1String(table)), {TournamentID});
    db.execute(QStringLiteral("DELETE FROM tblTournament WHERE TournamentID = ?"), {TournamentID});
    transaction.commit();
}

void RenameTournament(Database& db, OpenTournament& t, Long TournamentID, const QString& NewName)
{
    db.execute(QStringLiteral("UPDATE tblTournament SET TournamentName = ? WHERE TournamentID = ?"),
               {NewName, TournamentID});
    if (t.glngCurrentTournamentID == TournamentID)
        t.gstrTournamentName = NewName;
}

// VACUUM writes the whole file anew through the rollback journal, so a
// failure part-way leaves the old file whole.
void CompactDatabase(Database& db) { db.execute(QStringLiteral("VACUUM")); }
