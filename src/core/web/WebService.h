#pragma once

#include "core/platform/ModelTypes.h"
#include "core/platform/SoapClient.h"
#include "core/web/ResultsReplies.h"

#include <QDate>

// The operations of the results web service, each called with its
// arguments in the service's order and types. Every call gives the whole
// reply (code, separator, payload) and throws SoapError when the service
// cannot be reached or its answer is no reply; for a call that stores
// something, also when the reply cannot be read (CheckStoringReply). When
// the answer was lost after the call went out, the error says what that
// means for the call (`answerLost`), and only a call that stores or sends
// is marked as one that may have arrived. A text holding a character
// XML cannot carry, and a text that the service lists back (a tournament
// name, the league's details) holding the list separator, are refused with
// SoapError naming where they came from, before anything is sent.

// What the account calls send: the login and password accepted by the last
// successful login, and the account's web league number.
struct WebAccount {
    QString user;
    QString password;
    Long league = 0;
};

// One entry's result on the league home page.
struct WebPlayerResult {
    QString eliminatedBy;
    Long kills = 0;
    Long webTournament = 0;
    QString playerName;
    Long finish = 0;
    double payout = 0;
    double totalBuyin = 0;
    double totalRebuy = 0;
    double totalAddon = 0;
    Integer numRebuys = 0;
    Integer numAddons = 0;
    Long entryId = 0;
    Long points = 0;
};

enum class SoapType { Text, Int32, Int16, Double };

struct WebOperation {
    QString name;
    QList<SoapType> arguments;
    SuccessRule rule;
    Storing storing = Storing::No;
    // What is true of the call when its answer was lost after it went out
    // whole, said after why; empty for a call that stores and sends nothing.
    QString answerLost = {};
};

// The twelve operations the program calls.
const QList<WebOperation>& WebOperations();
// The operation of that name; throws SoapError naming it when it is not one
// of them.
const WebOperation& WebOperationNamed(const QString& name);

// Throws SoapError naming the first operation that the description does not
// offer, cannot call, or declares with another number of parameters.
void CheckWebServiceDescription(const ServiceDescription& description);

// Throws SoapError naming the player when the player's name, or the name of
// the player who eliminated them, holds a character XML cannot carry, or when
// the winnings are below 0 (stored so before the payouts were kept from going
// below 0, or changed outside the program); so a tournament can be refused
// before any of it is sent.
void CheckPlayerResult(const WebPlayerResult& result);

namespace WebService {

QString TestConnection(SoapClient& client);
QString LoginNew(SoapClient& client, const QString& login, const QString& password);
QString GetWebLeague3(SoapClient& client, const WebAccount& account);
QString UpdateWebLeagueInfo3(SoapClient& client, const WebAccount& account, const WebLeagueRecord& league);
QString GetWebTournaments(SoapClient& client, const WebAccount& account);
QString InsertWebTournament(SoapClient& client, const WebAccount& account, const QString& name, Long tournamentId,
                            const QDate& date);
QString InsertWebPlayerResult4(SoapClient& client, const WebAccount& account, const WebPlayerResult& result);
QString DeleteWebTournament(SoapClient& client, const WebAccount& account, Long webTournament);
QString EmailPlayer(SoapClient& client, const WebAccount& account, const QString& recipients, const QString& replyTo,
                    const QString& subject, const QString& body);
QString GetSecurityQuestion(SoapClient& client, const QString& login);
QString ChangePasswordBySecurityAnswer(SoapClient& client, const QString& login, const QString& answer,
                                       const QString& newPassword);
QString ChangePassword(SoapClient& client, const WebAccount& account, const QString& newPassword);

} // namespace WebService
