#include "core/store/LeaguePlayers.h"

#include "core/platform/Database.h"
#include "core/store/Nz.h"

PlayerDetails ReadPlayerDetails(Database& db, Long PlayerID)
{
    Recordset rs = db.query(QStringLiteral("SELECT * FROM tblPlayer WHERE PlayerID = ?"), {PlayerID});
    if (rs.eof())
        throw DatabaseError(QStringLiteral("The player with the number %1 does not exist.").arg(PlayerID));
    PlayerDetails player;
    player.PlayerName = NzString(rs.value(QStringLiteral("PlayerName")));
    for (std::size_t i = 0; i < PlayerDetailColumns.size(); ++i)
        player.Details[i] = NzString(rs.value(QString::fromLatin1(PlayerDetailColumns[i])));
    return player;
}

void UpdatePlayerDetails(Database& db, Long PlayerID, const PlayerDetails& stored, const PlayerDetails& edited)
{
    QStringList assignments;
    QVariantList values;
    const auto changed = [&](const char* column, const QString& before, const QString& after) {
        if (after == before)
            return;
        assignments << QStringLiteral("%1 = ?").arg(QLatin1String(column));
        values << after;
    };
    changed("PlayerName", stored.PlayerName, edited.PlayerName);
    for (std::size_t i = 0; i < PlayerDetailColumns.size(); ++i)
        changed(PlayerDetailColumns[i], stored.Details[i], edited.Details[i]);
    if (assignments.isEmpty())
        return;
    values << PlayerID;
    db.execute(QStringLiteral("UPDATE tblPlayer SET %1 WHERE PlayerID = ?").arg(assignments.join(QStringLiteral(", "))),
               values);
}

Long AddNewPlayer(Database& db, Long LeagueID, const PlayerDetails& player)
{
    Transaction transaction(db);
    QStringList columns {QStringLiteral("PlayerName")};
    QVariantList values {player.PlayerName};
    for (std::size_t i = 0; i < PlayerDetailColumns.size(); ++i) {
        columns << QString::fromLatin1(PlayerDetailColumns[i]);
        values << player.Details[i];
    }
    const QStringList marks(columns.size(), QStringLiteral("?"));
    db.execute(QStringLiteral("INSERT INTO tblPlayer (%1) VALUES (%2)").arg(columns.join(u','), marks.join(u',')),
               values);
    const Long id = static_cast<Long>(db.lastInsertId());
    AddLeagueMember(db, LeagueID, id);
    transaction.commit();
    return id;
}

void AddLeagueMember(Database& db, Long LeagueID, Long PlayerID)
{
    db.execute(QStringLiteral("INSERT INTO tblLeagueXPlayer (LeagueID, PlayerID) VALUES (?, ?)"), {LeagueID, PlayerID});
}

void RemovePlayerFromLeague(Database& db, Long LeagueID, Long PlayerID)
{
    db.execute(QStringLiteral("DELETE FROM tblLeagueXPlayer WHERE LeagueID = ? AND PlayerID = ?"),
               {LeagueID, PlayerID});
}

int FindNamePrefix(const QStringList& names, const QString& prefix)
{
    if (prefix.isEmpty())
        return -1;
    for (int i = 0; i < names.size(); ++i)
        if (names[i].startsWith(prefix, Qt::CaseInsensitive))
            return i;
    return -1;
}
