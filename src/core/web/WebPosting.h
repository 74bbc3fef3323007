#pragma once

#include "core/platform/ModelTypes.h"
#include "core/store/ListItems.h"
#include "core/web/WebService.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

class Database;

// What posting to and removing from the league home page needs of the
// database, and the rules that decide which entries move where. Local and
// web tournaments match by exact, case-sensitive name.

// The day of a stored tournament (an invalid date when it has none or its
// text is no date); DatabaseError when it is gone.
QDate TournamentDay(Database& db, Long TournamentID);
// A day as the results web site takes and shows it: "MM/dd/yyyy", or "" for
// a tournament without a date.
QString WebDateText(const QDate& day);

// The local list without what is posted: for each posted name, in order,
// the first local entry of exactly that name leaves the list and is the
// tournament that posted one stands for (0 when no local entry is left for
// it). Two local tournaments of one posted name stay as one posted and one
// not posted.
struct PostedMatch {
    QList<ListItem> notPosted;
    QList<Long> standsFor; // per posted name, the local TournamentID
};
PostedMatch MatchPosted(QList<ListItem> local, const QStringList& postedNames);

// Whether the home page holds, or may hold, a copy of the tournament: one of
// `onThePage` (the local tournaments posted ones stand for, and those whose
// posting may have arrived) is the tournament itself or has its name and
// day.
bool HomePageMayHoldCopy(Database& db, Long TournamentID, const QList<Long>& onThePage);
// The question before a tournament the home page may already hold is sent
// again.
QString SecondCopyQuestion(const QString& name, const QString& webDate);

// The league's tournaments whose names are on the home page, in the order
// of TournamentListItems; every local tournament of a posted name is listed.
QList<ListItem> PostedLocalTournaments(Database& db, Long LeagueID, bool NewestFirst, const QStringList& postedNames);

struct WebTournamentUpload {
    QDate day; // invalid: no date
    QList<WebPlayerResult> results; // one per entry, web tournament number 0
};
// The tournament's date and one result per entry, the eliminated-by name
// read from the players by EliminatedByPlayerID ("" for none or a player
// that is gone). Null numbers read as 0; points and kills as whole numbers,
// half to even.
WebTournamentUpload ReadTournamentUpload(Database& db, Long TournamentID);

// How a walk over a list's selected entries went.
struct SelectedWalk {
    int selected = 0;
    int gone = 0; // left the list
    int whole = 0; // left it with all of their work done
};
// What one step did: whether the entry left the list, and whether all of
// its work succeeded.
struct WalkStep {
    bool gone = false;
    bool succeeded = false;
};
// Walks the entries from the top, the count read again at each step. For a
// selected entry `act` runs; when it reports the entry gone, the same index
// is looked at again (it now holds the next entry).
SelectedWalk WalkSelectedEntries(const std::function<int()>& count, const std::function<bool(int)>& isSelected,
                                 const std::function<WalkStep(int)>& act);
// The closing line of a walk: the success text when every selected entry
// went whole, else "<k> of <n> selected tournaments <verb>." as an error,
// counting every entry that left the list, with how many of them went with
// something missing ("<m> of them <missing>").
struct WalkLine {
    QString text;
    bool error = false;
};
WalkLine WalkSummary(const SelectedWalk& walk, const QString& successText, const QString& verb,
                     const QString& missing = {});

// Why a removal is settled by the tournaments posted, read again: the
// service refused it, as it does when it no longer holds the tournament
// (removed late, or by another program); or its answer was lost after it
// went out.
enum class RemovalDoubt { Refused, AnswerLost };
struct RemovalLine {
    bool gone = false; // the tournament has left the league home page
    QString text;
};
// Whether the web tournament has left the home page, from the tournaments
// posted, and the line that says so.
RemovalLine RemovalSettled(const QList<WebTournament>& posted, Long webNumber, const QString& name, RemovalDoubt doubt);

// The error line of a tournament that went up with some of its results
// missing; `mayHaveArrived` names the player whose result's answer was lost
// after it was sent.
QString PartialUploadText(int uploaded, int total, const QString& name, const QString& mayHaveArrived = {});
