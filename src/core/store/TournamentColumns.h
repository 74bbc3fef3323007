#pragma once

#include "core/platform/ModelTypes.h"
#include "core/store/BoundedArray.h"
#include "core/store/PlayerRecord.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <vector>

class OpenTournament;
class Recordset;

// Which column of the database holds which member of the open tournament,
// how its stored value is read and as what it is written. The loader and the
// savers both walk these lists, so a column is read exactly when it is
// written. Key columns (the tournament's id on child rows, Position,
// LevelNumber, LeagueID) are set by the savers themselves.

// How a stored value becomes the member's value.
enum class ReadRule {
    AsIs, // the column must hold a value
    NullIsZero, // Null gives 0, anything else as is
    NullIsNotUsed, // Null gives "Not Used", anything else as is
    DateOrNull, // a date and time; Null stays Null
    NzDouble,
    NzLong,
    NzInteger,
    NzSingle,
    NzString,
    OneIsTrue, // NzInteger; 1 gives true, any other value false
};

// The type of the value written.
enum class WriteType {
    Integer,
    Long,
    Single,
    Double,
    Text,
    Date, // the value as held (a date and time, or Null)
    OneOrZero, // a flag stored as 1 or 0
    Never, // read only: the database assigns or another table holds it
};

// One column. A member of the record itself ignores the index; an element of
// a per-row array (payouts, levels) takes the row's index; a chip slot is
// fixed.
template <typename Record>
struct ColumnBinding {
    QString column;
    ReadRule read;
    WriteType write;
    std::function<QVariant(const Record&, long index)> get;
    std::function<void(Record&, long index, const QVariant& value)> set;
};

template <typename Record>
struct TableBinding {
    QString table;
    std::vector<ColumnBinding<Record>> columns;
};

// tblTournament: the settings in reading order (TournamentID first), then
// the four chip columns of slots 1 to 10.
const TableBinding<OpenTournament>& TournamentColumns();
// The columns of tblTournament that the level clock moves: the level, its
// length and its blinds.
const TableBinding<OpenTournament>& LevelInForceColumns();
// tblPayout, one row per element 0..gintNumberPaid.
const TableBinding<OpenTournament>& PayoutColumns();
// tblLevel, one row per level 1..gdblNumberLevels.
const TableBinding<OpenTournament>& LevelColumns();
// tblAward, one row per award (AwardID is read, never written).
const TableBinding<AwardRecord>& AwardColumns();
// tblTournamentXPlayer joined with tblPlayer (PlayerName is read, never
// written).
const TableBinding<PlayerRecord>& EntrantColumns();

// Copies the current row of rs into the record (element index of per-row
// arrays). A value missing where the column must hold one, a text that is no
// number or date, or a number beyond the member's range raises DatabaseError
// naming the column and the table.
template <typename Record>
void ReadColumns(const Recordset& rs, const TableBinding<Record>& binding, Record& record, long index = 0);
// The same for many rows of one recordset: positions (ColumnPositions) are
// the binding's columns in rs, looked up once.
template <typename Record>
std::vector<int> ColumnPositions(const Recordset& rs, const TableBinding<Record>& binding);
template <typename Record>
void ReadColumns(const Recordset& rs, const TableBinding<Record>& binding, const std::vector<int>& positions,
                 Record& record, long index = 0);
// Sets every written column of the row being added or edited in rs.
template <typename Record>
void WriteColumns(Recordset& rs, const TableBinding<Record>& binding, const Record& record, long index = 0);
// The written columns in their order, and the record's values for them (as
// WriteColumns writes them), for statements that write rows in a batch.
template <typename Record>
QStringList WrittenColumns(const TableBinding<Record>& binding);
template <typename Record>
QVariantList WrittenValues(const TableBinding<Record>& binding, const Record& record, long index = 0);

extern template void ReadColumns(const Recordset&, const TableBinding<OpenTournament>&, OpenTournament&, long);
extern template void ReadColumns(const Recordset&, const TableBinding<AwardRecord>&, AwardRecord&, long);
extern template void ReadColumns(const Recordset&, const TableBinding<PlayerRecord>&, PlayerRecord&, long);
extern template std::vector<int> ColumnPositions(const Recordset&, const TableBinding<PlayerRecord>&);
extern template void ReadColumns(const Recordset&, const TableBinding<PlayerRecord>&, const std::vector<int>&,
                                 PlayerRecord&, long);
extern template void WriteColumns(Recordset&, const TableBinding<OpenTournament>&, const OpenTournament&, long);
extern template void WriteColumns(Recordset&, const TableBinding<AwardRecord>&, const AwardRecord&, long);
extern template void WriteColumns(Recordset&, const TableBinding<PlayerRecord>&, const PlayerRecord&, long);
extern template QStringList WrittenColumns(const TableBinding<OpenTournament>&);
extern template QStringList WrittenColumns(const TableBinding<AwardRecord>&);
extern template QStringList WrittenColumns(const TableBinding<PlayerRecord>&);
extern template QVariantList WrittenValues(const TableBinding<OpenTournament>&, const OpenTournament&, long);
extern template QVariantList WrittenValues(const TableBinding<AwardRecord>&, const AwardRecord&, long);
extern template QVariantList WrittenValues(const TableBinding<PlayerRecord>&, const PlayerRecord&, long);
