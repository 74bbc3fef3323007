#include "core/platform/LinkOpener.h"

namespace {

class NoDesktopLinkOpener final : public LinkOpener {
public:
    bool open(const QUrl&) override { return false; }
    QString findProgram(const QString&) override { return QString(); }
    bool startProgram(const QString&) override { return false; }
};

NoDesktopLinkOpener gNoDesktop;
LinkOpener* gOpener = &gNoDesktop;

} // namespace

LinkOpener& linkOpener() { return *gOpener; }

void setLinkOpener(LinkOpener* opener) { gOpener = opener ? opener : &gNoDesktop; }
