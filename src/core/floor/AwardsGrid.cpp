#include "core/floor/AwardsGrid.h"

#include "core/store/OpenTournament.h"
#include "core/store/PlainNumberText.h"

QList<QStringList> AwardsGridRows(const OpenTournament& t, bool UnawardedOnly)
{
    QList<QStringList> rows;
    for (long i = 1; i <= t.gintAwardCount(); ++i) {
        const AwardRecord& a = t.gtypAwards[i];
        if (UnawardedOnly && a.AwardedToPlayerID != 0)
            continue;
        rows << QStringList {
            QString::number(a.AwardID), QString::number(a.IsBounty), QString::number(a.BountyPlayerID),   a.Description,
            PlainNumberText(a.Payout),  PlainNumberText(a.Points),   QString::number(a.AwardedToPlayerID)};
    }
    return rows;
}
