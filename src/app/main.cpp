#include "core/platform/AppPaths.h"
#include "core/platform/RunningLock.h"
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

    // Held while ZRV runs, so that a second ZRV or the upgrade program keeps
    // away from the data folder meanwhile; the lock of a ZRV that ended
    // without letting go is taken over.
    QLockFile running(AppPaths::runningLockFile());
    const RunningLockAttempt lock = TakeRunningLock(running);

    MessagePrompter messageBoxes;
    setPrompter(&messageBoxes);
    // Ends before anything opens the database the other one works on.
    if (const QString refusal = SecondStartMessage(lock, AppPaths::dataFolder()); !refusal.isEmpty()) {
        prompter().message(refusal);
        return 1;
    }

    DesktopLinkOpener desktopLinks;
    setLinkOpener(&desktopLinks);
    SystemSoundPlayer sounds;
    setSoundPlayer(&sounds);

    frmControlPanel home;
    home.Form_Load();
    home.show();
    return app.exec();
}
