#include "core/store/TournamentStore.h"

#include "core/platform/Database.h"
#include "core/store/KeyedRowWriter.h"
#include "core/store/NameCompare.h"
#include "core/store/Nz.h"
#include "core/store/OpenTournament.h"
#include "core/store/Payouts.h"
#include "core/store/TournamentColumns.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// ------------------------------------------------------------------ load

void readPayouts(Database& db, OpenTournament& t, Long id)
{
    Recordset rs = db.query(QStringLiteral("SELECT * FROM tblPayout WHERE TournamentID = ? ORDER BY Position"), {id});
    t.RedimPayouts();
    // Rows are taken in their order, whatever their Position; rows beyond
    // the places paid are not read.
    for (long k = 0; k <= t.gintNumberPaid; ++k, rs.moveNext()) {
        if (rs.eof())
            throw DatabaseError(QStringLiteral("The payouts of tournament %1 are incomplete: it pays %2 places, "
                                               "but only %3 payout rows (the house's included) are stored.")
                                    .arg(id)
                                    .arg(t.gintNumberPaid)
                                    .arg(rs.recordCount()));
        ReadColumns(rs, PayoutColumns(), t, k);
    }
}

void readAwards(Database& db, OpenTournament& t, Long id)
{
    Recordset rs = db.query(
        QStringLiteral("SELECT * FROM tblAward WHERE TournamentID = ? ORDER BY Payout, Points, AwardID"), {id});
    t.gtypAwards.redim(1, rs.recordCount());
    for (long i = 1; !rs.eof(); ++i, rs.moveNext())
        ReadColumns(rs, AwardColumns(), t.gtypAwards[i]);
}

void readLevels(Database& db, OpenTournament& t, Long id)
{
    Recordset rs = db.query(QStringLiteral("SELECT * FROM tblLevel WHERE TournamentID = ? ORDER BY LevelNumber"), {id});
    const long count = Clamped<long>(t.gdblNumberLevels);
    if (count <= 0 || count > rs.recordCount()) {
        t.ResetLevels();
        return;
    }
    t.RedimLevels(count);
    for (long level = 1; level <= count; ++level, rs.moveNext())
        ReadColumns(rs, LevelColumns(), t, level);
}

// Ordered by Finish (still playing first), then by name without regard to
// letter case in any alphabet (the engine's NOCASE knows only A to Z).
void readEntrants(Database& db, OpenTournament& t, Long id)
{
    // Only the columns read: the players' addresses and the like stay behind.
    QStringList columns;
    for (const auto& c : EntrantColumns().columns)
        columns << (c.column == QLatin1String("PlayerName") ? QStringLiteral("P.PlayerName")
                                                            : QStringLiteral("TXP.") + QuoteName(c.column));
    Recordset rs = db.query(QStringLiteral("SELECT %1 FROM tblTournamentXPlayer TXP "
                                           "INNER JOIN tblPlayer P ON P.PlayerID = TXP.PlayerID "
                                           "WHERE TXP.TournamentID = ? ORDER BY TXP.Finish, P.PlayerName")
                                .arg(columns.join(QStringLiteral(", "))),
                            {id});
    std::vector<PlayerRecord> entrants;
    entrants.reserve(static_cast<size_t>(rs.recordCount()));
    const std::vector<int> positions = ColumnPositions(rs, EntrantColumns());
    for (; !rs.eof(); rs.moveNext()) {
        PlayerRecord p;
        ReadColumns(rs, EntrantColumns(), positions, p);
        entrants.push_back(std::move(p));
    }
    QStringList names;
    for (const PlayerRecord& p : entrants)
        names << p.PlayerName;
    const NameSortKeys keys(names);
    std::vector<qsizetype> order(entrants.size());
    std::iota(order.begin(), order.end(), qsizetype {0});
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const Integer fa = entrants[static_cast<size_t>(a)].Finish;
        const Integer fb = entrants[static_cast<size_t>(b)].Finish;
        return fa != fb ? fa < fb : keys.compare(a, b) < 0;
    });
    t.gtypPlayers.clear();
    for (const qsizetype i : order)
        t.gtypPlayers.append(std::move(entrants[static_cast<size_t>(i)]));
}

// ------------------------------------------------------------------ save

// The rows of the payout places or levels first..last: each found by the
// tournament and its number, added when missing.
void writeNumberedRows(Database& db, const TableBinding<OpenTournament>& binding, const QString& numberColumn, Long id,
                       long first, long last, const OpenTournament& t)
{
    KeyedRowWriter rows(db, binding.table, {QStringLiteral("TournamentID"), numberColumn}, WrittenColumns(binding));
    for (long number = first; number <= last; ++number)
        rows.write({id, static_cast<qlonglong>(number)}, WrittenValues(binding, t, number));
}

} // namespace

void LoadTournament(Database& db, OpenTournament& t, Long TournamentID, bool PlayersOnly)
{
    // Filled beside the open tournament and put in its place only when the
    // whole load has worked; the copy keeps what a load does not touch (the
    // current league, the run state).
    OpenTournament loaded = t;
    RaiseAsDatabaseError([&] {
        // A players-only load reads none of the tournament's own columns.
        Recordset row = db.query(QStringLiteral("SELECT %1 FROM tblTournament WHERE TournamentID = ?")
                                     .arg(PlayersOnly ? QStringLiteral("TournamentID") : QStringLiteral("*")),
                                 {TournamentID});
        if (row.eof())
            throw DatabaseError(
                QStringLiteral("Tournament %1 cannot be opened: it is not in the database.").arg(TournamentID));
        loaded.ClearTournament(PlayersOnly);
        if (!PlayersOnly) {
            ReadColumns(row, TournamentColumns(), loaded);
            readPayouts(db, loaded, TournamentID);
            readAwards(db, loaded, TournamentID);
            readLevels(db, loaded, TournamentID);
        }
        readEntrants(db, loaded, TournamentID);
        CalculatePayouts(loaded);
    });
    t = std::move(loaded);
}

void SaveTournament(Database& db, OpenTournament& t, bool IsNew)
{
    Long id = t.glngCurrentTournamentID;
    std::vector<Long> awardIds;
    RaiseAsDatabaseError([&] {
        Transaction transaction(db);
        Recordset row = db.openTable(QStringLiteral("tblTournament"), QStringLiteral("WHERE TournamentID = ?"), {id});
        if (IsNew) {
            row.addNew();
            row.setValue(QStringLiteral("LeagueID"), t.glngCurrentLeagueID);
        } else {
            if (row.eof())
                throw DatabaseError(
                    QStringLiteral("Tournament %1 cannot be saved: it is no longer in the database.").arg(id));
            row.edit();
        }
        WriteColumns(row, TournamentColumns(), t);
        row.update();
        if (IsNew)
            id = NzLong(row.value(QStringLiteral("TournamentID")));

        writeNumberedRows(db, PayoutColumns(), QStringLiteral("Position"), id, 0, t.gintNumberPaid, t);

        // The awards are written anew; each row's key is its AwardID.
        db.execute(QStringLiteral("DELETE FROM tblAward WHERE TournamentID = ?"), {id});
        if (!t.gtypAwards.empty()) {
            const QStringList columns = QStringList {QStringLiteral("TournamentID")} + WrittenColumns(AwardColumns());
            Statement insert(db, InsertRowSql(AwardColumns().table, columns));
            for (const AwardRecord& award : t.gtypAwards) {
                insert.execute(QVariantList {id} + WrittenValues(AwardColumns(), award));
                awardIds.push_back(static_cast<Long>(insert.lastInsertId()));
            }
        }

        writeNumberedRows(db, LevelColumns(), QStringLiteral("LevelNumber"), id, 1, Clamped<long>(t.gdblNumberLevels),
                          t);
        transaction.commit();
    });
    // Stored: now the keys may point at the new rows.
    t.glngCurrentTournamentID = id;
    long i = t.gtypAwards.lower();
    for (Long key : awardIds)
        t.gtypAwards[i++].AwardID = key;
}

void SaveLevelInForce(Database& db, const OpenTournament& t)
{
    RaiseAsDatabaseError([&] {
        QStringList assignments;
        for (const QString& column : WrittenColumns(LevelInForceColumns()))
            assignments << QuoteName(column) + QStringLiteral(" = ?");
        db.execute(QStringLiteral("UPDATE tblTournament SET %1 WHERE TournamentID = ?")
                       .arg(assignments.join(QStringLiteral(", "))),
                   WrittenValues(LevelInForceColumns(), t) << t.glngCurrentTournamentID);
    });
}

void SaveTournamentPlayer(Database& db, OpenTournament& t, Integer PlayerIndex)
{
    SaveTournamentPlayers(db, t, {long(PlayerIndex)});
}

void SaveTournamentPlayers(Database& db, const OpenTournament& t, const std::set<long>& PlayerIndexes)
{
    RaiseAsDatabaseError([&] {
        for (const long i : PlayerIndexes)
            if (!t.gtypPlayers.contains(i))
                throw DatabaseError(QStringLiteral("There is no entrant number %1 to save.").arg(i));
        if (PlayerIndexes.empty())
            return;
        const Long id = t.glngCurrentTournamentID;
        Transaction transaction(db);
        KeyedRowWriter rows(db, EntrantColumns().table, {QStringLiteral("PlayerID"), QStringLiteral("TournamentID")},
                            QStringList {QStringLiteral("TournamentID")} + WrittenColumns(EntrantColumns()));
        for (const long i : PlayerIndexes) {
            const PlayerRecord& p = t.gtypPlayers[i];
            rows.write({p.PlayerID, id}, QVariantList {id} + WrittenValues(EntrantColumns(), p));
        }
        transaction.commit();
    });
}

void SaveAward(Database& db, OpenTournament& t, Integer AwardIndex)
{
    RaiseAsDatabaseError([&] {
        if (!t.gtypAwards.contains(AwardIndex))
            throw DatabaseError(QStringLiteral("There is no award number %1 to save.").arg(int(AwardIndex)));
        AwardRecord& award = t.gtypAwards[AwardIndex];
        Transaction transaction(db);
        Recordset rs = db.openTable(QStringLiteral("tblAward"), QStringLiteral("WHERE AwardID = ?"), {award.AwardID});
        if (rs.eof()) {
            rs.addNew();
            rs.setValue(QStringLiteral("TournamentID"), t.glngCurrentTournamentID);
        } else {
            rs.edit();
        }
        WriteColumns(rs, AwardColumns(), award);
        rs.update();
        const Long key = NzLong(rs.value(QStringLiteral("AwardID")));
        transaction.commit();
        award.AwardID = key; // so that the next save edits this row
    });
}

void LoadTournament(Long TournamentID, bool PlayersOnly)
{
    LoadTournament(gobjDatabase(), openTournament(), TournamentID, PlayersOnly);
}

void SaveTournament(bool IsNew) { SaveTournament(gobjDatabase(), openTournament(), IsNew); }

void SaveTournamentPlayer(Integer PlayerIndex) { SaveTournamentPlayer(gobjDatabase(), openTournament(), PlayerIndex); }

void SaveAward(Integer AwardIndex) { SaveAward(gobjDatabase(), openTournament(), AwardIndex); }
