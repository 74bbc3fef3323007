#include "core/web/ResultsReplies.h"

#include <QHostAddress>

namespace {

QString unreadable(const QString& what, const QString& reply)
{
    return QStringLiteral("The results web site sent %1 that cannot be read: \"%2\"").arg(what, reply.left(200));
}

// The league record holds the home page's password: errors do not quote it.
const QString UnreadableLeague = QStringLiteral("The results web site sent league details that cannot be read.");

bool isCode(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool codeSucceeds(QChar code, SuccessRule rule)
{
    return rule == SuccessRule::CodeZero ? code == QLatin1Char('0') : code != QLatin1Char('1');
}

std::optional<Long> numberIn(const QString& text)
{
    bool ok = false;
    const Long n = text.trimmed().toInt(&ok);
    return ok ? std::optional<Long>(n) : std::nullopt;
}

bool readFlag(const QString& field)
{
    const QString f = field.trimmed();
    if (f.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (f.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool isNumber = false;
    const double n = f.toDouble(&isNumber);
    if (!isNumber)
        throw SoapError(UnreadableLeague);
    return n != 0;
}

} // namespace

std::optional<QUrl> ResultsSiteAddress(const QString& setting)
{
    QString text = setting.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    if (!text.contains(QLatin1String("://")))
        text.prepend(QStringLiteral("https://"));
    while (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        || url.hasQuery() || url.hasFragment())
        throw SoapError(QStringLiteral("The results web site address \"%1\" is not a web address.").arg(setting));
    return url;
}

QUrl ServiceDescriptionAddress(const QUrl& site)
{
    return QUrl(site.toString() + QStringLiteral("/ZRVResultsShare.asmx?WSDL"));
}

QString SignUpPageAddress(const QUrl& site) { return site.toString() + QStringLiteral("/webresultssharing.aspx"); }

QString LeagueHomePageAddress(const QUrl& site, Long webLeagueId)
{
    return site.toString() + QStringLiteral("/leaguehome.aspx?webleagueid=") + QString::number(webLeagueId);
}

bool SendsPasswordsInClear(const QUrl& site)
{
    if (site.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) != 0)
        return false;
    if (site.host().compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return false;
    return !QHostAddress(site.host()).isLoopback();
}

bool ReplySucceeded(const QString& reply, SuccessRule rule)
{
    if (reply.size() < 2)
        throw SoapError(unreadable(QStringLiteral("a reply"), reply));
    if (rule == SuccessRule::AnyCodeButOne && !isCode(reply.front()))
        throw SoapError(unreadable(QStringLiteral("a reply"), reply));
    return codeSucceeds(reply.front(), rule);
}

void CheckStoringReply(const QString& operation, const QString& reply, SuccessRule rule, Storing storing)
{
    if (storing == Storing::No)
        return;
    // Only a whole reply, a code and its separator, can say the call was
    // refused; a bare code is as unreadable as no code at all.
    const bool readable = reply.size() >= 2 && isCode(reply.front());
    if (readable && !codeSucceeds(reply.front(), rule))
        return; // refused: nothing was stored
    if (!readable || (storing == Storing::GivesWebNumber && !numberIn(StripResultCode(reply))))
        throw MayHaveArrivedError(QStringLiteral("The results web site sent a reply to %1 that cannot be read: \"%2\".")
                                      .arg(operation, reply.left(200)));
}

QString StripResultCode(const QString& reply)
{
    if (reply.size() < 2)
        throw SoapError(unreadable(QStringLiteral("a reply"), reply));
    return reply.mid(2);
}

Long ReadWebNumber(const QString& payload)
{
    const std::optional<Long> n = numberIn(payload);
    if (!n)
        throw SoapError(unreadable(QStringLiteral("a number"), payload));
    return *n;
}

QList<WebTournament> ReadTournamentList(const QString& reply)
{
    if (reply.size() == 2)
        return {};
    if (reply.size() < 2 + ListSeparator.size() || !reply.endsWith(ListSeparator))
        throw SoapError(unreadable(QStringLiteral("a tournament list"), reply));
    const QStringList items = StripResultCode(reply.chopped(ListSeparator.size())).split(ListSeparator);
    if (items.size() % 2 != 0)
        throw SoapError(unreadable(QStringLiteral("a tournament list"), reply));
    QList<WebTournament> tournaments;
    for (qsizetype i = 0; i < items.size(); i += 2) {
        const std::optional<Long> number = numberIn(items[i]);
        if (!number)
            throw SoapError(unreadable(QStringLiteral("a tournament list"), reply));
        tournaments.append({*number, items[i + 1]});
    }
    return tournaments;
}

WebLeagueRecord ReadLeagueRecord(const QString& payload)
{
    const QStringList f = payload.split(ListSeparator);
    // More fields than the record has mean a field that holds the separator:
    // read by position, every field after it would land in the wrong box.
    if (f.size() != 11)
        throw SoapError(UnreadableLeague);
    return {f[0], readFlag(f[1]), readFlag(f[2]), f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10]};
}
