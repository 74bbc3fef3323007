#include "core/platform/ReportFailures.h"

#include <QStringList>
#include <QtGlobal>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

QStringList gLogged;

void record(QtMsgType, const QMessageLogContext&, const QString& text) { gLogged << text; }

} // namespace

TEST(LogFailures, AFailingStepIsLoggedByNameAndWhatFailedAndTheCallerGoesOn)
{
    gLogged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(record);
    const bool thrown = LogFailures(QStringLiteral("Scrolling grid"), [] { throw std::runtime_error("no rows"); });
    const bool unknown = LogFailures(QStringLiteral("Scrolling gridTables"), [] { throw 3; });
    int ran = 0;
    const bool fine = LogFailures(QStringLiteral("Scrolling gridAwards"), [&ran] { ++ran; });
    qInstallMessageHandler(previous);

    EXPECT_FALSE(thrown);
    EXPECT_FALSE(unknown);
    EXPECT_TRUE(fine);
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(gLogged,
              (QStringList {QStringLiteral("Scrolling grid failed: no rows"),
                            QStringLiteral("Scrolling gridTables failed")}));
}
