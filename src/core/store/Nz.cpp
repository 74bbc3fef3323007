#include "core/store/Nz.h"

#include <QRegularExpression>
#include <cfenv>
#include <cmath>
#include <limits>

namespace {

// A text as a number: optional sign, digits with "," between groups of three
// ("1,500", "12,345.5"), an optional fraction and exponent, blanks around.
bool textToNumber(const QString& text, double* result)
{
    QString plain = text.trimmed();
    if (plain.contains(u',')) {
        static const QRegularExpression grouped(QStringLiteral("^[+-]?\\d{1,3}(,\\d{3})+(\\.\\d*)?([eE][+-]?\\d+)?$"));
        if (!grouped.match(plain).hasMatch())
            return false;
        plain.remove(u',');
    }
    bool ok = false;
    *result = plain.toDouble(&ok);
    return ok && std::isfinite(*result);
}

template <typename T>
T toNumber(const QVariant& Value)
{
    double number = 0;
    if (!ReadsAsNumber(Value, &number))
        return 0;
    return Narrow<T>(number);
}

} // namespace

double RoundHalfEven(double x)
{
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; make sure.
    if (std::fegetround() != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    return std::nearbyint(x);
}

bool ReadsAsNumber(const QVariant& Value, double* number)
{
    if (Value.isNull() || !Value.isValid())
        return false;
    bool ok = false;
    double result = 0;
    switch (Value.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray:
        ok = textToNumber(Value.toString(), &result);
        break;
    case QMetaType::Bool:
        // A stored flag: true is all bits set.
        result = Value.toBool() ? -1 : 0;
        ok = true;
        break;
    default:
        result = Value.toDouble(&ok);
        break;
    }
    if (!ok || std::isnan(result))
        return false;
    if (number)
        *number = result;
    return true;
}

double NzDouble(const QVariant& Value)
{
    double number = 0;
    return ReadsAsNumber(Value, &number) ? number : 0;
}

Long NzLong(const QVariant& Value) { return toNumber<Long>(Value); }

Integer NzInteger(const QVariant& Value) { return toNumber<Integer>(Value); }

Single NzSingle(const QVariant& Value) { return toNumber<Single>(Value); }

void RaiseOverflow(double x, const char* typeName)
{
    throw OverflowError(QStringLiteral("Overflow: %1 does not fit in %2")
                            .arg(QString::number(x, 'g', 17), QString::fromLatin1(typeName))
                            .toStdString());
}

QString NzString(const QVariant& Value)
{
    if (Value.isNull() || !Value.isValid())
        return QString();
    return Value.toString();
}
