#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>
#include <functional>
#include <optional>

class GridText;
class Recordset;

// The exports to files. Each asks for the file name in a new frmExport first
// (the default name, without a folder, proposed in the data folder) and
// writes nothing when the director cancels. A written file ends with
// "Complete."; a failure to write it is told with its reason, and an
// existing file of that name is then left as it was.

// What lays a grid out for its export once the file name is confirmed; it
// gives back what puts the window's own layout back, or nothing when the grid
// already was in shape.
using ExportLayout = std::function<std::function<void()>()>;

// A grid, FormatName "" for the plain format or "HPT" for results; as shown,
// or laid out by layoutForExport while it is written out.
void ExportGridToCsv(const GridText& grid, const QString& DefaultName, const QString& FormatName,
                     const ExportLayout& layoutForExport = {});
// The same for a data-entry grid, step for step.
void ExportDataEntryGridToCsv(const GridText& grid, const QString& DefaultName, const QString& FormatName);
// A text box's text.
void ExportTextFile(const QString& text, const QString& DefaultName);
// The players of a league (0 = every player), restricted to one tournament's
// entrants unless TournamentID is 0: every player column, or the sign-in
// sheet's names with an empty "Signed In" column. The names serve only the
// default file name. A failing query is raised to the caller, whose command
// shows the database's own text.
void ExportPlayerList(Long LeagueID, Long TournamentID, const QString& LeagueName, const QString& TournamentName);
void ExportSignInSheet(Long LeagueID, Long TournamentID, const QString& LeagueName, const QString& TournamentName);
// A recordset in the recordset format; the written file is then opened with
// the desktop's program for it.
void WriteRecordsetCsv(Recordset& records, const QString& DefaultName);

// The name dialog: the full path of the confirmed file, or nothing.
std::optional<QString> AskExportFileName(const QString& DefaultName);
