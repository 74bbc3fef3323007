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

void UpdatePlayerDetails(Database& db, Long PlayerID, const PlayerDetails& player)
{
    QString sql = QStringLiteral("UPDATE tblPlayer SET PlayerName = ?");
    QVariantList values {player.PlayerName};
    for (std::size_t i = 0; i < PlayerDetailColumns.size(); ++i) {
        sql += QStringLiteral(", %1 = ?").arg(QLatin1String(PlayerDetailColumns[i]));
        values << player.Details[i];
    }
    values << PlayerID;
    db.execute(sql + QStringLiteral(" WHERE PlayerID = ?"), values);
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
