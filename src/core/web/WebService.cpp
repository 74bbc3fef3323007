#include "core/web/WebService.h"

#include "core/store/Payouts.h"
#include "core/store/PlainNumberText.h"
#include "core/web/WebPosting.h"

#include <algorithm>

namespace {

using T = SoapType;

QString call(SoapClient& client, const char* operation, const QList<SoapValue>& arguments)
{
    const QString name = QString::fromLatin1(operation);
    // Looked up before anything is sent: how to read the reply is part of
    // the call.
    const WebOperation& op = WebOperationNamed(name);
    try {
        const QString reply = client.Call(name, arguments);
        CheckStoringReply(name, reply, op.rule, op.storing);
        return reply;
    } catch (const SoapError& e) {
        if (!e.mayHaveArrived())
            throw;
        // A call that stores and sends nothing did nothing, wherever it got.
        if (op.storing == Storing::No)
            throw SoapError(e.text());
        throw SoapError(e.text() + QStringLiteral("  ") + op.answerLost, SoapError::Delivery::MaybeDone);
    }
}

// What a lost answer means for a call whose work can be seen on the web site.
const QString LookOnTheSite = QStringLiteral(
    "The call was not sent again: it may have arrived, so look on the web site before trying it once more.");

QList<SoapValue> withAccount(const WebAccount& account, const QList<SoapValue>& rest = {})
{
    return QList<SoapValue> {account.user, account.password, account.league} + rest;
}

QList<SoapValue> withLogin(const WebAccount& account, const QList<SoapValue>& rest)
{
    return QList<SoapValue> {account.user, account.password} + rest;
}

qint16 flag(bool value) { return value ? 1 : 0; }

// A text to be sent and what holds it, as the user knows it ("The League
// Message box").
struct SentText {
    QString owner;
    QString text;
};

QString nothingSent(const QString& what)
{
    return QStringLiteral("  Nothing was sent.  Please take %1 out and try again.").arg(what);
}

// Refuses the call before anything is sent when one of the texts holds a
// character XML cannot carry: the site would get another text, or none.
void checkSentTexts(const QList<SentText>& texts)
{
    for (const SentText& t : texts) {
        if (const std::optional<char32_t> c = CharacterXmlCannotCarry(t.text))
            throw SoapError(QStringLiteral("%1 holds a character that cannot be sent to the results web site (%2).")
                                .arg(t.owner, CodePointName(*c))
                            + nothingSent(QStringLiteral("that character")));
    }
}

// The same for texts the service hands back as items of a list, which
// must not hold the list separator either: it would split them and shift
// every item after them.
void checkListedTexts(const QList<SentText>& texts)
{
    checkSentTexts(texts);
    for (const SentText& t : texts) {
        if (t.text.contains(ListSeparator))
            throw SoapError(QStringLiteral("%1 holds \"%2\", which the results web site uses to separate the items "
                                           "of its lists.")
                                .arg(t.owner, ListSeparator)
                            + nothingSent(QStringLiteral("\"%1\"").arg(ListSeparator)));
    }
}

// A name as a message shows it: what cannot be sent cannot be shown either.
QString shown(const QString& name)
{
    QString kept;
    for (const QChar c : name)
        if (!CharacterXmlCannotCarry(QString(c)) || c.isSurrogate())
            kept += c;
    return kept;
}

QString box(const char* label) { return QStringLiteral("The %1 box").arg(QLatin1String(label)); }

QString playerName(const QString& name) { return QStringLiteral("The name of the player \"%1\"").arg(shown(name)); }

} // namespace

const QList<WebOperation>& WebOperations()
{
    static const QList<WebOperation> operations {
        {QStringLiteral("TestConnection"), {}, SuccessRule::CodeZero},
        {QStringLiteral("LoginNew"), {T::Text, T::Text}, SuccessRule::CodeZero},
        {QStringLiteral("GetWebLeague3"), {T::Text, T::Text, T::Int32}, SuccessRule::CodeZero},
        {QStringLiteral("UpdateWebLeagueInfo3"),
         {T::Text, T::Text, T::Int32, T::Text, T::Text, T::Text, T::Text, T::Int16, T::Int16, T::Text, T::Text, T::Text,
          T::Text},
         SuccessRule::CodeZero,
         Storing::Yes,
         LookOnTheSite},
        {QStringLiteral("GetWebTournaments"), {T::Text, T::Text, T::Int32}, SuccessRule::CodeZero},
        {QStringLiteral("InsertWebTournament"),
         {T::Text, T::Text, T::Int32, T::Text, T::Text, T::Text},
         SuccessRule::CodeZero,
         Storing::GivesWebNumber,
         LookOnTheSite},
        {QStringLiteral("InsertWebPlayerResult4"),
         {T::Text, T::Text, T::Text, T::Double, T::Text, T::Text, T::Int32, T::Double, T::Double, T::Double, T::Double,
          T::Int16, T::Int16, T::Int32, T::Double},
         SuccessRule::AnyCodeButOne,
         Storing::Yes,
         LookOnTheSite},
        {QStringLiteral("DeleteWebTournament"),
         {T::Text, T::Text, T::Int32},
         SuccessRule::AnyCodeButOne,
         Storing::Yes,
         LookOnTheSite},
        {QStringLiteral("EmailPlayer"),
         {T::Text, T::Text, T::Text, T::Text, T::Text, T::Text},
         SuccessRule::CodeZero,
         Storing::Sends,
         QStringLiteral("The email was not sent again: it may have gone out all the same.")},
        {QStringLiteral("GetSecurityQuestion"), {T::Text}, SuccessRule::CodeZero},
        {QStringLiteral("ChangePasswordBySecurityAnswer"),
         {T::Text, T::Text, T::Text},
         SuccessRule::CodeZero,
         Storing::Yes,
         QStringLiteral("The change of password was not sent again: the web site may have stored it, so try to log in "
                        "with the new password before asking for it once more.")},
        {QStringLiteral("ChangePassword"),
         {T::Text, T::Text, T::Text},
         SuccessRule::CodeZero,
         Storing::Yes,
         QStringLiteral("The change of password was not sent again: the web site may have stored it, now or later.")},
    };
    return operations;
}

const WebOperation& WebOperationNamed(const QString& name)
{
    const QList<WebOperation>& all = WebOperations();
    const auto op = std::find_if(all.cbegin(), all.cend(), [&](const WebOperation& o) { return o.name == name; });
    if (op == all.cend())
        throw SoapError(QStringLiteral("The program does not know the web service's operation %1.").arg(name));
    return *op;
}

void CheckWebServiceDescription(const ServiceDescription& description)
{
    for (const WebOperation& op : WebOperations()) {
        const auto found = description.operations.constFind(op.name);
        if (found == description.operations.cend())
            throw SoapError(QStringLiteral("The results service does not offer the operation %1.").arg(op.name));
        if (!found->problem.isEmpty())
            throw SoapError(found->problem);
        if (found->parameters.size() != op.arguments.size())
            throw SoapError(QStringLiteral("The results service's operation %1 takes %2 arguments, not %3.")
                                .arg(op.name)
                                .arg(found->parameters.size())
                                .arg(op.arguments.size()));
    }
}

void CheckPlayerResult(const WebPlayerResult& result)
{
    checkSentTexts(
        {{playerName(result.playerName), result.playerName}, {playerName(result.eliminatedBy), result.eliminatedBy}});
    // Mended by the director, never here: what the player won is his call.
    if (result.payout < 0)
        throw SoapError(QStringLiteral("The winnings of the player \"%1\" are below 0 (%2).  Nothing was sent.  "
                                       "Please open the tournament and mend them %3; then try again.")
                            .arg(shown(result.playerName), AmountText(result.payout), MendWinningsHow()));
}

namespace WebService {

QString TestConnection(SoapClient& client) { return call(client, "TestConnection", {}); }

QString LoginNew(SoapClient& client, const QString& login, const QString& password)
{
    checkSentTexts({{box("Email Address"), login}, {box("Password"), password}});
    return call(client, "LoginNew", {login, password});
}

QString GetWebLeague3(SoapClient& client, const WebAccount& account)
{
    return call(client, "GetWebLeague3", withAccount(account));
}

QString UpdateWebLeagueInfo3(SoapClient& client, const WebAccount& account, const WebLeagueRecord& league)
{
    checkListedTexts({{box("League Name"), league.leagueName},
                      {box("City/Region"), league.city},
                      {box("State"), league.state},
                      {box("Country"), league.country},
                      {box("League Message"), league.message},
                      {box("League Homepage Password"), league.viewerPassword},
                      {box("Manager First"), league.firstName},
                      {box("Manager Last"), league.lastName}});
    return call(client, "UpdateWebLeagueInfo3",
                withAccount(account,
                            {league.city, league.state, league.country, league.message, flag(league.showManagerName),
                             flag(league.showManagerEmail), league.leagueName, league.viewerPassword, league.firstName,
                             league.lastName}));
}

QString GetWebTournaments(SoapClient& client, const WebAccount& account)
{
    return call(client, "GetWebTournaments", withAccount(account));
}

QString InsertWebTournament(SoapClient& client, const WebAccount& account, const QString& name, Long tournamentId,
                            const QDate& date)
{
    checkListedTexts({{QStringLiteral("The name of the tournament \"%1\"").arg(shown(name)), name}});
    return call(client, "InsertWebTournament",
                withAccount(account, {name, QString::number(tournamentId), WebDateText(date)}));
}

QString InsertWebPlayerResult4(SoapClient& client, const WebAccount& account, const WebPlayerResult& r)
{
    CheckPlayerResult(r);
    return call(
        client, "InsertWebPlayerResult4",
        withLogin(account,
                  {r.eliminatedBy, double(r.kills), QString::number(r.webTournament), r.playerName, r.finish, r.payout,
                   r.totalBuyin, r.totalRebuy, r.totalAddon, r.numRebuys, r.numAddons, r.entryId, double(r.points)}));
}

QString DeleteWebTournament(SoapClient& client, const WebAccount& account, Long webTournament)
{
    return call(client, "DeleteWebTournament", withLogin(account, {webTournament}));
}

QString EmailPlayer(SoapClient& client, const WebAccount& account, const QString& recipients, const QString& replyTo,
                    const QString& subject, const QString& body)
{
    QList<SentText> texts;
    for (const QString& address : recipients.split(QLatin1Char(';')))
        texts.append({QStringLiteral("The email address \"%1\"").arg(shown(address.trimmed())), address});
    checkSentTexts(
        texts
        + QList<SentText> {{box("Reply to Address"), replyTo}, {box("Subject"), subject}, {box("Message"), body}});
    return call(client, "EmailPlayer", withLogin(account, {recipients, replyTo, subject, body}));
}

QString GetSecurityQuestion(SoapClient& client, const QString& login)
{
    checkSentTexts({{box("Email Address"), login}});
    return call(client, "GetSecurityQuestion", {login});
}

QString ChangePasswordBySecurityAnswer(SoapClient& client, const QString& login, const QString& answer,
                                       const QString& newPassword)
{
    checkSentTexts({{box("Email Address"), login}, {box("Answer"), answer}, {box("New Password"), newPassword}});
    return call(client, "ChangePasswordBySecurityAnswer", {login, answer, newPassword});
}

QString ChangePassword(SoapClient& client, const WebAccount& account, const QString& newPassword)
{
    checkSentTexts({{box("New Password"), newPassword}});
    return call(client, "ChangePassword", withLogin(account, {newPassword}));
}

} // namespace WebService
