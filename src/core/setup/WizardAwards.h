#pragma once

#include "core/platform/ModelTypes.h"
#include "core/setup/Estimates.h"
#include "core/store/MoneyClaims.h"

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

// The wizard's boxes that the award question and Finish weigh the awards
// with.
struct WizardMoney {
    EstimateInputs Estimates;
    int BountyAllChoice = 0; // position of the automatic-bounty list
    QString BountyAllDollars;
    int PayoutKind = 1; // position of the payout-kind list
    QList<PayoutRow> Payouts; // the house first, then the places
};

// The awards of the list as the wizard weighs them, all but the one in
// editedRow (0: none), whose money is the claim's before. Once the
// tournament has entrants they are weighed against the money the entrants
// have paid, and the entrants' automatic bounties are among the awards;
// before, against the estimate, with the automatic bounty for each player
// expected.
MoneyClaims AwardClaims(const WizardAwardList& awards, long editedRow, const WizardMoney& boxes,
                        const OpenTournament& t);

// OK in the award dialog: the question an award or bounty that takes the
// awards to the money weighed or beyond is kept by (MoneyClaimsText).
std::optional<QString> AwardQuestion(MoneyClaims claims, const AwardEntry& entry, const QString& moneyFormat);

// Finish: the question the automatic bounty for every player expected is
// kept by, when it is new or more than stored and takes the awards to the
// money weighed or beyond.
std::optional<QString> AutomaticBountyQuestion(const WizardAwardList& awards, const WizardMoney& boxes,
                                               const OpenTournament& t, bool newTourney, const QString& moneyFormat);

// What an award is refused by when, with it, the awards (otherAwards: every
// other one, the automatic bounties included) would pass what sums of money
// keep to the cent; none when they fit.
std::optional<AwardFault> AwardsPastCeiling(const AwardEntry& entry, double otherAwards);

// "Assign Bounty"'s checks of a player's winnings and points typed by hand,
// in order; the winnings are refused below 0 as an award's are, and
// either beyond the ceiling of a total.
std::optional<AwardFault> ValidateAdjustment(const QString& dollars, const QString& points);

QString SelectAwardToEditMessage();
QString SelectAwardToDeleteMessage();
QString DeleteAwardQuestion();
QString DeleteAllAwardsQuestion();
QString AwardPlaceholderText();
