#pragma once

#include "core/platform/ModelTypes.h"

#include <QList>
#include <QString>
#include <QStringList>

class Database;

// Telling players that results are on the league home page: who can be
// mailed, what the lists show, the message and the mailto: link.

struct EmailRecipient {
    Long playerId = 0;
    QString name;
    QString email; // as stored; may be too short to be an address
};

// A player has an address when the stored e-mail holds more than 4
// characters.
bool HasEmailAddress(const QString& email);

// The mark after the name of a player without an address.
inline const QString NoEmailMark = QStringLiteral(" (NO EMAIL)");
// What the address list shows for a player without an address.
inline const QString UnknownEmailText = QStringLiteral("unknown email");

// The name as listed: marked when the player has no address.
QString RecipientListText(const EmailRecipient& r);
// The address as listed.
QString RecipientAddressText(const QString& email);

// The entrants of a tournament, by name.
QList<EmailRecipient> TournamentRecipients(Database& db, Long TournamentID);
// Every member of a league, by name.
QList<EmailRecipient> LeagueRecipients(Database& db, Long LeagueID);

// A listed name split from its mark.
struct ListedName {
    QString name;
    bool marked = false;
};
ListedName SplitNoEmailMark(const QString& text);
// The listed name after the player's details were edited: marked only when
// it was marked and the new address is empty.
QString EditedRecipientText(const QString& newName, const QString& newEmail, bool wasMarked);

// The positions of the ticked players who have an address, in list order.
QList<int> TickedWithAddress(const QList<bool>& ticked, const QStringList& emails);
// The addresses of the ticked players who have one, in list order; ticked
// players without an address are left out.
QStringList TickedAddresses(const QList<bool>& ticked, const QStringList& emails);

// How the e-mail to one player of a walk (one e-mail each) went: not sent
// (the walk stopped before or at it), sent, refused by the service, or
// gone out perhaps (its answer was lost after it went out).
enum class EmailOutcome { NotSent, Sent, Refused, MayHaveGone };
// After the walk: when someone was not mailed, the players mailed, or
// perhaps mailed, are to be unticked (their places in the walk), so that the
// next Send reaches only those not mailed; and the error line that says
// who was not mailed. Nothing when every player was mailed.
struct EmailWalkEnd {
    QList<int> untick;
    QString text;
};
EmailWalkEnd EndOfEmailWalk(const QStringList& names, const QList<EmailOutcome>& outcomes);
// What the To box shows: the addresses joined with "; ".
QString ToText(const QStringList& addresses);
// The recipients of one e-mail to the group, joined with ";".
QString GroupRecipients(const QStringList& addresses);

// The message telling the entrants of a tournament where its results are;
// the password part only when the home page has a password.
QString ResultsEmailBody(const QString& tournamentName, const QString& webDate, const QString& homePage,
                         const QString& viewerPassword);

// A mailto: link for the user's own mail program. Recipients, subject and
// body are percent-encoded (line breaks as CR LF), so each arrives as typed
// and none can add a header or a recipient.
QString MailtoAddress(const QString& to, const QString& subject, const QString& body);
