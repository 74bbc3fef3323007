#include "UpgradeTestFolder.h"
#include "upgrade/UpgradePrompts.h"
#include "upgrade/frmUpgrade.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace {

// Records every message, and whether the busy pointer was still up then;
// answers the file picker from a script (an empty text, or none left, is a
// cancel).
class ScriptedUpgradePrompts : public UpgradePrompts {
public:
    QStringList messages;
    bool busyDuringMessage = false;
    QStringList choices;
    QStringList startPaths;

    void message(QWidget*, const QString& text) override
    {
        messages << text;
        busyDuringMessage = busyDuringMessage || QGuiApplication::overrideCursor();
    }
    std::optional<QString> chooseProgram(QWidget*, const QString& startPath) override
    {
        startPaths << startPath;
        const QString choice = choices.isEmpty() ? QString() : choices.takeFirst();
        return choice.isEmpty() ? std::nullopt : std::optional(choice);
    }
};

} // namespace

class UpgradeWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        window.Form_Load();
    }

    template <typename T>
    T* control(const char* name) const
    {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    void click(const char* button) { QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton); }

    UpgradeFolder folder;
    ScriptedUpgradePrompts prompts;
    DiskFileOperations files;
    frmUpgrade window {folder.file(QStringLiteral("tool")), folder.file(QStringLiteral("data")), &prompts, &files};
};

TEST_F(UpgradeWindow, AFailureKeepsTheWindowAndEnterThenUpgradesAndEnds)
{
    EXPECT_EQ(control<QLineEdit>("txtFile")->text(), folder.paths.program);
    QFile::remove(folder.paths.database);
    const auto before = folder.snapshot();

    click("cmdUpgrade");

    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith(QStringLiteral("The database ")));
    EXPECT_EQ(folder.snapshot(), before);
    EXPECT_TRUE(window.isVisible());

    UpgradeFolder::write(folder.paths.database, "database");
    QTest::keyClick(control<QLineEdit>("txtFile"), Qt::Key_Return);

    EXPECT_EQ(prompts.messages.last(), QStringLiteral("Upgrade complete."));
    EXPECT_FALSE(prompts.busyDuringMessage);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(UpgradeFolder::read(folder.paths.program), UpgradeFolder::NewProgram());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(UpgradeWindow, BrowseCancelledKeepsThePathAndExitEndsAtOnce)
{
    const QString chosen = folder.file(QStringLiteral("elsewhere/ZRV"));
    prompts.choices = {QString(), chosen};

    click("cmdBrowse");
    EXPECT_EQ(control<QLineEdit>("txtFile")->text(), folder.paths.program);
    click("cmdBrowse");
    click("cmdBrowse");
    EXPECT_EQ(control<QLineEdit>("txtFile")->text(), chosen);
    // Each time in the folder of the path shown then.
    EXPECT_EQ(prompts.startPaths, (QStringList {folder.paths.program, folder.paths.program, chosen}));
    EXPECT_TRUE(prompts.messages.isEmpty());

    const auto before = folder.snapshot();
    click("cmdCancel");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(folder.snapshot(), before);
}
