#include "core/setup/WizardAwards.h"

#include "core/store/MoneyRules.h"
#include "core/store/Nz.h"
#include "core/store/OpenTournament.h"
#include "core/store/Payouts.h"

#include <algorithm>

WizardAwardList::WizardAwardList(const QList<QStringList>& rows)
{
    for (const QStringList& texts : rows) {
        AwardGridRow row;
        for (int c = 0; c < int(row.size()) && c < texts.size(); ++c)
            row[c] = texts[c];
        mRows << row;
    }
}

QList<AwardGridRow> WizardAwardList::GridRows() const
{
    if (!Placeholder())
        return mRows;
    AwardGridRow none;
    none[3] = AwardPlaceholderText();
    return {none};
}

bool WizardAwardList::IsAward(long r) const { return r >= 1 && r <= Count(); }

namespace {

void describe(AwardGridRow& row, const AwardEntry& entry)
{
    row[1] = entry.IsBounty ? QStringLiteral("1") : QStringLiteral("0");
    row[2] = entry.IsBounty ? QString::number(entry.PlayerID) : QStringLiteral("0");
    row[3] = entry.IsBounty ? QStringLiteral("Bounty on ") + entry.PlayerName : entry.Description;
    row[4] = entry.Dollars;
    row[5] = entry.Points;
}

} // namespace

long WizardAwardList::Add(const AwardEntry& entry)
{
    AwardGridRow row;
    row[0] = QStringLiteral("0");
    describe(row, entry);
    row[6] = QStringLiteral("0");
    mRows << row;
    return Count();
}

void WizardAwardList::Edit(long r, const AwardEntry& entry)
{
    if (IsAward(r))
        describe(mRows[r - 1], entry);
}

void WizardAwardList::Delete(long r)
{
    if (IsAward(r))
        mRows.removeAt(r - 1);
}

QStringList WizardAwardList::Payouts() const
{
    QStringList payouts;
    for (const AwardGridRow& row : mRows)
        payouts << row[4];
    return payouts;
}

namespace {

// Winnings come out of the prize pool; a negative amount would add to it.
// Points may be a penalty.
std::optional<AwardFault> refuseNegativeWinnings(double dollars)
{
    if (auto message = RefuseNegative(dollars, QStringLiteral("Player winnings")))
        return AwardFault {*message, AwardFocus::Dollars};
    return std::nullopt;
}

} // namespace

std::optional<AwardFault> ValidateAward(const AwardEntry& entry, bool playerChosen,
                                        const QStringList& otherBountyPlayers)
{
    if (entry.IsBounty) {
        if (!playerChosen)
            return AwardFault {QStringLiteral("Please select a player."), AwardFocus::Player};
        if (otherBountyPlayers.contains(QString::number(entry.PlayerID)))
            return AwardFault {QStringLiteral("The player you selected already has a bounty.  You cannot assign "
                                              "more than one bounty to a player."),
                               AwardFocus::None};
    } else if (entry.Description.trimmed().isEmpty()) {
        return AwardFault {QStringLiteral("Please specify a description."), AwardFocus::Description};
    }
    double dollars = 0;
    if (!ReadsAsNumber(QVariant(entry.Dollars), &dollars))
        return AwardFault {QStringLiteral("Award dollars must be numeric.  Use 0 for none."), AwardFocus::Dollars};
    if (auto fault = refuseNegativeWinnings(dollars))
        return fault;
    if (auto tooLarge = RefuseTooLarge<Money>(dollars, QStringLiteral("Player winnings")))
        return AwardFault {*tooLarge, AwardFocus::Dollars};
    double points = 0;
    if (!ReadsAsNumber(QVariant(entry.Points), &points))
        return AwardFault {QStringLiteral("Award points must be numeric.  Use 0 for none."), AwardFocus::Points};
    if (auto tooLarge = RefuseTooLarge<Count>(points, QStringLiteral("Player points")))
        return AwardFault {*tooLarge, AwardFocus::Points};
    return std::nullopt;
}

std::optional<AwardFault> AwardsPastCeiling(const AwardEntry& entry, double otherAwards)
{
    const double awards = MoneyPlus(otherAwards, std::max(NzDouble(entry.Dollars), 0.0));
    if (auto refused = RefuseSumPastCeiling(awards, QStringLiteral("This award"), QStringLiteral("the awards total")))
        return AwardFault {*refused, AwardFocus::Dollars};
    return std::nullopt;
}

MoneyClaims AwardClaims(const WizardAwardList& awards, long editedRow, const WizardMoney& boxes,
                        const OpenTournament& t)
{
    MoneyClaims c;
    QStringList others = awards.Payouts();
    if (awards.IsAward(editedRow))
        c.Before = NzDouble(others.takeAt(editedRow - 1));
    const bool entered = t.gintPlayerCount() > 0;
    const double players = boxes.Estimates.Players;
    const int automatic = entered ? 0 : boxes.BountyAllChoice;
    c.Others = AwardsTotal(others, automatic, boxes.BountyAllDollars, players);
    if (automatic == 2 && ReadsAsNumber(boxes.BountyAllDollars)) {
        c.AutoBounty = NzDouble(boxes.BountyAllDollars);
        c.AutoPlayers = players;
    }
    c.TakenIn = entered ? MoneyTakenIn(t) : EstimatedTakenIn(boxes.Estimates);
    c.Estimated = !entered;
    c.PayoutKind = boxes.PayoutKind;
    if (c.PayoutKind == OpenTournament::PayFixedAmounts)
        for (qsizetype k = 1; k < boxes.Payouts.size(); ++k)
            c.FixedPlaces += NzDouble(boxes.Payouts[k].Payout);
    return c;
}

std::optional<QString> AwardQuestion(MoneyClaims claims, const AwardEntry& entry, const QString& moneyFormat)
{
    claims.Claimed = NzDouble(entry.Dollars);
    return MoneyClaimsText(claims, moneyFormat);
}

std::optional<QString> AutomaticBountyQuestion(const WizardAwardList& awards, const WizardMoney& boxes,
                                               const OpenTournament& t, bool newTourney, const QString& moneyFormat)
{
    MoneyClaims c = AwardClaims(awards, 0, boxes, t);
    c.Claim = MoneyClaim::AutomaticBounty;
    c.Claimed = c.AutoBounty * c.AutoPlayers;
    c.Others -= c.Claimed;
    const bool stored = !newTourney && t.gintAutoBountyType == 2;
    c.Before = stored ? t.gdblAutoBountyDollars * c.AutoPlayers : 0;
    return MoneyClaimsText(c, moneyFormat);
}

std::optional<AwardFault> ValidateAdjustment(const QString& dollars, const QString& points)
{
    double amount = 0;
    if (!ReadsAsNumber(QVariant(dollars), &amount))
        return AwardFault {QStringLiteral("Dollars must be numeric."), AwardFocus::Dollars};
    if (auto fault = refuseNegativeWinnings(amount))
        return fault;
    if (auto tooLarge = RefuseTooLarge<Total>(amount, QStringLiteral("Player winnings")))
        return AwardFault {*tooLarge, AwardFocus::Dollars};
    double total = 0;
    if (!ReadsAsNumber(QVariant(points), &total))
        return AwardFault {QStringLiteral("Points must be numeric."), AwardFocus::Points};
    if (auto tooLarge = RefuseTooLarge<Total>(total, QStringLiteral("Player points")))
        return AwardFault {*tooLarge, AwardFocus::Points};
    return std::nullopt;
}

QString SelectAwardToEditMessage() { return QStringLiteral("Please select an award to edit."); }
QString SelectAwardToDeleteMessage() { return QStringLiteral("Please select an award to delete."); }
QString DeleteAwardQuestion() { return QStringLiteral("Are you sure you wish to delete the selected award?"); }
QString DeleteAllAwardsQuestion() { return QStringLiteral("Are you sure you wish to delete all awards and bounties?"); }
QString AwardPlaceholderText() { return QStringLiteral("None"); }
