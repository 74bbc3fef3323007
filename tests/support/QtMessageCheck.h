#pragma once

#include <QString>

// Every Qt warning, critical message or fatal error during a test fails that
// test, naming the message: a connection to nothing, a missing object or a
// property that does not exist never passes unnoticed. The test main
// installs it.
void InstallQtMessageCheck();

// A warning the test provokes on purpose. While the guard lives, a Qt
// warning or critical message whose text contains `part` is the test's own
// and fails nothing; the test fails instead if no such message came by the
// time the guard ends.
class ExpectedWarning {
public:
    explicit ExpectedWarning(QString part);
    ~ExpectedWarning();
    ExpectedWarning(const ExpectedWarning&) = delete;
    ExpectedWarning& operator=(const ExpectedWarning&) = delete;

    // How many messages matched so far.
    int count() const;

private:
    QString mPart;
};
