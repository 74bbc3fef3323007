#include "core/floor/AwardsGrid.h"

#include "core/store/OpenTournament.h"
#include "core/store/PlainNumberText.h"

QList<long> AwardsGridIndexes(const OpenTournament& t, bool UnawardedOnly)
{
    QList<long> indexes;
    for (long i = 1; i <= t.gintAwardCount(); ++i)
        if (!UnawardedOnly || t.gtypAwards[i].AwardedToPlayerID == 0)
            indexes.append(i);
    return indexes;
}

QList<QStringList> AwardsGridRows(const OpenTournament& t, bool UnawardedOnly)
{
    QList<QStringList> rows;
    for (const long i : AwardsGridIndexes(t, UnawardedOnly)) {
        const AwardRecord& a = t.gtypAwards[i];
        rows << QStringList {
            QString::number(a.AwardID), QString::number(a.IsBounty), QString::number(a.BountyPlayerID),   a.Description,
            AmountText(a.Payout),       PlainNumberText(a.Points),   QString::number(a.AwardedToPlayerID)};
    }
    return rows;
}
