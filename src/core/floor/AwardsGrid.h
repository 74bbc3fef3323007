#pragma once

#include <QList>
#include <QStringList>

class OpenTournament;

// The awards (indexes from 1) the award grids list, in index order: all of
// them, or with UnawardedOnly only those nobody holds.
QList<long> AwardsGridIndexes(const OpenTournament& t, bool UnawardedOnly);

// The award list as the award grids show it: one row per award of
// AwardsGridIndexes; seven texts a row: AwardID, IsBounty, BountyPlayerID,
// Description, Payout, Points, AwardedToPlayerID, numbers in their plain
// text. The first text is how a chosen row leads back to its award.
QList<QStringList> AwardsGridRows(const OpenTournament& t, bool UnawardedOnly);
