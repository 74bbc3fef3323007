#include "core/store/NameValidation.h"

#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/store/ListItems.h"
#include "core/store/NameCompare.h"
#include "core/store/OpenTournament.h"

#include <algorithm>

namespace {

struct NameMessages {
    const char* required;
    const char* taken;
};

// True when another row (not the one with ownKey; keys of 0 and below stand
// for a new row) bears the name.
bool nameTaken(const QList<ListItem>& rows, const QString& name, Long ownKey)
{
    return std::any_of(rows.begin(), rows.end(), [&](const ListItem& row) {
        return !(ownKey > 0 && row.ItemData == ownKey) && SameName(row.Text, name);
    });
}

// Checks the name against the rows the query reads; the rows come only when
// the name is not empty.
template <class ReadRows>
bool validateName(const QString& name, Long ownKey, const NameMessages& messages, ReadRows readRows)
{
    // A name of blanks only would show as an empty line in every list.
    if (name.trimmed().isEmpty()) {
        prompter().message(QString::fromUtf8(messages.required));
        return false;
    }
    if (nameTaken(readRows(), name, ownKey)) {
        prompter().message(QString::fromUtf8(messages.taken));
        return false;
    }
    return true;
}

} // namespace

bool ValidateLeagueName(Database& db, const QString& name, Long LeagueID)
{
    return validateName(name, LeagueID, {"League name required.", "League name already exists."},
                        [&] { return LeagueListItems(db); });
}

bool ValidateLeagueName(const QString& name, Long LeagueID)
{
    return ValidateLeagueName(gobjDatabase(), name, LeagueID);
}

bool ValidateTournamentName(Database& db, Long CurrentLeagueID, const QString& name, Long TournamentID)
{
    return validateName(
        name, TournamentID, {"Tournament name required.", "Tournament name already exists in this league."}, [&] {
            return QueryListItems(db,
                                  QStringLiteral("SELECT TournamentID, TournamentName FROM tblTournament "
                                                 "WHERE LeagueID = ?"),
                                  {CurrentLeagueID}, QStringLiteral("TournamentName"), QStringLiteral("TournamentID"));
        });
}

bool ValidateTournamentName(const QString& name, Long TournamentID)
{
    return ValidateTournamentName(gobjDatabase(), openTournament().glngCurrentLeagueID, name, TournamentID);
}

bool ValidatePlayerName(Database& db, const QString& name, Long PlayerID)
{
    return validateName(name, PlayerID, {"Player name required.", "Player name already exists."}, [&] {
        return QueryListItems(db, QStringLiteral("SELECT PlayerID, PlayerName FROM tblPlayer"), {},
                              QStringLiteral("PlayerName"), QStringLiteral("PlayerID"));
    });
}

bool ValidatePlayerName(const QString& name, Long PlayerID)
{
    return ValidatePlayerName(gobjDatabase(), name, PlayerID);
}
