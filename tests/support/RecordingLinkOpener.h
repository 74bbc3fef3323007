#pragma once

#include "core/platform/LinkOpener.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <QUrl>

// A link opener that records what it is asked to open or start and opens
// nothing. `installed` names the programs it pretends to find (found at
// "/usr/bin/<name>"); `opens` and `starts` say whether those calls succeed.
// Installs itself for its lifetime.
class RecordingLinkOpener : public LinkOpener {
public:
    QList<QUrl> opened;
    QStringList started;
    QSet<QString> installed;
    bool opens = true;
    bool starts = true;

    RecordingLinkOpener() { setLinkOpener(this); }
    ~RecordingLinkOpener() override { setLinkOpener(nullptr); }
    RecordingLinkOpener(const RecordingLinkOpener&) = delete;
    RecordingLinkOpener& operator=(const RecordingLinkOpener&) = delete;

    bool open(const QUrl& url) override
    {
        opened << url;
        return opens;
    }
    QString findProgram(const QString& name) override
    {
        return installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    }
    bool startProgram(const QString& path) override
    {
        started << path;
        return starts;
    }
};
