#include "gui/home/ProgramStart.h"

#include "ModalDialogs.h"
#include "TestSupport.h"
#include "core/platform/AppPaths.h"
#include "core/platform/RunningLock.h"

#include <QDir>

#include <gtest/gtest.h>

using ProgramStartTest = DataFolderTest;

TEST_F(ProgramStartTest, ASecondStartSaysSoAndOpensNothing)
{
    QLockFile first(AppPaths::runningLockFile());
    ASSERT_TRUE(first.tryLock(0));

    QLockFile second(AppPaths::runningLockFile());
    EXPECT_EQ(OpenHomeWindow(second).get(), nullptr) << "the home window opened";
    EXPECT_EQ(prompts.messages, QStringList {SecondStartMessage({QLockFile::LockFailedError}, dir.path())});
    // Neither the settings nor the database of the folder were touched.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"zrv.lock"});
    EXPECT_TRUE(first.isLocked());
}

TEST_F(ProgramStartTest, AFirstStartHoldsTheFolderAndOpensTheHomeWindow)
{
    QLockFile running(AppPaths::runningLockFile());
    QStringList modals;
    CancelNextModal(modals); // the splash
    const std::unique_ptr<frmControlPanel> home = OpenHomeWindow(running);
    ASSERT_NE(home, nullptr);
    EXPECT_TRUE(home->isVisible());
    EXPECT_EQ(modals, QStringList {"frmAbout"});
    EXPECT_TRUE(running.isLocked());
    EXPECT_TRUE(prompts.messages.isEmpty());
}
