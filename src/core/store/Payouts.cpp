#include "core/store/Payouts.h"

#include "core/store/MoneyFormat.h"
#include "core/store/MoneyRules.h"
#include "core/store/Nz.h"
#include "core/store/OpenTournament.h"
#include "core/store/PlainNumberText.h"

#include <QStringList>
#include <algorithm>

double MoneyTakenIn(const OpenTournament& t)
{
    double takenIn = 0;
    for (const PlayerRecord& p : t.gtypPlayers)
        takenIn += p.TotalBuyin + p.TotalRebuy + p.TotalAddon;
    return takenIn;
}

double AwardsMoney(const OpenTournament& t)
{
    double awards = 0;
    for (const AwardRecord& a : t.gtypAwards)
        awards += a.Payout;
    return awards;
}

double PrizePool(const OpenTournament& t) { return MoneyLess(MoneyTakenIn(t), AwardsMoney(t)); }

namespace {

long paidRows(const OpenTournament& t) { return t.gintNumberPaid < 0 ? -1 : t.gintNumberPaid; }

// The stored setting of every row, the house first; a setting missing for a
// row (fewer rows stored than places paid) counts as 0.
QList<double> storedSettings(const OpenTournament& t)
{
    QList<double> settings;
    for (long k = 0; k <= paidRows(t); ++k)
        settings << t.gdblPayout.value(k);
    return settings;
}

} // namespace

void CalculatePayouts(OpenTournament& t)
{
    const long paid = paidRows(t);
    t.gdblCalculatedPayout.redim(0, paid);
    const QList<double> settings = storedSettings(t);
    const QList<double> amounts = t.gintPayAsPercentages == OpenTournament::PayPercentages
        ? PercentagePayouts(settings, PrizePool(t), t.gintRoundTo)
        : settings;
    for (long k = 0; k <= paid; ++k)
        t.gdblCalculatedPayout[k] = amounts[k];
}

QList<double> PercentagePayouts(const QList<double>& percents, double pool, double unit)
{
    const double step = unit >= 1 ? unit : 1;
    QList<double> amounts(percents.size());
    double remainder = pool;
    for (qsizetype k = percents.size() - 1; k >= 0; --k) {
        amounts[k] = RoundHalfEven(std::max(percents[k], 0.0) / 100.0 * pool / step) * step;
        remainder -= amounts[k];
    }
    // Without a paid place the house row is the only one there is.
    if (amounts.isEmpty())
        return amounts;
    const qsizetype takesRest = percents[0] > 0 || amounts.size() < 2 ? 0 : 1;
    if (PercentTotal(percents) <= 100 && amounts[takesRest] + remainder >= 0) {
        amounts[takesRest] += remainder;
        return amounts;
    }
    // The shares are more than the pool: the better places are paid first.
    double left = pool;
    const auto pay = [&](qsizetype k) {
        amounts[k] = std::clamp(amounts[k], 0.0, std::max(left, 0.0));
        left -= amounts[k];
    };
    for (qsizetype k = 1; k < amounts.size(); ++k)
        pay(k);
    pay(0);
    // What rounding down leaves, as above.
    amounts[takesRest] += std::max(left, 0.0);
    return amounts;
}

double PercentTotal(const QList<double>& percents)
{
    double total = 0;
    for (double p : percents)
        total += std::max(p, 0.0);
    return RoundHalfEven(total * 1e6) / 1e6;
}

QList<long> RowsAboveWholePool(const QList<double>& percents)
{
    QList<long> rows;
    for (qsizetype k = 0; k < percents.size(); ++k)
        if (percents[k] > 100)
            rows << long(k);
    return rows;
}

QString PercentText(double percent) { return PlainNumberText(percent) + QStringLiteral("%"); }

QString PayoutRowName(long k) { return k == 0 ? QStringLiteral("the house") : QStringLiteral("place %1").arg(k); }

namespace {

std::optional<QString> percentagesToMend(const OpenTournament& t)
{
    if (t.gintPayAsPercentages != OpenTournament::PayPercentages)
        return std::nullopt;
    const QList<double> percents = storedSettings(t);
    const double total = PercentTotal(percents);
    if (total <= 100)
        return std::nullopt;
    QStringList alone;
    for (long k : RowsAboveWholePool(percents))
        alone << QStringLiteral("%1 (%2)").arg(PayoutRowName(k), PercentText(percents[k]));
    QString text = QStringLiteral("The payouts of this tournament add up to %1 of the prize pool; the places and "
                                  "the house can take 100% at most.")
                       .arg(PercentText(total));
    if (!alone.isEmpty())
        text += QStringLiteral(" Above 100% on its own: %1.").arg(alone.join(QStringLiteral(", ")));
    text += QStringLiteral("\n\nUntil they are mended on the payouts page of the tournament's settings, the pool "
                           "is paid from place 1 down, the house last, each its percentage for as long as the pool "
                           "lasts.");
    return text;
}

// A whole amount in the money format; one with cents as the Win column shows
// it, which the money format would round, -0.4 even to "$0".
QString winningsText(double amount, const QString& moneyFormat)
{
    return amount == RoundHalfEven(amount) ? FormatMoney(amount, moneyFormat) : PlainNumberText(amount);
}

// Stored before the payouts were kept from going below 0, or changed outside
// the program: told, never changed here, as the director decides what each
// player won.
std::optional<QString> winningsToMend(const OpenTournament& t, const QString& moneyFormat)
{
    QStringList below;
    for (const PlayerRecord& p : t.gtypPlayers)
        if (p.Payout < 0)
            below << QStringLiteral("%1: %2").arg(p.PlayerName, winningsText(p.Payout, moneyFormat));
    if (below.isEmpty())
        return std::nullopt;
    return QStringLiteral("The winnings stored for these players are below 0, which winnings can never be:\n%1\n\n"
                          "Mend each %2.")
        .arg(below.join(u'\n'), MendWinningsHow());
}

} // namespace

std::optional<QString> PayoutsToMend(const OpenTournament& t, const QString& moneyFormat)
{
    QStringList parts;
    for (const std::optional<QString>& part : {percentagesToMend(t), winningsToMend(t, moneyFormat)})
        if (part)
            parts << *part;
    if (parts.isEmpty())
        return std::nullopt;
    return parts.join(QStringLiteral("\n\n"));
}

QString MendWinningsHow()
{
    return QStringLiteral("on the players screen: select the player, click More... and choose Manually Adjust "
                          "Payout/Points..., then type the player's winnings in \"Assign Bounty\"");
}
