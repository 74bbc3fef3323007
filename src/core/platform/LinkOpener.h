#pragma once

#include <QString>
#include <QUrl>

// How the program reaches the desktop to open files, web pages and e-mail
// links and to start other programs. The windows install the desktop's one at
// start-up; tests install a recording double, so no test opens anything.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;

    // The desktop's "open" action on a file, web or mailto: address; false
    // when it could not be started.
    virtual bool open(const QUrl& url) = 0;
    // The full path of an installed program, or the empty text.
    virtual QString findProgram(const QString& name) = 0;
    // Starts a program detached from ours; false when it did not start.
    virtual bool startProgram(const QString& path) = 0;
};

// The program's one link opener. Until a window layer installs its own, one
// that opens nothing and starts nothing is used.
LinkOpener& linkOpener();
void setLinkOpener(LinkOpener* opener);
