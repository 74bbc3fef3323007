#include "core/store/MoneyRules.h"

#include <algorithm>

std::optional<QString> RefuseNegative(double value, const QString& name)
{
    if (value >= 0)
        return std::nullopt;
    return name + QStringLiteral(" cannot be negative.");
}

double MoneyLess(double money, double taken) { return std::max(money - taken, 0.0); }
