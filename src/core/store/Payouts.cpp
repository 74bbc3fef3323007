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
    double cents = 0;
    for (const PlayerRecord& p : t.gtypPlayers)
        cents += Cents(p.TotalBuyin) + Cents(p.TotalRebuy) + Cents(p.TotalAddon);
    return cents / 100;
}

double AwardMoney(const OpenTournament& t)
{
    double cents = 0;
    for (const AwardRecord& a : t.gtypAwards)
        cents += Cents(a.Payout);
    return cents / 100;
}

std::optional<QString> PoolPastCeiling(const OpenTournament& t, double amount)
{
    return RefuseSumPastCeiling(MoneyPlus(MoneyTakenIn(t), std::max(amount, 0.0)), QStringLiteral("This entry"),
                                QStringLiteral("the money taken in"));
}

double PrizePool(const OpenTournament& t) { return MoneyLess(MoneyTakenIn(t), AwardMoney(t)); }

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
        t.gdblCalculatedPayout[k] = RoundCents(amounts[k]);
}

namespace {

// A row's share of the pool in rounding units, in cents: as worked out, and
// rounded half to even.
struct Share {
    double Exact = 0;
    double Units = 0;
};

// Shares of more than the pool in all: the better places are paid first,
// the house last, each its share for as long as the pool lasts; what
// rounding down leaves goes to the row that takes the rest.
QList<double> payFromTheTop(const QList<Share>& shares, double pool, double step, qsizetype takesRest)
{
    QList<double> cents(shares.size());
    double left = pool;
    const auto pay = [&](qsizetype k) {
        cents[k] = std::clamp(shares[k].Units * step, 0.0, std::max(left, 0.0));
        left -= cents[k];
    };
    for (qsizetype k = 1; k < shares.size(); ++k)
        pay(k);
    pay(0);
    cents[takesRest] += std::max(left, 0.0);
    return cents;
}

} // namespace

QList<double> PercentagePayouts(const QList<double>& percents, double pool, double unit)
{
    // Worked in whole cents, where every sum is exact.
    const double step = Cents(unit >= 1 ? unit : 1);
    const double whole = Cents(pool);
    QList<Share> shares;
    QList<double> counted;
    for (double p : percents) {
        counted << std::max(p, 0.0);
        const double exact = RoundHalfEven(counted.last() * whole / 100) / step;
        shares.append({exact, RoundHalfEven(exact)});
    }
    QList<double> amounts;
    // Without a paid place the house row is the only one there is.
    if (shares.isEmpty())
        return amounts;
    const qsizetype takesRest = counted[0] > 0 || shares.size() < 2 ? 0 : 1;
    QList<double> cents;
    if (PercentTotal(percents) > 100) {
        cents = payFromTheTop(shares, whole, step, takesRest);
    } else {
        // The row that takes the rest gets the pool less every other row.
        // When that is below 0, or below a place under place 1 whose
        // percentage is no higher, the row rounded up the most gives back a
        // unit (the lower place on a tie, which keeps the places in order),
        // until the rest is enough.
        const auto rest = [&] {
            double left = whole;
            for (qsizetype k = 0; k < shares.size(); ++k)
                if (k != takesRest)
                    left -= shares[k].Units * step;
            return left;
        };
        const auto enough = [&](double left) {
            if (left < 0)
                return false;
            for (qsizetype k = takesRest + 1; takesRest == 1 && k < shares.size(); ++k)
                if (counted[k] <= counted[1] && shares[k].Units * step > left)
                    return false;
            return true;
        };
        while (!enough(rest())) {
            qsizetype most = -1;
            for (qsizetype k = shares.size() - 1; k >= 0; --k)
                if (k != takesRest && shares[k].Units > 0
                    && (most < 0 || shares[k].Units - shares[k].Exact > shares[most].Units - shares[most].Exact))
                    most = k;
            if (most < 0)
                break; // nothing left to give back: a pool below 0
            shares[most].Units -= 1;
        }
        for (const Share& share : shares)
            cents << share.Units * step;
        cents[takesRest] = rest();
    }
    for (double c : cents)
        amounts << c / 100;
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
    const double cents = RoundCents(amount);
    return cents == RoundHalfEven(cents) ? FormatMoney(cents, moneyFormat) : AmountText(cents);
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
