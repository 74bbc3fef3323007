#include "core/setup/LevelTable.h"

#include "core/store/Nz.h"
#include "core/store/OpenTournament.h"
#include "core/store/PlainNumberText.h"

namespace {

long wholeOf(const QString& text) { return Clamped<long>(NzDouble(text)); }

} // namespace

LevelRows LevelRowsOf(const OpenTournament& t)
{
    LevelRows rows;
    for (long n = t.gdblLevelAnte.lower(); n <= t.gdblLevelAnte.upper(); ++n) {
        if (n < 1)
            continue;
        rows.append({PlainNumberText(t.gdblLevelAnte.value(n)), PlainNumberText(t.gdblLevelSmallBlind.value(n)),
                     PlainNumberText(t.gdblLevelBigBlind.value(n)), PlainNumberText(t.gdblLevelSmallRaise.value(n)),
                     PlainNumberText(t.gdblLevelBigRaise.value(n)),
                     PlainNumberText(double(t.gintLevelSessionTime.value(n))),
                     PlainNumberText(t.gdblLevelBreakAfter.value(n))});
    }
    return rows;
}

LevelRow ZeroLevelRow()
{
    LevelRow row;
    row.fill(QStringLiteral("0"));
    return row;
}

void ZeroBlanks(LevelRow& row)
{
    for (QString& cell : row)
        if (cell.trimmed().isEmpty())
            cell = QStringLiteral("0");
}

void ResizeLevelRows(LevelRows& rows, int count)
{
    count = qBound(0, count, MaxLevels);
    while (rows.size() > count)
        rows.removeLast();
    for (LevelRow& row : rows)
        ZeroBlanks(row);
    while (rows.size() < count)
        rows.append(ZeroLevelRow());
}

bool InsertLevelRow(LevelRows& rows, int r)
{
    if (rows.size() >= MaxLevels)
        return false;
    if (r >= 1 && r <= rows.size())
        rows.insert(r - 1, ZeroLevelRow());
    else
        rows.append(ZeroLevelRow());
    return true;
}

bool DeleteLevelRow(LevelRows& rows, int r)
{
    if (rows.size() < 2 || r < 1 || r > rows.size())
        return false;
    rows.removeAt(r - 1);
    return true;
}

QList<LevelSession> BackUpSessions(const LevelRows& rows)
{
    QList<LevelSession> backup;
    for (const LevelRow& row : rows)
        backup.append({NzDouble(row[0]), NzDouble(row[1]), NzDouble(row[2]), NzDouble(row[3]), NzDouble(row[4]),
                       wholeOf(row[5]), wholeOf(row[6])});
    return backup;
}

LevelRows RestoreSessions(const QList<LevelSession>& backup)
{
    LevelRows rows;
    for (const LevelSession& s : backup)
        rows.append({PlainNumberText(s.Ante), PlainNumberText(s.SmallBlind), PlainNumberText(s.BigBlind),
                     PlainNumberText(s.SmallRaise), PlainNumberText(s.BigRaise), QString::number(s.SessionTime),
                     QString::number(s.BreakAfter)});
    return rows;
}

QString ReminderPauseText(const QString& reminder, bool pause)
{
    if (reminder.trimmed().isEmpty())
        return QString();
    return pause ? QStringLiteral("Yes") : QStringLiteral("No");
}
