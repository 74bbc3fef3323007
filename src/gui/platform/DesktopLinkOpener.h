#pragma once

#include "core/platform/LinkOpener.h"

// Opens through the desktop's own handlers and starts programs detached.
class DesktopLinkOpener final : public LinkOpener {
public:
    bool open(const QUrl& url) override;
    QString findProgram(const QString& name) override;
    bool startProgram(const QString& path) override;
};
