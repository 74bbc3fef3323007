#pragma once

#include "core/platform/ModelTypes.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class Database;

// One league member's totals over a chosen set of the league's tournaments.
struct MemberStats {
    Long PlayerID = 0;
    QString Name;
    int Tourn = 0; // entries
    double FinishSum = 0;
    double BuyinSum = 0; // buy-in, rebuys and add-ons; the house fee is not counted
    double PaySum = 0;
    double PointsSum = 0;
    double KillsSum = 0;
    std::array<int, 10> Place {}; // how often he finished 1st .. 10th
};

inline constexpr int StatsColumnCount = 20;

// The totals of every member of the league, members by name, over those of
// the given tournaments that belong to the league (others are ignored).
// Entries of players who are no longer members count for nobody; rebuy,
// add-on, points and kills that are not numbers count as 0.
std::vector<MemberStats> LeagueStats(Database& db, Long LeagueID, const QList<Long>& TournamentIDs);

// The statistics grid's header texts; every money column names the currency.
QStringList StatsHeaders(const QString& CurrencySymbol);
// The column widths (twips), given what each column needs to show all its
// figures whole: the designed widths, widened where the figures need more.
// The names keep theirs (a long name ends in an ellipsis); figures are
// never cut, so amounts of millions widen their columns.
std::array<int, StatsColumnCount> StatsColumnWidths(const std::array<int, StatsColumnCount>& FiguresNeed);

// The cell texts of one member's row, column 0 the name.
QStringList StatsRowTexts(const MemberStats& member);

// The number a column's cell stands for, unrounded (what a sort orders by).
double StatsColumnValue(const MemberStats& member, int column);

// Sorts the members by one column, stably: column 0 by name, the others by
// their numbers, not by the rounded texts.
void SortStats(std::vector<MemberStats>& members, int column, bool ascending);
