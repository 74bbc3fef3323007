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

QList<int> BackupOrigin(int count)
{
    QList<int> origin;
    for (int n = 0; n < count; ++n)
        origin.append(n);
    return origin;
}

void ResizeOrigin(QList<int>& origin, int count)
{
    count = qMax(0, count);
    while (origin.size() > count)
        origin.removeLast();
    while (origin.size() < count)
        origin.append(-1);
}

bool InsertLevel(LevelEdit& edit, int r)
{
    const qsizetype at = r >= 1 && r <= edit.Levels.size() ? r - 1 : edit.Levels.size();
    if (!InsertLevelRow(edit.Levels, r))
        return false;
    ResizeOrigin(edit.Origin, int(edit.Levels.size()) - 1);
    edit.Reminders.resize(edit.Levels.size() - 1);
    edit.Origin.insert(at, -1);
    edit.Reminders.insert(at, ReminderRow {});
    return true;
}

bool DeleteLevel(LevelEdit& edit, int r)
{
    if (!DeleteLevelRow(edit.Levels, r))
        return false;
    ResizeOrigin(edit.Origin, int(edit.Levels.size()) + 1);
    edit.Reminders.resize(edit.Levels.size() + 1);
    edit.Origin.removeAt(r - 1);
    edit.Reminders.removeAt(r - 1);
    return true;
}

ReminderRows RemindersAfterUndo(const LevelEdit& now, const ReminderRows& atBackup)
{
    ReminderRows reminders = atBackup;
    for (qsizetype i = 0; i < now.Origin.size() && i < now.Reminders.size(); ++i) {
        const int b = now.Origin[i];
        if (b >= 0 && b < reminders.size())
            reminders[b] = now.Reminders[i];
    }
    return reminders;
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
