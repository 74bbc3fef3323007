#include "upgrade/UpgradeEngine.h"
#include "upgrade/frmUpgrade.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ZRVUpgrade"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));

    frmUpgrade window(QCoreApplication::applicationDirPath(), ZrvDataFolder());
    window.show();
    window.Form_Load();
    return app.exec();
}
