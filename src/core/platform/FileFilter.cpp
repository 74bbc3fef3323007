#include "core/platform/FileFilter.h"

#include <QStringList>

QString CaseInsensitiveFilter(const QString& filter)
{
    const qsizetype open = filter.indexOf(QLatin1Char('('));
    const qsizetype close = filter.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open)
        return filter;
    QStringList patterns = filter.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QStringList given = patterns;
    for (const QString& p : given)
        if (p.toUpper() != p && !patterns.contains(p.toUpper()))
            patterns << p.toUpper();
    return filter.left(open + 1) + patterns.join(QLatin1Char(' ')) + filter.mid(close);
}
