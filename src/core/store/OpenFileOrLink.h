#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Opens a file, a web page or a mailto: link with the desktop's "open"
// action, or starts the calculator for "calc.exe". Every failure is told to
// the user through the prompter; nothing is passed back to the caller.
void OpenFileOrLink(const QString& target);

// Opens a web site's address from the settings; an empty address says that
// no web site is set.
void OpenWebSite(const QString& address);
// What a link to a web site says while no address is set.
QString NoWebSiteText();

// What the desktop is asked to open for a target: an existing file as a file
// URL, an address with a scheme (http:, mailto: ...) as it stands, and one
// beginning "www." as a web page. An empty URL when the target names nothing
// that can be opened (for example a missing file).
QUrl LinkTargetUrl(const QString& target);

// The calculator programs looked for, in order; the first installed is used.
QStringList KnownCalculators();
