#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>

class OpenTournament;

// The time to the next break: the long text of the next-break label and the
// short form of the classic summary.
struct NextBreakText {
    QString text;
    QString shortText;

    bool operator==(const NextBreakText&) const = default;
};

// Outside level-table mode both read "NA", on a break "Now!". Otherwise the
// minutes left in this level (rounded up) and the lengths of the later
// levels add up to the first level with a break after it: "15 Min Break in
// 25 Min" and "25 mn", or from 61 minutes on "15 Min Break in 1 Hrs, 35 Min"
// and "1 hr 35 mn". With no break ahead the long text stays what it was and
// the short form is empty.
NextBreakText NextBreak(const OpenTournament& t, Long secondsLeft);

// The same, kept in gstrNextBreak.
NextBreakText AdjustBreakLabel(OpenTournament& t, Long secondsLeft);
