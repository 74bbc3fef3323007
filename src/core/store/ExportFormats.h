#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>
#include <QVariantList>

class GridText;
class Database;
class Recordset;

// The texts of the export files. Every line, the last one too, ends in CR LF;
// every cell and record value goes through CsvEscape, header lines do not.

// One line per grid row from row 0, one quoted field per column, hidden
// columns included.
QString PlainGridCsv(const GridText& grid);

// The results format "HPT" of the players grid in its one-player-per-row
// layout: a header line, then one line per player row. A field is quoted only
// when it holds a comma, a double quote or a line break, so a name such as
// "Smith, John" keeps its line in shape.
QString HptResultsCsv(const GridText& grid);

// The field names joined by ", ", then one line per record with every value
// quoted; a number is written plainly (no grouping, only the decimals it
// needs). Reads the recordset from its first record and leaves it at its end.
QString RecordsetCsv(Recordset& records);

// A text box's text with its line breaks written as CR LF; nothing added.
QString TextFileText(const QString& text);

// Writes an export file as UTF-8 without a byte-order mark. An existing file
// is replaced only by a complete write: on failure it stays as it was and the
// result is false, with the reason in error when one is given. A name that is
// not a full path of the file system (a relative one, or one beginning with
// ":", a resource's), or one ExportNameUsable refuses, is refused so and
// nothing is written.
bool WriteExportFile(const QString& fileName, const QString& text, QString* error = nullptr);

// What a name holding a character the file system cannot take is told.
QString InvalidFileNameText();

// Whether a file of that name could be written: its folder exists and this
// program may write in it, the name is not a folder's, is not blank, holds no
// NUL character, and neither the file's name nor the whole path is longer
// than the file system takes. The export dialog and the writer both ask it.
// A refused name gives in problem what the director is told, each cause its
// own: a blank name, a folder's name, a folder missing or not writable (named),
// a name or path too long, a NUL (the invalid name message).
bool ExportNameUsable(const QString& path, QString* problem = nullptr);

// Where an export goes, as a full path: a name without a folder lies in the
// data folder, also one that begins with ":" (it names no resource); a "/" in
// a default name (one taken from a tournament or league name) becomes "-" so
// the name stays one file name.
QString DefaultExportPath(const QString& defaultName);
QString ExportPath(const QString& typedName);

// The query of a league's players for the player list or the sign-in sheet:
// league 0 = every player; tournament 0 = not restricted to one tournament's
// entrants. Ordered by name.
struct PlayerListQuery {
    QString sql;
    QVariantList values;
};
PlayerListQuery PlayerListSql(bool SignInSheet, Long LeagueID, Long TournamentID);
// Its rows, by name in a reader's order (NameCompare.h).
Recordset PlayerListRecords(Database& db, bool SignInSheet, Long LeagueID, Long TournamentID);

// The default names of the database lists.
QString PlayerListFileName(const QString& LeagueName, const QString& TournamentName);
QString SignInSheetFileName(const QString& LeagueName, const QString& TournamentName);
