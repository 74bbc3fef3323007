#pragma once

#include "core/platform/ModelTypes.h"
#include "core/platform/SoapDescription.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

// The results web site and the replies of its service. Every reply is one
// text: a result code, a separator that is never looked at, then the
// payload (a value, a list or a message for the user).

// The site from the ResultsWebSite setting: nothing when the setting is
// empty; https:// when it names no scheme; without a trailing "/". Throws
// SoapError when the text is no web address.
std::optional<QUrl> ResultsSiteAddress(const QString& setting);
QUrl ServiceDescriptionAddress(const QUrl& site);
QString SignUpPageAddress(const QUrl& site);
QString LeagueHomePageAddress(const QUrl& site, Long webLeagueId);
// True when logins and passwords would cross the network unencrypted:
// plain http to any host but this computer.
bool SendsPasswordsInClear(const QUrl& site);

// Separates the items of a list payload.
inline const QString ListSeparator = QStringLiteral(",,,~~~");

// Which codes mean success: "0" for most operations; any code but "1" for
// the two whose success has no value.
enum class SuccessRule { CodeZero, AnyCodeButOne };

// Throws SoapError when a reply is too short to hold a code and a
// separator, or when its code is no digit.
bool ReplySucceeded(const QString& reply, SuccessRule rule = SuccessRule::CodeZero);

// Whether a call stores something on the site, and whether its success
// carries the number of what it stored; or sends an e-mail, which stores
// nothing to look at but cannot be called back either.
enum class Storing { No, Yes, GivesWebNumber, Sends };
// For a call that stores or sends: a reply that cannot be read (no code, a code
// without its separator, whatever the code, a web number that is none) may
// come from a service that stored the call, so it throws the
// may-have-arrived SoapError naming the operation. A whole reply whose code
// refuses stored nothing and is left to the caller, as is every reply of a
// call that stores nothing.
void CheckStoringReply(const QString& operation, const QString& reply, SuccessRule rule, Storing storing);
// The payload: the reply from its third character. Throws SoapError for a
// reply under two characters.
QString StripResultCode(const QString& reply);
// A payload that is a number in decimal (a web league or tournament
// number). Throws SoapError for anything else.
Long ReadWebNumber(const QString& payload);

struct WebTournament {
    Long number = 0;
    QString name;
};
// The tournaments on the league home page, in reply order, from the whole
// reply of GetWebTournaments. Throws SoapError for a list that does not end
// with the separator, holds an unpaired item or a number that is none.
QList<WebTournament> ReadTournamentList(const QString& reply);

// The league home page's details, in the order of the service's fields.
struct WebLeagueRecord {
    QString leagueName;
    bool showManagerName = false;
    bool showManagerEmail = false;
    QString city;
    QString state;
    QString country;
    QString message;
    QString unused;
    QString viewerPassword;
    QString firstName;
    QString lastName;
};
// Reads the payload of GetWebLeague3. Throws SoapError for any number of
// fields but 11 or a flag that is not a Boolean.
WebLeagueRecord ReadLeagueRecord(const QString& payload);
