#include "core/floor/Levels.h"
#include "core/platform/AppPaths.h"
#include "core/store/OpenTournament.h"
#include "core/store/TournamentStore.h"
#include "gui/home/frmControlPanel.h"
#include "gui/platform/DesktopLinkOpener.h"
#include "gui/platform/MessagePrompter.h"
#include "gui/platform/SystemSoundPlayer.h"

#include <QApplication>
#include <QLockFile>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(MainProgramName());
    QCoreApplication::setApplicationVersion(QStringLiteral(ZRV_VERSION));
    // The home window decides when the program ends.
    app.setQuitOnLastWindowClosed(false);

    // Held while ZRV runs, so that the upgrade program will not replace it
    // meanwhile. A second ZRV that cannot take it goes on as before; the lock
    // of a ZRV that ended without letting go is cleared by the next taker.
    QLockFile running(AppPaths::runningLockFile());
    running.setStaleLockTime(0);
    running.tryLock(0);

    DesktopLinkOpener desktopLinks;
    setLinkOpener(&desktopLinks);
    MessagePrompter messageBoxes;
    setPrompter(&messageBoxes);
    SystemSoundPlayer sounds;
    setSoundPlayer(&sounds);

    // Every load makes its level current; the tournament window shows it at
    // its next refresh.
    setSetLevelHook([](Integer level) { SetLevel(openTournament(), level); });

    frmControlPanel home;
    home.Form_Load();
    home.show();
    return app.exec();
}
