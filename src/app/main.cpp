#include "platform/gui_DesktopLinkOpener.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ZRV"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZRV_VERSION));
    DesktopLinkOpener linkOpenerOfTheDesktop;
    setLinkOpener(&linkOpenerOfTheDesktop);
    QTextStream(stdout) << "ZRV " << ZRV_VERSION << ": no window is built yet." << Qt::endl;
    return 0;
}
