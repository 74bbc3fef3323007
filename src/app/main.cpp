#include "gui/home/frmControlPanel.h"
#include "gui/platform/DesktopLinkOpener.h"
#include "gui/platform/MessagePrompter.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ZRV"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZRV_VERSION));
    // The home window decides when the program ends.
    app.setQuitOnLastWindowClosed(false);

    DesktopLinkOpener desktopLinks;
    setLinkOpener(&desktopLinks);
    MessagePrompter messageBoxes;
    setPrompter(&messageBoxes);

    frmControlPanel home;
    home.Form_Load();
    home.show();
    return app.exec();
}
