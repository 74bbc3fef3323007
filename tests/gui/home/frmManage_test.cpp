#include "gui/home/frmManage.h"

#include "ManageTestData.h"
#include "WindowTestHelpers.h"
#include "core/store/CurrentLeague.h"
#include "gui/shared/frmExport.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace {

using ManageWindowTest = ManageDatabaseTest;

TEST_F(ManageWindowTest, ListsShowTheCurrentLeagueWithAllFirstInTheExportFrame)
{
    struct Case {
        Long current;
        const char* shown;
        const char* exportShown;
        QStringList tournaments;
    };
    const Case cases[] = {
        {monday, "Monday", "Monday", {QStringLiteral("All"), QStringLiteral("Week 1"), QStringLiteral("Week 2")}},
        {0, "Friday", "All", {QStringLiteral("All")}}, // not in the list: the first league, and "All"
    };
    for (const Case& c : cases) {
        openTournament().glngCurrentLeagueID = c.current;
        frmManage hub;
        EXPECT_EQ(EntryTexts(hub.cmbLeague2),
                  (QStringList {QStringLiteral("All"), QStringLiteral("Friday"), QStringLiteral("Monday")}));
        EXPECT_EQ(hub.cmbLeague->currentText(), QString::fromUtf8(c.shown));
        EXPECT_EQ(hub.cmbLeague3->currentText(), QString::fromUtf8(c.shown));
        EXPECT_EQ(hub.cmbLeague2->currentText(), QString::fromUtf8(c.exportShown));
        EXPECT_EQ(EntryTexts(hub.cmbTournament), c.tournaments);
        EXPECT_EQ(hub.cmbTournament->currentIndex(), 0);
        EXPECT_EQ(hub.cmbTournament->isEnabled(), c.current != 0);
    }
}

TEST_F(ManageWindowTest, ExportWritesTheChosenLeaguesAndTournamentsPlayers)
{
    openTournament().glngCurrentLeagueID = monday;
    frmManage hub;
    hub.cmbTournament->setCurrentIndex(2); // Week 2: Ann alone
    QString file;
    OnNextDialog<frmExport>([&file](frmExport& d) {
        file = d.txtFile->text();
        d.cmdOK->click();
    });
    ClickButton(hub.btnExport);

    EXPECT_TRUE(file.endsWith(QStringLiteral("Player List Monday Week 2.csv"))) << file.toStdString();
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(written.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("Ann")));
    EXPECT_FALSE(text.contains(QStringLiteral("Bob")));
}

TEST_F(ManageWindowTest, CompactionRunsOnlyAfterYesAndEndsTheProgramOnlyWhenItWorked)
{
    db.execute(QStringLiteral("DELETE FROM tblLevel"));
    const auto freePages = [this] {
        return db.query(QStringLiteral("PRAGMA freelist_count")).value(QStringLiteral("freelist_count")).toInt();
    };
    const QString question = QStringLiteral("Zorvane must be shutdown and restarted after compressing/repairing "
                                            "your database.  Do you wish to continue?");
    struct Case {
        Prompter::Answer answer;
        bool fails;
        bool ends;
    };
    for (const Case c : {Case {Prompter::Answer::No, false, false}, Case {Prompter::Answer::Yes, true, false},
                         Case {Prompter::Answer::Yes, false, true}}) {
        prompts.messages.clear();
        prompts.answers = {c.answer};
        const int before = freePages();
        frmManage hub;
        {
            std::optional<Transaction> blocking;
            if (c.fails)
                blocking.emplace(db); // the engine refuses to rebuild the file inside a transaction
            ClickButton(hub.btnCompress);
        }
        EXPECT_EQ(hub.mbEndProgram, c.ends);
        EXPECT_EQ(prompts.messages.value(0), question);
        if (c.ends) {
            EXPECT_EQ(prompts.messages.value(1),
                      QStringLiteral("Complete.  The program will be shutdown and can then be restarted."));
        } else if (c.fails) {
            EXPECT_TRUE(prompts.messages.value(1).contains(QStringLiteral("transaction")))
                << prompts.messages.value(1).toStdString();
        }
        EXPECT_EQ(prompts.messages.size(), c.answer == Prompter::Answer::Yes ? 2 : 1);
        EXPECT_EQ(freePages(), c.ends ? 0 : before);
        EXPECT_TRUE(db.isOpen());
        EXPECT_EQ(count(QStringLiteral("SELECT * FROM tblPayout")), 9);
    }
}

} // namespace
