#include "core/store/PlainNumberText.h"

#include "core/store/MoneyRules.h"
#include "core/store/Nz.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

template <typename T>
QString shortestFixed(T value)
{
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    // Room for the widest fixed form of a double (309 digits and a sign).
    std::array<char, 400> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

} // namespace

QString PlainNumberText(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    // Rounded to 15 significant digits, then written in the fewest digits
    // that read back as that: two numbers of 15 digits or fewer are never
    // the same double, so those digits are the rounded ones.
    std::array<char, 32> digits {};
    const auto written
        = std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::scientific, 14);
    double general = 0;
    std::from_chars(digits.data(), written.ptr, general);
    return shortestFixed(general);
}

QString PlainNumberText(float value) { return shortestFixed(value); }

double SingleAsShown(float value) { return PlainNumberText(value).toDouble(); }

QString AmountText(double amount) { return PlainNumberText(RoundCents(amount)); }

QString FixedDecimalsText(double value, int decimals, bool ZeroBeforePoint)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = std::isfinite(value) ? RoundHalfEven(value * scale) : 0;
    QString digits = QString::number(std::fabs(scaled), 'f', 0);
    if (digits.size() <= decimals)
        digits.prepend(QString(decimals + 1 - digits.size(), u'0'));
    QString whole = digits.left(digits.size() - decimals);
    if (whole == QLatin1String("0") && !ZeroBeforePoint)
        whole.clear();
    QString text = decimals > 0 ? whole + u'.' + digits.right(decimals) : whole;
    return scaled < 0 ? u'-' + text : text;
}
