#include "core/store/OpenFileOrLink.h"

#include "core/platform/LinkOpener.h"
#include "core/platform/Prompter.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString CalculatorTarget = QStringLiteral("calc.exe");

// A scheme has at least two characters, so a drive letter ("C:") is none.
bool hasScheme(const QString& target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(target).hasMatch();
}

void startCalculator()
{
    LinkOpener& opener = linkOpener();
    for (const QString& name : KnownCalculators()) {
        const QString path = opener.findProgram(name);
        if (path.isEmpty())
            continue;
        if (!opener.startProgram(path))
            prompter().message(QStringLiteral("Unable to go to file/link."));
        return;
    }
    prompter().message(QStringLiteral("No calculator program is installed (one of %1).")
                           .arg(KnownCalculators().join(QStringLiteral(", "))));
}

} // namespace

QStringList KnownCalculators()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),         QStringLiteral("galculator"),
            QStringLiteral("mate-calc"),        QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
}

QUrl LinkTargetUrl(const QString& target)
{
    const QFileInfo file(target);
    if (file.exists())
        return QUrl::fromLocalFile(file.absoluteFilePath());
    if (hasScheme(target)) {
        const QUrl url(target, QUrl::TolerantMode);
        return url.isValid() ? url : QUrl();
    }
    if (target.startsWith(QStringLiteral("www."), Qt::CaseInsensitive)) {
        const QUrl url(QStringLiteral("http://") + target, QUrl::TolerantMode);
        return url.isValid() ? url : QUrl();
    }
    return QUrl();
}

void OpenFileOrLink(const QString& target)
{
    if (target.isEmpty()) {
        prompter().message(QStringLiteral("No item specified."));
        return;
    }
    if (target.compare(CalculatorTarget, Qt::CaseInsensitive) == 0) {
        startCalculator();
        return;
    }
    const QUrl url = LinkTargetUrl(target);
    if (url.isEmpty() || !linkOpener().open(url))
        prompter().message(QStringLiteral("Unable to go to file/link."));
}

void OpenWebSite(const QString& address)
{
    if (address.trimmed().isEmpty()) {
        prompter().message(NoWebSiteText());
        return;
    }
    OpenFileOrLink(address.trimmed());
}

QString NoWebSiteText() { return QStringLiteral("No web site is set."); }
