#pragma once

#include <QList>
#include <QString>
#include <array>

class OpenTournament;

// The set-up wizard's level table as its grid holds it: per level the texts
// of ante, small blind, big blind, small raise, big raise, session minutes and
// break minutes after the level (columns 1..7; the level number is the row).
using LevelRow = std::array<QString, 7>;
using LevelRows = QList<LevelRow>;

// The most levels a tournament can have.
inline constexpr int MaxLevels = 1000;

// The tournament's level table as the grid shows it, numbers in their plain
// text, levels 1..gdblNumberLevels.
LevelRows LevelRowsOf(const OpenTournament& t);

// A row of "0"s.
LevelRow ZeroLevelRow();

// Sets every blank cell to "0". A text that is no number stays as typed, so
// that Finish refuses it rather than a slip becoming a level of 0.
void ZeroBlanks(LevelRow& row);

// Sets the number of levels: rows kept keep their values (a blank cell
// becomes "0"), new rows are all "0", rows past the end are dropped.
void ResizeLevelRows(LevelRows& rows, int count);

// Inserts a level of "0"s before row r (1-based); with no row selected
// (r below 1) the new level goes last. Nothing at MaxLevels.
bool InsertLevelRow(LevelRows& rows, int r);

// Deletes level r (1-based). Nothing with a single level or with no row
// selected.
bool DeleteLevelRow(LevelRows& rows, int r);

// A level's reminder as the reminders grid holds it: the text and the pause
// column ("Yes", "No" or "").
using ReminderRow = std::array<QString, 2>;
using ReminderRows = QList<ReminderRow>;

// The level table being edited with a reminder per level. Origin tells, for
// each level, which level of the last backup it is (-1: added since), so
// that Undo gives every level of the backup its reminder as it stands now.
struct LevelEdit {
    LevelRows Levels;
    ReminderRows Reminders;
    QList<int> Origin;
};

// Origin right after a backup of a table of count levels.
QList<int> BackupOrigin(int count);
// Origin of a table resized to count levels: new levels come from nowhere.
void ResizeOrigin(QList<int>& origin, int count);
// Insert and delete as InsertLevelRow and DeleteLevelRow; the reminders and
// the origins move with their levels, a new level has none.
bool InsertLevel(LevelEdit& edit, int r);
bool DeleteLevel(LevelEdit& edit, int r);
// The reminders for the backup's levels once Undo has put them back: each
// level's reminder as it stands now; a level deleted since gets the reminder
// it had at the backup.
ReminderRows RemindersAfterUndo(const LevelEdit& now, const ReminderRows& atBackup);

// One level outside the grid, for Undo: the values as numbers, kept in
// double precision so that Undo gives back exactly what was there.
struct LevelSession {
    double Ante = 0;
    double SmallBlind = 0;
    double BigBlind = 0;
    double SmallRaise = 0;
    double BigRaise = 0;
    long SessionTime = 0; // minutes, rounded
    long BreakAfter = 0; // minutes, rounded; 0 = no break
};

QList<LevelSession> BackUpSessions(const LevelRows& rows);
LevelRows RestoreSessions(const QList<LevelSession>& backup);

// The reminders grid's third column: "Yes" or "No" when the reminder is not
// blank, else "".
QString ReminderPauseText(const QString& reminder, bool pause);
