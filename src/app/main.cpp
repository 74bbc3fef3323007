#include "core/platform/AppPaths.h"
#include "gui/home/ProgramStart.h"
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

    MessagePrompter messageBoxes;
    setPrompter(&messageBoxes);
    DesktopLinkOpener desktopLinks;
    setLinkOpener(&desktopLinks);
    SystemSoundPlayer sounds;
    setSoundPlayer(&sounds);

    // Held while ZRV runs, so that a second ZRV or the upgrade program keeps
    // away from the data folder meanwhile.
    QLockFile running(AppPaths::runningLockFile());
    const std::unique_ptr<frmControlPanel> home = OpenHomeWindow(running);
    if (!home)
        return 1;
    return app.exec();
}
