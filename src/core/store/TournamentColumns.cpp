#include "core/store/TournamentColumns.h"

#include "core/platform/Database.h"
#include "core/platform/StoredDate.h"
#include "core/store/Nz.h"
#include "core/store/OpenTournament.h"

#include <QDateTime>
#include <limits>
#include <type_traits>

namespace {

// Why one value cannot be read; ReadColumns names the column.
struct ValueError {
    QString reason;
};

QString shown(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString)
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    return value.toString();
}

// A stored date as a date without a zone (StoredDate.h).
QVariant readDate(const QVariant& stored)
{
    const QDateTime date = DateFromStored(stored);
    if (!date.isValid())
        throw ValueError {shown(stored) + QStringLiteral(" is not a date")};
    return date;
}

QVariant applyRule(ReadRule rule, const QVariant& stored)
{
    const bool isNull = stored.isNull() || !stored.isValid();
    switch (rule) {
    case ReadRule::AsIs:
        if (isNull)
            throw ValueError {QStringLiteral("it holds no value")};
        return stored;
    case ReadRule::NullIsZero:
        return isNull ? QVariant(0) : stored;
    case ReadRule::NullIsNotUsed:
        return isNull ? QVariant(QStringLiteral("Not Used")) : stored;
    case ReadRule::DateOrNull:
        return isNull ? QVariant() : readDate(stored);
    case ReadRule::NzDouble:
        return NzDouble(stored);
    case ReadRule::NzLong:
        return NzLong(stored);
    case ReadRule::NzInteger:
        return static_cast<int>(NzInteger(stored));
    case ReadRule::NzSingle:
        return NzSingle(stored);
    case ReadRule::NzString:
        return NzString(stored);
    case ReadRule::OneIsTrue:
        return NzInteger(stored) == 1;
    }
    return stored;
}

QVariant asWritten(WriteType type, const QVariant& value)
{
    switch (type) {
    case WriteType::Integer:
    case WriteType::Long:
        return value.toLongLong();
    case WriteType::Single:
        return value.toFloat();
    case WriteType::Double:
        return value.toDouble();
    case WriteType::Text:
        return value.toString();
    case WriteType::OneOrZero:
        return value.toBool() ? 1 : 0;
    case WriteType::Date:
    case WriteType::Never:
        break;
    }
    return value;
}

// The rule's result as the member's type; whole numbers round half to even.
template <typename T>
T fromRead(const QVariant& value)
{
    if constexpr (std::is_same_v<T, QVariant>) {
        return value;
    } else if constexpr (std::is_same_v<T, QString>) {
        return value.toString();
    } else if constexpr (std::is_same_v<T, bool>) {
        return value.toBool();
    } else {
        double number = 0;
        if (!ReadsAsNumber(value, &number))
            throw ValueError {shown(value) + QStringLiteral(" is not a number")};
        if (!Fits<T>(number))
            throw ValueError {shown(value) + QStringLiteral(" is out of range")};
        return Narrow<T>(number);
    }
}

template <typename T>
QVariant toVariant(const T& value)
{
    if constexpr (std::is_same_v<T, QVariant>)
        return value;
    else if constexpr (std::is_same_v<T, Integer>)
        return static_cast<int>(value);
    else
        return QVariant::fromValue(value);
}

// A member of the record itself.
template <typename Record, typename T>
ColumnBinding<Record> member(const QString& column, T Record::*field, ReadRule read, WriteType write)
{
    return {column, read, write, [field](const Record& r, long) { return toVariant(r.*field); },
            [field](Record& r, long, const QVariant& v) { r.*field = fromRead<T>(v); }};
}

// The element of a per-row array that the row fills.
template <typename T>
ColumnBinding<OpenTournament> element(const QString& column, BoundedArray<T> OpenTournament::*array, ReadRule read,
                                      WriteType write)
{
    return {column, read, write, [array](const OpenTournament& t, long i) { return toVariant((t.*array)[i]); },
            [array](OpenTournament& t, long i, const QVariant& v) { (t.*array)[i] = fromRead<T>(v); }};
}

// One chip slot, whatever the row.
template <typename T>
ColumnBinding<OpenTournament> slot(const QString& column, BoundedArray<T> OpenTournament::*array, long s, ReadRule read,
                                   WriteType write)
{
    return {column, read, write, [array, s](const OpenTournament& t, long) { return toVariant((t.*array)[s]); },
            [array, s](OpenTournament& t, long, const QVariant& v) { (t.*array)[s] = fromRead<T>(v); }};
}

QString numbered(const char* name, int n) { return QLatin1String(name) + QString::number(n); }

using OT = OpenTournament;
using R = ReadRule;
using W = WriteType;

} // namespace

const TableBinding<OpenTournament>& TournamentColumns()
{
    static const TableBinding<OpenTournament> binding = [] {
        TableBinding<OpenTournament> b {
            QStringLiteral("tblTournament"),
            {
                member("TournamentID", &OT::glngCurrentTournamentID, R::AsIs, W::Never),
                member("TournamentName", &OT::gstrTournamentName, R::AsIs, W::Text),
                member("Big", &OT::gdblBig, R::AsIs, W::Double),
                member("Small", &OT::gdblSmall, R::AsIs, W::Double),
                member("BigRaise", &OT::gdblBigRaise, R::NzLong, W::Double),
                member("SmallRaise", &OT::gdblSmallRaise, R::NzLong, W::Double),
                member("BlindsLevel", &OT::gintBlindsLevel, R::NzLong, W::Integer),
                member("Ante", &OT::gdblAnte, R::NullIsZero, W::Double),
                member("MinutesPerSession", &OT::glngMinutesPerSession, R::AsIs, W::Long),
                member("PlayersPerTable", &OT::gintPlayersPerTable, R::AsIs, W::Integer),
                member("Date", &OT::gvarTournamentDate, R::DateOrNull, W::Date),
                member("Buyin", &OT::gdblBuyin, R::AsIs, W::Double),
                member("AutoDoubleBlind", &OT::gintAutoDoubleBlind, R::AsIs, W::Integer),
                member("PayAsPercentages", &OT::gintPayAsPercentages, R::AsIs, W::Integer),
                member("Numberpaid", &OT::gintNumberPaid, R::AsIs, W::Integer),
                member("roundto", &OT::gintRoundTo, R::AsIs, W::Integer),
                member("AllowRebuys", &OT::gintAllowRebuys, R::NzInteger, W::Integer),
                member("AllowAddons", &OT::gintAllowAddons, R::NzInteger, W::Integer),
                member("BuyinChipValue", &OT::gdblBuyinChipValue, R::NzDouble, W::Double),
                member("RebuyAmount", &OT::gdblRebuyAmount, R::NzDouble, W::Double),
                member("RebuyChipValue", &OT::gdblRebuyChipValue, R::NzDouble, W::Double),
                member("NumberRebuys", &OT::gintNumberRebuys, R::NzInteger, W::Integer),
                member("RebuyUntilLevel", &OT::gintRebuyUntilLevel, R::NzInteger, W::Integer),
                member("AddonAmount", &OT::gdblAddonAmount, R::NzDouble, W::Double),
                member("AddonChipValue", &OT::gdblAddonChipValue, R::NzDouble, W::Double),
                member("NumberAddons", &OT::gintNumberAddons, R::NzInteger, W::Integer),
                member("AddonLevel1", &OT::gintAddonLevel1, R::NzInteger, W::Integer),
                member("AddonLevel2", &OT::gintAddonLevel2, R::NzInteger, W::Integer),
                member("HouseTakeAmount", &OT::gdblHouseTakeAmount, R::NzDouble, W::Double),
                member("NumberLevels", &OT::gdblNumberLevels, R::NzInteger, W::Double),
                member("Rules", &OT::gstrRules, R::NzString, W::Text),
                member("CustomMessage", &OT::gstrCustomMessage, R::NzString, W::Text),
                member("CustomPictureType", &OT::gintCustomPictureType, R::NzInteger, W::Integer),
                member("CustomPictureLocation", &OT::gstrCustomPictureLocation, R::NzString, W::Text),
                member("EstNumberofPlayers", &OT::gintEstNumberofPlayers, R::NzInteger, W::Integer),
                member("EstNumberofRebuys", &OT::gintEstNumberofRebuys, R::NzInteger, W::Integer),
                member("EstNumberofAddons", &OT::gintEstNumberofAddons, R::NzInteger, W::Integer),
                member("EstDurationOfTournament", &OT::gintEstDurationOfTournament, R::NzInteger, W::Integer),
                member("EstTimeForBreaks", &OT::gintEstTimeForBreaks, R::NzInteger, W::Integer),
                member("EstNumberofBreaks", &OT::gintEstNumberofBreaks, R::NzInteger, W::Integer),
                member("NotifyWhenTablesCanBeReduced", &OT::glngNotifyWhenTablesCanBeReduced, R::NzInteger, W::Long),
                member("UseAutoPointsAll", &OT::gintUseAutoPointsAll, R::NzInteger, W::Integer),
                member("UseAutoPointsbyPosition", &OT::gintUseAutoPointsbyPosition, R::NzInteger, W::Integer),
                member("AutoPointsAllPlayers", &OT::gdblAutoPointsAllPlayers, R::NzDouble, W::Double),
                member("AutoPointsByPositionFactor", &OT::gdblAutoPointsByPositionFactor, R::NzDouble, W::Double),
                member("gintAutoBountyType", &OT::gintAutoBountyType, R::NzInteger, W::Long),
                member("gdblAutoBountyDollars", &OT::gdblAutoBountyDollars, R::NzDouble, W::Double),
                member("gdblAutoBountyPoints", &OT::gdblAutoBountyPoints, R::NzDouble, W::Double),
            },
        };
        for (int n = 1; n <= OpenTournament::ChipSlots; ++n) {
            const long s = n - 1;
            b.columns.push_back(
                slot(numbered("StartingChipCount", n), &OT::gintStartingChipCount, s, R::AsIs, W::Integer));
            b.columns.push_back(slot(numbered("ChipAmount", n), &OT::gdblChipAmount, s, R::AsIs, W::Double));
            b.columns.push_back(slot(numbered("ChipColor", n), &OT::gstrChipColor, s, R::NullIsNotUsed, W::Text));
            b.columns.push_back(slot(numbered("ChipPicture", n), &OT::gstrChipPicture, s, R::AsIs, W::Text));
        }
        return b;
    }();
    return binding;
}

const TableBinding<OpenTournament>& LevelInForceColumns()
{
    static const TableBinding<OpenTournament> binding = [] {
        const QStringList moved {QStringLiteral("BlindsLevel"), QStringLiteral("MinutesPerSession"),
                                 QStringLiteral("Small"),       QStringLiteral("Big"),
                                 QStringLiteral("SmallRaise"),  QStringLiteral("BigRaise"),
                                 QStringLiteral("Ante")};
        TableBinding<OpenTournament> b {TournamentColumns().table, {}};
        for (const ColumnBinding<OpenTournament>& c : TournamentColumns().columns)
            if (moved.contains(c.column))
                b.columns.push_back(c);
        return b;
    }();
    return binding;
}

const TableBinding<OpenTournament>& PayoutColumns()
{
    static const TableBinding<OpenTournament> binding {
        QStringLiteral("tblPayout"),
        {
            element("Payout", &OT::gdblPayout, R::AsIs, W::Double),
            element("Points", &OT::gsngPayoutPoints, R::AsIs, W::Single),
            element("Prize", &OT::gstrPayoutPrize, R::AsIs, W::Text),
        },
    };
    return binding;
}

const TableBinding<OpenTournament>& LevelColumns()
{
    static const TableBinding<OpenTournament> binding {
        QStringLiteral("tblLevel"),
        {
            element("Ante", &OT::gdblLevelAnte, R::AsIs, W::Double),
            element("SmallBlind", &OT::gdblLevelSmallBlind, R::NzDouble, W::Double),
            element("BigBlind", &OT::gdblLevelBigBlind, R::NzDouble, W::Double),
            element("SmallRaise", &OT::gdblLevelSmallRaise, R::NzDouble, W::Double),
            element("BigRaise", &OT::gdblLevelBigRaise, R::NzDouble, W::Double),
            element("BreakAfter", &OT::gdblLevelBreakAfter, R::NzInteger, W::Double),
            element("SessionTime", &OT::gintLevelSessionTime, R::NzInteger, W::Integer),
            element("Reminder", &OT::gstrLevelReminder, R::NzString, W::Text),
            element("WaitOnReminder", &OT::gblnLevelWaitOnReminder, R::OneIsTrue, W::OneOrZero),
        }};
    return binding;
}

const TableBinding<AwardRecord>& AwardColumns()
{
    using A = AwardRecord;
    static const TableBinding<AwardRecord> binding {
        QStringLiteral("tblAward"),
        {
            member("AwardID", &A::AwardID, R::AsIs, W::Never),
            member("IsBounty", &A::IsBounty, R::AsIs, W::Integer),
            member("BountyPlayerID", &A::BountyPlayerID, R::AsIs, W::Long),
            member("Description", &A::Description, R::AsIs, W::Text),
            member("Payout", &A::Payout, R::AsIs, W::Double),
            member("Points", &A::Points, R::AsIs, W::Double),
            member("AwardedToPlayerID", &A::AwardedToPlayerID, R::AsIs, W::Long),
        }};
    return binding;
}

const TableBinding<PlayerRecord>& EntrantColumns()
{
    using P = PlayerRecord;
    static const TableBinding<PlayerRecord> binding {
        QStringLiteral("tblTournamentXPlayer"),
        {
            member("PlayerName", &P::PlayerName, R::AsIs, W::Never),
            member("Table", &P::Table, R::AsIs, W::Integer),
            member("Seat", &P::Seat, R::AsIs, W::Integer),
            member("Finish", &P::Finish, R::AsIs, W::Integer),
            member("PlayerID", &P::PlayerID, R::AsIs, W::Long),
            member("Payout", &P::Payout, R::AsIs, W::Double),
            member("Points", &P::Points, R::AsIs, W::Double),
            member("TotalBuyin", &P::TotalBuyin, R::NzDouble, W::Double),
            member("TotalRebuy", &P::TotalRebuy, R::NzDouble, W::Double),
            member("TotalAddon", &P::TotalAddon, R::NzDouble, W::Double),
            member("HouseFee", &P::HouseFee, R::NzDouble, W::Double),
            member("TotalChipValue", &P::TotalChipValue, R::NzDouble, W::Double),
            member("NumRebuys", &P::NumRebuys, R::NzDouble, W::Long),
            member("NumAddons", &P::NumAddons, R::NzDouble, W::Long),
            member("Kills", &P::Kills, R::NzInteger, W::Integer),
            member("EliminatedByPlayerID", &P::EliminatedByPlayerID, R::NzLong, W::Long),
            member("ChipCount", &P::ChipCount, R::NzSingle, W::Single),
        }};
    return binding;
}

template <typename Record>
void ReadColumns(const Recordset& rs, const TableBinding<Record>& binding, Record& record, long index)
{
    ReadColumns(rs, binding, ColumnPositions(rs, binding), record, index);
}

template <typename Record>
std::vector<int> ColumnPositions(const Recordset& rs, const TableBinding<Record>& binding)
{
    std::vector<int> positions;
    positions.reserve(binding.columns.size());
    for (const ColumnBinding<Record>& c : binding.columns)
        positions.push_back(rs.columnIndex(c.column));
    return positions;
}

template <typename Record>
void ReadColumns(const Recordset& rs, const TableBinding<Record>& binding, const std::vector<int>& positions,
                 Record& record, long index)
{
    for (size_t i = 0; i < binding.columns.size(); ++i) {
        const ColumnBinding<Record>& c = binding.columns[i];
        const QVariant stored = rs.value(positions[i]);
        QString reason;
        try {
            c.set(record, index, applyRule(c.read, stored));
            continue;
        } catch (const ValueError& e) {
            reason = e.reason;
        } catch (const OverflowError&) {
            reason = shown(stored) + QStringLiteral(" is out of range");
        }
        throw DatabaseError(
            QStringLiteral("The value of %1 in %2 cannot be read: %3.").arg(c.column, binding.table, reason));
    }
}

template <typename Record>
QStringList WrittenColumns(const TableBinding<Record>& binding)
{
    QStringList columns;
    for (const ColumnBinding<Record>& c : binding.columns)
        if (c.write != WriteType::Never)
            columns << c.column;
    return columns;
}

template <typename Record>
QVariantList WrittenValues(const TableBinding<Record>& binding, const Record& record, long index)
{
    QVariantList values;
    values.reserve(qsizetype(binding.columns.size()));
    for (const ColumnBinding<Record>& c : binding.columns)
        if (c.write != WriteType::Never)
            values << asWritten(c.write, c.get(record, index));
    return values;
}

template <typename Record>
void WriteColumns(Recordset& rs, const TableBinding<Record>& binding, const Record& record, long index)
{
    const QStringList columns = WrittenColumns(binding);
    const QVariantList values = WrittenValues(binding, record, index);
    for (qsizetype i = 0; i < columns.size(); ++i)
        rs.setValue(columns[i], values[i]);
}

template void ReadColumns(const Recordset&, const TableBinding<OpenTournament>&, OpenTournament&, long);
template void ReadColumns(const Recordset&, const TableBinding<AwardRecord>&, AwardRecord&, long);
template void ReadColumns(const Recordset&, const TableBinding<PlayerRecord>&, PlayerRecord&, long);
template std::vector<int> ColumnPositions(const Recordset&, const TableBinding<PlayerRecord>&);
template void ReadColumns(const Recordset&, const TableBinding<PlayerRecord>&, const std::vector<int>&, PlayerRecord&,
                          long);
template void WriteColumns(Recordset&, const TableBinding<OpenTournament>&, const OpenTournament&, long);
template void WriteColumns(Recordset&, const TableBinding<AwardRecord>&, const AwardRecord&, long);
template void WriteColumns(Recordset&, const TableBinding<PlayerRecord>&, const PlayerRecord&, long);
template QStringList WrittenColumns(const TableBinding<OpenTournament>&);
template QStringList WrittenColumns(const TableBinding<AwardRecord>&);
template QStringList WrittenColumns(const TableBinding<PlayerRecord>&);
template QVariantList WrittenValues(const TableBinding<OpenTournament>&, const OpenTournament&, long);
template QVariantList WrittenValues(const TableBinding<AwardRecord>&, const AwardRecord&, long);
template QVariantList WrittenValues(const TableBinding<PlayerRecord>&, const PlayerRecord&, long);
