#include "QtMessageCheck.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <utility>

namespace {

struct Expectation {
    QString Part;
    int Seen = 0;
};

std::mutex gMutex;
QtMessageHandler gPrevious = nullptr;
std::map<const ExpectedWarning*, Expectation> gExpected;
QStringList gUnexpected; // of the test running

// Said by the offscreen platform the tests run on whatever the program
// does, so they tell nothing about the code under test: a window's size
// hints, raising a window and a pop-up menu grabbing the keyboard, which a
// desktop's platform honours and this one only notes. Only these, each by
// its own words; they are still printed.
const QStringList PlatformNoise {
    QStringLiteral("This plugin does not support propagateSizeHints()"),
    QStringLiteral("This plugin does not support raise()"),
    QStringLiteral("This plugin does not support grabbing the keyboard"),
};

bool isPlatformNoise(const QString& message)
{
    for (const QString& noise : PlatformNoise)
        if (message.contains(noise))
            return true;
    return false;
}

QString described(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const char* kind = type == QtWarningMsg ? "warning" : type == QtCriticalMsg ? "critical message" : "fatal error";
    const QString category = QString::fromUtf8(context.category ? context.category : "default");
    return QStringLiteral("Qt %1%2: %3")
        .arg(QString::fromLatin1(kind),
             category == QLatin1String("default") ? QString() : QStringLiteral(" (%1)").arg(category), message);
}

void checkMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg) {
        gPrevious(type, context, message);
        return;
    }
    if (type != QtFatalMsg) {
        if (isPlatformNoise(message)) {
            gPrevious(type, context, message);
            return;
        }
        const std::lock_guard lock(gMutex);
        for (auto& [guard, expected] : gExpected) {
            if (message.contains(expected.Part)) {
                ++expected.Seen;
                return;
            }
        }
    }
    gPrevious(type, context, message);
    if (type == QtFatalMsg)
        return; // Qt ends the program once the message is out
    const QString text = described(type, context, message);
    if (::testing::UnitTest::GetInstance()->current_test_info()) {
        const std::lock_guard lock(gMutex);
        gUnexpected << text;
    } else {
        ADD_FAILURE() << text.toStdString() << " (outside any test)";
    }
}

// Fails the test that ends with the messages it gave. Called before the
// result is printed, so the test is shown failed.
class QtMessageListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        const std::lock_guard lock(gMutex);
        gUnexpected.clear();
    }
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        QStringList messages;
        {
            const std::lock_guard lock(gMutex);
            messages.swap(gUnexpected);
        }
        for (const QString& m : messages)
            ADD_FAILURE() << m.toStdString();
    }
};

} // namespace

void InstallQtMessageCheck()
{
    gPrevious = qInstallMessageHandler(checkMessage);
    // Appended after the result printer: a test's end reaches the listeners
    // in reverse order, so this one adds its failures before the printer
    // reports the test.
    ::testing::UnitTest::GetInstance()->listeners().Append(new QtMessageListener);
}

ExpectedWarning::ExpectedWarning(QString part)
    : mPart(std::move(part))
{
    const std::lock_guard lock(gMutex);
    gExpected[this] = {mPart, 0};
}

ExpectedWarning::~ExpectedWarning()
{
    int seen = 0;
    {
        const std::lock_guard lock(gMutex);
        seen = gExpected[this].Seen;
        gExpected.erase(this);
    }
    if (seen == 0)
        ADD_FAILURE() << "Qt never warned \"" << mPart.toStdString() << "\" as the test expected";
}

int ExpectedWarning::count() const
{
    const std::lock_guard lock(gMutex);
    return gExpected.at(this).Seen;
}
