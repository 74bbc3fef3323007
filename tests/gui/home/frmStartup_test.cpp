#include "gui/home/frmStartup.h"

#include "LeagueTestData.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using frmStartupTest = LeagueDatabaseTest;

TEST_F(frmStartupTest, OkTakesOnlyANameTheLeagueCheckAllows)
{
    setProgramDatabase(&db);
    addLeague(QStringLiteral("Thursday"));
    frmStartup prompt;
    prompt.show();

    QTest::mouseClick(prompt.cmdOK, Qt::LeftButton);
    EXPECT_EQ(prompts.messages, QStringList {QStringLiteral("League name required.")});
    EXPECT_TRUE(prompt.isVisible());

    prompt.txtName->setText(QStringLiteral("  thursday "));
    QTest::keyClick(prompt.txtName, Qt::Key_Return); // Enter presses OK
    EXPECT_EQ(prompts.messages.last(), QStringLiteral("League name already exists."));
    EXPECT_EQ(prompt.txtName->text(), QStringLiteral("thursday"));
    EXPECT_TRUE(prompt.isVisible());

    prompt.txtName->setText(QStringLiteral(" Saturday  "));
    QTest::mouseClick(prompt.cmdOK, Qt::LeftButton);
    EXPECT_EQ(prompt.result(), QDialog::Accepted);
    EXPECT_EQ(prompt.txtName->text(), QStringLiteral("Saturday"));
    EXPECT_EQ(prompt.windowTitle(), QStringLiteral("Welcome"));
}

TEST_F(frmStartupTest, ADatabaseFailureIsShownAndThePromptStays)
{
    Database closed;
    setProgramDatabase(&closed);
    frmStartup prompt;
    prompt.show();
    prompt.txtName->setText(QStringLiteral("Saturday"));
    QTest::mouseClick(prompt.cmdOK, Qt::LeftButton);
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompt.isVisible());
    EXPECT_NE(prompt.result(), QDialog::Accepted);
}
