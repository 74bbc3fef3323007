#include "core/floor/BreakLabel.h"

#include "core/floor/Levels.h"
#include "core/store/OpenTournament.h"

NextBreakText NextBreak(const OpenTournament& t, Long secondsLeft)
{
    if (t.gintAutoDoubleBlind != BlindModeLevelTable)
        return {QStringLiteral("NA"), QStringLiteral("NA")};
    if (t.gblnOnBreak)
        return {QStringLiteral("Now!"), QStringLiteral("Now!")};

    const Long left = qMax<Long>(0, secondsLeft);
    long minutes = left / 60 + (left % 60 > 0 ? 1 : 0);
    const long count = LevelCount(t);
    for (long level = qMax<long>(1, t.gintBlindsLevel); level <= count; ++level) {
        if (level != t.gintBlindsLevel)
            minutes += t.gintLevelSessionTime[level];
        const double breakMinutes = t.gdblLevelBreakAfter[level];
        if (breakMinutes <= 0)
            continue;
        const QString length = QString::number(breakMinutes);
        if (minutes < 61)
            return {QStringLiteral("%1 Min Break in %2 Min").arg(length).arg(minutes),
                    QStringLiteral("%1 mn").arg(minutes)};
        return {QStringLiteral("%1 Min Break in %2 Hrs, %3 Min").arg(length).arg(minutes / 60).arg(minutes % 60),
                QStringLiteral("%1 hr %2 mn").arg(minutes / 60).arg(minutes % 60)};
    }
    return {t.gstrNextBreak, QString()};
}

NextBreakText AdjustBreakLabel(OpenTournament& t, Long secondsLeft)
{
    NextBreakText next = NextBreak(t, secondsLeft);
    t.gstrNextBreak = next.text;
    return next;
}
