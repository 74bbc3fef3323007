#include "core/web/WebPosting.h"

#include "core/platform/Database.h"
#include "core/platform/StoredDate.h"
#include "core/store/MoneyRules.h"
#include "core/store/Nz.h"

#include <algorithm>
#include <optional>

QDate TournamentDay(Database& db, Long TournamentID)
{
    Recordset tournament
        = db.query(QStringLiteral("SELECT Date FROM tblTournament WHERE TournamentID = ?"), {TournamentID});
    if (tournament.eof())
        throw DatabaseError(QStringLiteral("The tournament is no longer in the database."));
    return DateFromStored(tournament.value(QStringLiteral("Date"))).date();
}

QString WebDateText(const QDate& day) { return day.isValid() ? day.toString(QStringLiteral("MM/dd/yyyy")) : QString(); }

PostedMatch MatchPosted(QList<ListItem> local, const QStringList& postedNames)
{
    PostedMatch match;
    for (const QString& name : postedNames) {
        const auto found
            = std::find_if(local.begin(), local.end(), [&](const ListItem& item) { return item.Text == name; });
        match.standsFor.append(found != local.end() ? found->ItemData : 0);
        if (found != local.end())
            local.erase(found);
    }
    match.notPosted = local;
    return match;
}

bool HomePageMayHoldCopy(Database& db, Long TournamentID, const QList<Long>& onThePage)
{
    struct NameAndDay {
        QString name;
        QDate day;
    };
    auto read = [&db](Long id) -> std::optional<NameAndDay> {
        Recordset rs
            = db.query(QStringLiteral("SELECT TournamentName, Date FROM tblTournament WHERE TournamentID = ?"), {id});
        if (rs.eof())
            return std::nullopt;
        return NameAndDay {NzString(rs.value(QStringLiteral("TournamentName"))),
                           DateFromStored(rs.value(QStringLiteral("Date"))).date()};
    };
    if (onThePage.contains(TournamentID))
        return true;
    const std::optional<NameAndDay> self = read(TournamentID);
    if (!self)
        return false;
    return std::any_of(onThePage.cbegin(), onThePage.cend(), [&](Long id) {
        const std::optional<NameAndDay> other = id ? read(id) : std::nullopt;
        return other && other->name == self->name && other->day == self->day;
    });
}

QString SecondCopyQuestion(const QString& name, const QString& webDate)
{
    const QString which = webDate.isEmpty() ? name : QStringLiteral("%1 of %2").arg(name, webDate);
    return QStringLiteral("The league home page may already have %1: it is posted there, or a call to post it may "
                          "have arrived.  Posting it now can make a second copy there.\n\nPost it anyway?")
        .arg(which);
}

QList<ListItem> PostedLocalTournaments(Database& db, Long LeagueID, bool NewestFirst, const QStringList& postedNames)
{
    QList<ListItem> posted;
    for (const ListItem& item : TournamentListItems(db, LeagueID, NewestFirst))
        if (postedNames.contains(item.Text, Qt::CaseSensitive))
            posted.append(item);
    return posted;
}

WebTournamentUpload ReadTournamentUpload(Database& db, Long TournamentID)
{
    WebTournamentUpload upload;
    upload.day = TournamentDay(db, TournamentID);

    Recordset rs = db.query(QStringLiteral("SELECT X.rowid AS EntryRowID, X.*, P.PlayerName AS EntrantName, "
                                           "E.PlayerName AS EliminatedByName FROM tblTournamentXPlayer X "
                                           "INNER JOIN tblPlayer P ON P.PlayerID = X.PlayerID "
                                           "LEFT JOIN tblPlayer E ON E.PlayerID = X.EliminatedByPlayerID "
                                           "WHERE X.TournamentID = ? ORDER BY X.rowid"),
                            {TournamentID});
    // Money is posted to the cent, as it shows.
    for (; !rs.eof(); rs.moveNext()) {
        WebPlayerResult r;
        r.eliminatedBy = NzString(rs.value(QStringLiteral("EliminatedByName")));
        r.kills = NzLong(rs.value(QStringLiteral("Kills")));
        r.playerName = NzString(rs.value(QStringLiteral("EntrantName")));
        r.finish = NzLong(rs.value(QStringLiteral("Finish")));
        r.payout = RoundCents(NzDouble(rs.value(QStringLiteral("Payout"))));
        r.totalBuyin = RoundCents(NzDouble(rs.value(QStringLiteral("TotalBuyin"))));
        r.totalRebuy = RoundCents(NzDouble(rs.value(QStringLiteral("TotalRebuy"))));
        r.totalAddon = RoundCents(NzDouble(rs.value(QStringLiteral("TotalAddon"))));
        r.numRebuys = NzInteger(rs.value(QStringLiteral("NumRebuys")));
        r.numAddons = NzInteger(rs.value(QStringLiteral("NumAddons")));
        r.entryId = NzLong(rs.value(QStringLiteral("EntryRowID")));
        r.points = NzLong(rs.value(QStringLiteral("Points")));
        upload.results.append(r);
    }
    return upload;
}

SelectedWalk WalkSelectedEntries(const std::function<int()>& count, const std::function<bool(int)>& isSelected,
                                 const std::function<WalkStep(int)>& act)
{
    SelectedWalk walk;
    int index = 0;
    while (index < count()) {
        if (!isSelected(index)) {
            ++index;
            continue;
        }
        ++walk.selected;
        const WalkStep step = act(index);
        if (step.gone)
            ++walk.gone;
        if (step.gone && step.succeeded)
            ++walk.whole;
        if (!step.gone)
            ++index;
    }
    return walk;
}

WalkLine WalkSummary(const SelectedWalk& walk, const QString& successText, const QString& verb, const QString& missing)
{
    if (walk.whole == walk.selected)
        return {successText, false};
    QString text = QStringLiteral("%1 of %2 selected tournaments %3").arg(walk.gone).arg(walk.selected).arg(verb);
    if (walk.gone > walk.whole)
        text += QStringLiteral(", %1 of them %2").arg(walk.gone - walk.whole).arg(missing);
    return {text + u'.', true};
}

RemovalLine RemovalSettled(const QList<WebTournament>& posted, Long webNumber, const QString& name, RemovalDoubt doubt)
{
    const bool held
        = std::any_of(posted.cbegin(), posted.cend(), [&](const WebTournament& t) { return t.number == webNumber; });
    if (!held)
        return {true, QStringLiteral("%1 is no longer on the league home page: it was removed.").arg(name)};
    if (doubt == RemovalDoubt::Refused)
        return {false, QStringLiteral("%1 is still on the league home page.").arg(name)};
    return {false,
            QStringLiteral("%1 is still on the league home page: it has not been removed so far.  Delete it "
                           "again to remove it.")
                .arg(name)};
}

QString PartialUploadText(int uploaded, int total, const QString& name, const QString& mayHaveArrived)
{
    QString text = QStringLiteral("%1 of %2 player results of %3 were uploaded").arg(uploaded).arg(total).arg(name);
    if (!mayHaveArrived.isEmpty())
        text += QStringLiteral("; the result of %1 may have arrived as well").arg(mayHaveArrived);
    return text + QStringLiteral(". Delete it from the league home page and post it again.");
}
