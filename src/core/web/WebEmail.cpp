#include "core/web/WebEmail.h"

#include "core/platform/Database.h"
#include "core/store/NameCompare.h"
#include "core/store/Nz.h"

#include <QUrl>
#include <algorithm>

namespace {

QList<EmailRecipient> readRecipients(Database& db, const QString& sql, Long id)
{
    QList<EmailRecipient> recipients;
    for (Recordset rs = db.query(sql, {id}); !rs.eof(); rs.moveNext())
        recipients.append({NzLong(rs.value(QStringLiteral("PlayerID"))),
                           NzString(rs.value(QStringLiteral("PlayerName"))),
                           NzString(rs.value(QStringLiteral("Email")))});
    std::stable_sort(recipients.begin(), recipients.end(),
                     [](const EmailRecipient& a, const EmailRecipient& b) { return CompareNames(a.name, b.name) < 0; });
    return recipients;
}

QString encoded(const QString& text, const QByteArray& keep = {})
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text, keep));
}

} // namespace

bool HasEmailAddress(const QString& email) { return email.size() > 4; }

QString RecipientListText(const EmailRecipient& r) { return HasEmailAddress(r.email) ? r.name : r.name + NoEmailMark; }

QString RecipientAddressText(const QString& email) { return HasEmailAddress(email) ? email : UnknownEmailText; }

QList<EmailRecipient> TournamentRecipients(Database& db, Long TournamentID)
{
    return readRecipients(db,
                          QStringLiteral("SELECT P.PlayerID, P.PlayerName, P.Email FROM tblTournamentXPlayer X "
                                         "INNER JOIN tblPlayer P ON X.PlayerID = P.PlayerID "
                                         "WHERE X.TournamentID = ? ORDER BY P.PlayerID"),
                          TournamentID);
}

QList<EmailRecipient> LeagueRecipients(Database& db, Long LeagueID)
{
    return readRecipients(db,
                          QStringLiteral("SELECT P.PlayerID, P.PlayerName, P.Email FROM tblPlayer P "
                                         "WHERE P.PlayerID IN (SELECT PlayerID FROM tblLeagueXPlayer "
                                         "WHERE LeagueID = ?) ORDER BY P.PlayerID"),
                          LeagueID);
}

ListedName SplitNoEmailMark(const QString& text)
{
    if (!text.contains(QStringLiteral("(NO EMAIL)")))
        return {text, false};
    return {text.left(std::max<qsizetype>(0, text.size() - NoEmailMark.size())), true};
}

QString EditedRecipientText(const QString& newName, const QString& newEmail, bool wasMarked)
{
    return newEmail.isEmpty() && wasMarked ? newName + NoEmailMark : newName;
}

QList<int> TickedWithAddress(const QList<bool>& ticked, const QStringList& emails)
{
    QList<int> positions;
    for (int i = 0; i < ticked.size() && i < emails.size(); ++i)
        if (ticked[i] && HasEmailAddress(emails[i]))
            positions << i;
    return positions;
}

QStringList TickedAddresses(const QList<bool>& ticked, const QStringList& emails)
{
    QStringList addresses;
    for (int i : TickedWithAddress(ticked, emails))
        addresses << emails[i];
    return addresses;
}

EmailWalkEnd EndOfEmailWalk(const QStringList& names, const QList<EmailOutcome>& outcomes)
{
    QStringList notMailed;
    QStringList perhaps;
    EmailWalkEnd end;
    for (int i = 0; i < names.size(); ++i) {
        const EmailOutcome outcome = outcomes.value(i, EmailOutcome::NotSent);
        if (outcome == EmailOutcome::NotSent || outcome == EmailOutcome::Refused)
            notMailed << names[i];
        else
            end.untick << i;
        if (outcome == EmailOutcome::MayHaveGone)
            perhaps << names[i];
    }
    if (notMailed.isEmpty() && perhaps.isEmpty())
        return {};
    end.text = QStringLiteral("Not every ticked player was mailed.");
    if (!notMailed.isEmpty())
        end.text += QStringLiteral("  Not mailed: %1.").arg(notMailed.join(QStringLiteral(", ")));
    if (!perhaps.isEmpty())
        end.text += QStringLiteral("  Perhaps mailed: %1.").arg(perhaps.join(QStringLiteral(", ")));
    end.text += notMailed.isEmpty()
        ? QStringLiteral("  The players mailed are no longer ticked; tick one to mail them once more.")
        : QStringLiteral("  Only those not mailed stay ticked, so the next Send reaches only them.");
    return end;
}

QString ToText(const QStringList& addresses) { return addresses.join(QStringLiteral("; ")); }

QString GroupRecipients(const QStringList& addresses) { return addresses.join(QLatin1Char(';')); }

QString ResultsEmailBody(const QString& tournamentName, const QString& webDate, const QString& homePage,
                         const QString& viewerPassword)
{
    QString body = QStringLiteral("Results are available on the internet for a poker tournament you recently "
                                  "participated in: \n\nTournament Name:  ")
        + tournamentName + QStringLiteral("  \n\nTournament Date: ") + webDate
        + QStringLiteral(" \n\nResults can be viewed at: \n") + homePage + QLatin1Char(' ');
    if (!viewerPassword.isEmpty())
        body += QStringLiteral(" \n\nYou will be required to provide the following password to access the league "
                               "home page: ")
            + viewerPassword;
    return body;
}

QString MailtoAddress(const QString& to, const QString& subject, const QString& body)
{
    QString lines = body;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return QStringLiteral("mailto:") + encoded(to, "@;") + QStringLiteral("?subject=") + encoded(subject)
        + QStringLiteral("&body=") + encoded(lines);
}
