#include "core/store/MoneyFormat.h"

#include "core/store/Nz.h"

#include <cmath>

namespace {
const QString kGrouped = QStringLiteral("#,##0");
const QString kPlain = QStringLiteral("##0");
} // namespace

QString MoneyFormat(const QString& CurrencySymbol, const QString& CommaSeparator)
{
    double comma = 0;
    const bool grouped = ReadsAsNumber(QVariant(CommaSeparator), &comma) && comma == 1;
    return CurrencySymbol + (grouped ? kGrouped : kPlain);
}

QString FormatMoney(double Amount, const QString& Format)
{
    QString symbol = Format;
    bool grouped = false;
    if (Format.endsWith(kGrouped)) {
        symbol.chop(kGrouped.size());
        grouped = true;
    } else if (Format.endsWith(kPlain)) {
        symbol.chop(kPlain.size());
    }

    const double whole = std::isfinite(Amount) ? RoundHalfEven(Amount) : 0;
    QString digits = QString::number(std::fabs(whole), 'f', 0);
    if (grouped) {
        for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
            digits.insert(at, u',');
    }
    return (whole < 0 ? QStringLiteral("-") : QString()) + symbol + digits;
}
