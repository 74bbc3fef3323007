#pragma once

#include <QList>
#include <QStringList>

class OpenTournament;

// The award list as the award grids show it: one row per award in index
// order, leaving out the awards someone holds when UnawardedOnly; seven
// texts a row: AwardID, IsBounty, BountyPlayerID, Description, Payout,
// Points, AwardedToPlayerID, numbers in their plain text. The first text is
// how a chosen row leads back to its award.
QList<QStringList> AwardsGridRows(const OpenTournament& t, bool UnawardedOnly);
