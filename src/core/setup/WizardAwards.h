#pragma once

#include "core/platform/ModelTypes.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The set-up wizard's working copy of the awards and bounties, row by row as
// the award grid shows them: AwardID ("0" for one added since the wizard
// opened), IsBounty, BountyPlayerID, description, payout, points,
// AwardedToPlayerID. With no award the grid shows one "None" row; the flag
// marks that row, so an award that happens to be called "None" is an award.
using AwardGridRow = std::array<QString, 7>;

// An award or bounty as the award dialog gives it back.
struct AwardEntry {
    bool IsBounty = false;
    Long PlayerID = 0; // the bounty's player
    QString PlayerName;
    QString Description; // an award's own text
    QString Dollars;
    QString Points;
};

class WizardAwardList {
public:
    // From the rows the grid was filled with; none gives the placeholder.
    explicit WizardAwardList(const QList<QStringList>& rows = {});

    bool Placeholder() const { return mRows.isEmpty(); }
    int Count() const { return int(mRows.size()); }
    const QList<AwardGridRow>& Rows() const { return mRows; }
    // The grid's data rows: the awards, or the one placeholder row.
    QList<AwardGridRow> GridRows() const;
    // Whether grid row r (from 1) is an award, not the header, the
    // placeholder or past the end.
    bool IsAward(long r) const;

    // A new award goes last; it takes the placeholder's row. Its grid row.
    long Add(const AwardEntry& entry);
    // Keeps the row's AwardID and the player who holds it.
    void Edit(long r, const AwardEntry& entry);
    void Delete(long r);
    void DeleteAll() { mRows.clear(); }

    // Every award's payout text, for the estimates.
    QStringList Payouts() const;

private:
    QList<AwardGridRow> mRows;
};

// The award dialog's checks, in order. The bounty players of the other rows
// (column 2 of every grid row but the one being edited) are given. The
// winnings are refused below 0; the points may be negative.
enum class AwardFocus { None, Player, Description, Dollars, Points };
struct AwardFault {
    QString Message;
    AwardFocus Focus = AwardFocus::None;
};
std::optional<AwardFault> ValidateAward(const AwardEntry& entry, bool playerChosen,
                                        const QStringList& otherBountyPlayers);

// What an award is refused by when, with it, the awards (otherAwards: every
// other one, the automatic bounties included) would pass what sums of money
// keep to the cent; none when they fit.
std::optional<AwardFault> AwardsPastCeiling(const AwardEntry& entry, double otherAwards);

// The question an award that pays money is kept by when, with it, the
// awards (otherAwards: every other one, the automatic bounties included)
// come to more than the money taken in: the pool is then 0 (MoneyLess) and
// every place pays nothing. None when they fit.
std::optional<QString> AwardsBeyondMoneyQuestion(const AwardEntry& entry, double otherAwards, double takenIn,
                                                 const QString& moneyFormat);

// "Assign Bounty"'s checks of a player's winnings and points typed by hand,
// in order; the winnings are refused below 0 as an award's are, and
// either beyond the ceiling of a total.
std::optional<AwardFault> ValidateAdjustment(const QString& dollars, const QString& points);

QString SelectAwardToEditMessage();
QString SelectAwardToDeleteMessage();
QString DeleteAwardQuestion();
QString DeleteAllAwardsQuestion();
QString AwardPlaceholderText();
