#include "core/store/TournamentStore.h"

#include "core/platform/Database.h"
#include "core/store/NameCompare.h"
#include "core/store/Nz.h"
#include "core/store/OpenTournament.h"
#include "core/store/Payouts.h"
#include "core/store/TournamentColumns.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

std::function<void(Integer)>& setLevelHook()
{
    static std::function<void(Integer)> hook;
    return hook;
}

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
    const long count = static_cast<long>(t.gdblNumberLevels);
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
    for (; !rs.eof(); rs.moveNext()) {
        PlayerRecord p;
        ReadColumns(rs, EntrantColumns(), p);
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

// The row of a payout place or a level: found by the tournament and its
// number, added when missing.
void writeNumberedRow(Database& db, const TableBinding<OpenTournament>& binding, const QString& numberColumn, Long id,
                      long number, const OpenTournament& t)
{
    const QVariantList key {id, static_cast<qlonglong>(number)};
    Recordset rs
        = db.openTable(binding.table, QStringLiteral("WHERE TournamentID = ? AND %1 = ?").arg(numberColumn), key);
    if (rs.eof()) {
        rs.addNew();
        rs.setValue(QStringLiteral("TournamentID"), key[0]);
        rs.setValue(numberColumn, key[1]);
    } else {
        rs.edit();
    }
    WriteColumns(rs, binding, t, number);
    rs.update();
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
    // The window's level follows loads of the open tournament only; a
    // tournament loaded as a model for a new one leaves the window alone.
    if (setLevelHook() && &t == &openTournament())
        setLevelHook()(t.gintBlindsLevel);
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

        for (long k = 0; k <= t.gintNumberPaid; ++k)
            writeNumberedRow(db, PayoutColumns(), QStringLiteral("Position"), id, k, t);

        db.execute(QStringLiteral("DELETE FROM tblAward WHERE TournamentID = ?"), {id});
        Recordset awards = db.openTable(QStringLiteral("tblAward"), QStringLiteral("WHERE TournamentID = ?"), {id});
        for (const AwardRecord& award : t.gtypAwards) {
            awards.addNew();
            awards.setValue(QStringLiteral("TournamentID"), id);
            WriteColumns(awards, AwardColumns(), award);
            awards.update();
            awardIds.push_back(NzLong(awards.value(QStringLiteral("AwardID"))));
        }

        const long levels = static_cast<long>(t.gdblNumberLevels);
        for (long level = 1; level <= levels; ++level)
            writeNumberedRow(db, LevelColumns(), QStringLiteral("LevelNumber"), id, level, t);
        transaction.commit();
    });
    // Stored: now the keys may point at the new rows.
    t.glngCurrentTournamentID = id;
    long i = t.gtypAwards.lower();
    for (Long key : awardIds)
        t.gtypAwards[i++].AwardID = key;
}

void SaveTournamentPlayer(Database& db, OpenTournament& t, Integer PlayerIndex)
{
    RaiseAsDatabaseError([&] {
        if (!t.gtypPlayers.contains(PlayerIndex))
            throw DatabaseError(QStringLiteral("There is no entrant number %1 to save.").arg(int(PlayerIndex)));
        const PlayerRecord& p = t.gtypPlayers[PlayerIndex];
        Transaction transaction(db);
        Recordset rs = db.openTable(QStringLiteral("tblTournamentXPlayer"),
                                    QStringLiteral("WHERE PlayerID = ? AND TournamentID = ?"),
                                    {p.PlayerID, t.glngCurrentTournamentID});
        if (rs.eof())
            rs.addNew();
        else
            rs.edit();
        rs.setValue(QStringLiteral("TournamentID"), t.glngCurrentTournamentID);
        WriteColumns(rs, EntrantColumns(), p);
        rs.update();
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

void setSetLevelHook(std::function<void(Integer)> hook) { setLevelHook() = std::move(hook); }
