#include "UpgradeTestFolder.h"
#include "upgrade/UpgradePrompts.h"
#include "upgrade/frmUpgrade.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <optional>

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
        if (choice.isEmpty())
            return std::nullopt;
        return choice;
    }
};

} // namespace

class UpgradeWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<frmUpgrade>(folder.file(QStringLiteral("tool")), folder.file(QStringLiteral("data")),
                                              &prompts, &files);
        window->show();
        window->Form_Load();
    }

    template <typename T>
    T* control(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    UpgradeFolder folder;
    ScriptedUpgradePrompts prompts;
    DiskFileOperations files;
    std::unique_ptr<frmUpgrade> window;
};

TEST_F(UpgradeWindow, OffersTheProgramBesideItAndEnterUpgradesAndEnds)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zorvane Upgrade"));
    EXPECT_EQ(control<QLabel>("Label1")->text(), QStringLiteral("Previous Version Location"));
    EXPECT_EQ(control<QLabel>("Label2")->text(),
              QStringLiteral("Please make sure Zorvane is not running before starting the upgrade."));
    EXPECT_EQ(control<QPushButton>("cmdBrowse")->text(), QStringLiteral(".."));
    EXPECT_EQ(control<QPushButton>("cmdUpgrade")->text(), QStringLiteral("Upgrade"));
    EXPECT_EQ(control<QPushButton>("cmdCancel")->text(), QStringLiteral("Exit"));
    EXPECT_EQ(control<QLineEdit>("txtFile")->text(), folder.paths.program);

    QTest::keyClick(control<QLineEdit>("txtFile"), Qt::Key_Return);

    EXPECT_EQ(prompts.messages, QStringList {QStringLiteral("Upgrade complete.")});
    EXPECT_FALSE(prompts.busyDuringMessage);
    EXPECT_EQ(UpgradeFolder::read(folder.paths.program), "new program");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(UpgradeWindow, AFailureIsShownWithTheNormalPointerAndTheWindowStays)
{
    QFile::remove(folder.paths.database);
    const auto before = folder.snapshot();

    QTest::mouseClick(control<QPushButton>("cmdUpgrade"), Qt::LeftButton);

    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith(QStringLiteral("The database ")));
    EXPECT_FALSE(prompts.busyDuringMessage);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(folder.snapshot(), before);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(UpgradeWindow, BrowseCancelledKeepsThePathAndExitEndsAtOnce)
{
    auto* path = control<QLineEdit>("txtFile");
    const QString chosen = folder.file(QStringLiteral("elsewhere/ZRV"));
    prompts.choices = {QString(), chosen};

    QTest::mouseClick(control<QPushButton>("cmdBrowse"), Qt::LeftButton);
    EXPECT_EQ(path->text(), folder.paths.program);
    QTest::mouseClick(control<QPushButton>("cmdBrowse"), Qt::LeftButton);
    EXPECT_EQ(path->text(), chosen);
    QTest::mouseClick(control<QPushButton>("cmdBrowse"), Qt::LeftButton);
    EXPECT_EQ(path->text(), chosen);
    // Each time in the folder of the path shown then.
    EXPECT_EQ(prompts.startPaths, (QStringList {folder.paths.program, folder.paths.program, chosen}));
    EXPECT_TRUE(prompts.messages.isEmpty());

    const auto before = folder.snapshot();
    QTest::mouseClick(control<QPushButton>("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(folder.snapshot(), before);
}
