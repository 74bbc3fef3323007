#include "QtMessageCheck.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ZRV"));
    ::testing::InitGoogleTest(&argc, argv);
    InstallQtMessageCheck();
    return RUN_ALL_TESTS();
}
