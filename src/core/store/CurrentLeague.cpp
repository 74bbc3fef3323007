#include "core/store/CurrentLeague.h"

#include "core/platform/Database.h"
#include "core/store/ListItems.h"
#include "core/store/NameCompare.h"
#include "core/store/Nz.h"
#include "core/store/OpenTournament.h"

#include <optional>

namespace {

std::optional<Long> findLeagueByName(Database& db, const QString& name)
{
    for (const ListItem& league : LeagueListItems(db))
        if (SameName(league.Text, name))
            return league.ItemData;
    return std::nullopt;
}

} // namespace

void LoadLeague(Database& db, OpenTournament& tournament, Long LeagueID)
{
    Recordset rs
        = db.query(QStringLiteral("SELECT LeagueID, LeagueName FROM tblLeague WHERE LeagueID = ?"), {LeagueID});
    if (rs.eof())
        throw DatabaseError(QStringLiteral("The league with the number %1 does not exist.").arg(LeagueID));
    const Long id = NzLong(rs.value(QStringLiteral("LeagueID")));
    const QString name = NzString(rs.value(QStringLiteral("LeagueName")));
    tournament.glngCurrentLeagueID = id;
    tournament.gstrCurrentLeagueName = name;
}

void LoadLeague(Long LeagueID) { LoadLeague(gobjDatabase(), openTournament(), LeagueID); }

void CreateLeague(Database& db, OpenTournament& tournament, const QString& NewName, const QString& CopyFromName)
{
    Transaction transaction(db);
    const std::optional<Long> source = CopyFromName.isEmpty() ? std::nullopt : findLeagueByName(db, CopyFromName);
    db.execute(QStringLiteral("INSERT INTO tblLeague (LeagueName) VALUES (?)"), {NewName});
    const Long newID = static_cast<Long>(db.lastInsertId());
    if (source)
        db.execute(QStringLiteral("INSERT INTO tblLeagueXPlayer (LeagueID, PlayerID) "
                                  "SELECT ?, PlayerID FROM tblLeagueXPlayer WHERE LeagueID = ?"),
                   {newID, *source});
    transaction.commit();

    tournament.glngCurrentLeagueID = newID;
    tournament.gstrCurrentLeagueName = NewName;
}

void CreateLeague(const QString& NewName, const QString& CopyFromName)
{
    CreateLeague(gobjDatabase(), openTournament(), NewName, CopyFromName);
}
