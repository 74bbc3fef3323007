#include "core/floor/BlindsText.h"

#include "core/store/MoneyFormat.h"

namespace {

// "small/big", or the one of the two above 0.
QString pair(double small, double big, const QString& format)
{
    if (small > 0 && big > 0)
        return FormatMoney(small, format) + QLatin1Char('/') + FormatMoney(big, format);
    return FormatMoney(small > 0 ? small : big, format);
}

} // namespace

void BuildBlindsStrings(QString& strHeader, QString& strValues, double dblAnte, double dblSmallRaise,
                        double dblBigRaise, double dblSmallBlind, double dblBigBlind, bool bNext, Integer intLevel,
                        const QString& moneyFormat)
{
    if (bNext)
        strHeader = QStringLiteral("Next Level: %1  ").arg(intLevel + 1);
    if (dblAnte > 0) {
        strHeader += QStringLiteral("Ante");
        strValues = FormatMoney(dblAnte, moneyFormat);
    }
    if (dblBigBlind > 0 || dblSmallBlind > 0) {
        strHeader += QStringLiteral("  Blinds");
        strValues += QStringLiteral("  ") + pair(dblSmallBlind, dblBigBlind, moneyFormat);
    }
    if (dblBigRaise > 0 || dblSmallRaise > 0) {
        strHeader += QStringLiteral("  Raises");
        strValues += QStringLiteral("  ") + pair(dblSmallRaise, dblBigRaise, moneyFormat);
    }
}

std::array<ClassicBlindsRow, 3> LoadClassicBlinds(double dblAnte, double dblSmallBlind, double dblBigBlind,
                                                  double dblSmallRaise, double dblBigRaise, bool bNext,
                                                  const QString& moneyFormat)
{
    const double amounts[3][5] = {
        // ante, small raise, big raise, small blind, big blind
        {dblAnte, 0, 0, 0, 0},
        {0, 0, 0, dblSmallBlind, dblBigBlind},
        {0, dblSmallRaise, dblBigRaise, 0, 0},
    };
    std::array<ClassicBlindsRow, 3> rows;
    for (int i = 0; i < 3; ++i) {
        const double* a = amounts[i];
        QString header;
        QString values;
        BuildBlindsStrings(header, values, a[0], a[1], a[2], a[3], a[4], false, 0, moneyFormat);
        header = header.trimmed();
        if (bNext && !header.isEmpty())
            header.prepend(QStringLiteral("Next "));
        rows[i] = {header, values.trimmed()};
    }
    return rows;
}
