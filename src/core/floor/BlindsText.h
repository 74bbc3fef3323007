#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>
#include <array>

// Adds one blinds display to a header and a values text: with bNext
// "Next Level: " and the level after intLevel first, then "Ante" (the ante
// replaces the values held so far), "  Blinds" and "  Raises", each pair of
// amounts as small/big (or the one above 0), in the money format.
void BuildBlindsStrings(QString& strHeader, QString& strValues, double dblAnte, double dblSmallRaise,
                        double dblBigRaise, double dblSmallBlind, double dblBigBlind, bool bNext, Integer intLevel,
                        const QString& moneyFormat);

// One row of the classic blinds display: its caption and its amounts.
struct ClassicBlindsRow {
    QString header;
    QString values;

    bool operator==(const ClassicBlindsRow&) const = default;
};

// The three rows of the classic display: ante, blinds, raises; each row
// empty when its amounts are 0, and its caption led by "Next " with bNext.
std::array<ClassicBlindsRow, 3> LoadClassicBlinds(double dblAnte, double dblSmallBlind, double dblBigBlind,
                                                  double dblSmallRaise, double dblBigRaise, bool bNext,
                                                  const QString& moneyFormat);
