#include "core/store/MoneyRules.h"

#include "core/store/PlainNumberText.h"

#include <algorithm>

std::optional<QString> RefuseNegative(double value, const QString& name)
{
    if (value >= 0)
        return std::nullopt;
    return name + QStringLiteral(" cannot be negative.");
}

std::optional<QString> RefuseSumPastCeiling(double sum, const QString& what, const QString& sumName)
{
    if (!RefuseTooLarge<Total>(sum, sumName))
        return std::nullopt;
    return QStringLiteral("%1 would take %2 past %3, the most that is kept to the cent.  Nothing was entered.")
        .arg(what, sumName, AmountText(Total::Ceiling));
}

double Cents(double amount) { return std::isfinite(amount) ? RoundHalfEven(amount * 100) : 0; }

double RoundCents(double amount) { return Cents(amount) / 100; }

double MoneyPlus(double money, double added) { return (Cents(money) + Cents(added)) / 100; }

double MoneyLess(double money, double taken) { return std::max((Cents(money) - Cents(taken)) / 100, 0.0); }

bool SingleKeeps(double x)
{
    if (!Fits<Single>(x))
        return false;
    const Single single = Narrow<Single>(x);
    if (double(single) == x)
        return true;
    // Beyond 2^24 a single's digits may read back as x while it holds a
    // neighbour of x (123,456,790 is kept as 123,456,792).
    return std::fabs(x) < Count::Ceiling && PlainNumberText(single).toDouble() == x;
}
