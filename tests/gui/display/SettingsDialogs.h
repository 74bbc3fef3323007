#pragma once

#include "core/platform/AppPaths.h"
#include "core/store/SettingsFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

// The keys of a Defaults.ini section in the order they stand in the file,
// which is the order a dialog first wrote them.
inline QStringList SettingsKeysInOrder(const QString& section)
{
    QFile file(AppPaths::settingsFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList keys;
    bool inSection = false;
    static const QRegularExpression header(QStringLiteral(R"(^\[(.*)\]$)"));
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString l = line.trimmed();
        if (const QRegularExpressionMatch m = header.match(l); m.hasMatch())
            inSection = m.captured(1) == section;
        else if (inSection && l.contains(QLatin1Char('=')))
            keys << l.section(QLatin1Char('='), 0, 0);
    }
    return keys;
}
