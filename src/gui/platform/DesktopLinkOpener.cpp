#include "gui/platform/DesktopLinkOpener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

bool DesktopLinkOpener::open(const QUrl& url) { return QDesktopServices::openUrl(url); }

QString DesktopLinkOpener::findProgram(const QString& name) { return QStandardPaths::findExecutable(name); }

bool DesktopLinkOpener::startProgram(const QString& path) { return QProcess::startDetached(path, QStringList()); }
