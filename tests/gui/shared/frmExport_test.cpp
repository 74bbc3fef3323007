#include "gui/shared/frmExport.h"

#include "LeagueTestData.h"
#include "RecordingLinkOpener.h"
#include "core/store/ExportFormats.h"
#include "core/store/GridText.h"
#include "gui/shared/Exports.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <sys/resource.h>

namespace {

class TwoRowGrid : public GridText {
public:
    long Rows() const override { return 2; }
    long Cols() const override { return 2; }
    QString TextMatrix(long Row, long Col) const override
    {
        return Row == 0 ? QStringList {"Player", "Win"}.at(Col) : QStringList {"Ann", "$10"}.at(Col);
    }
};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// Files this process writes fail beyond a few bytes while it lives, as on a
// full disk; unlike folder permissions this holds for every user.
class FileSizeLimit {
public:
    FileSizeLimit()
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = m_old;
        small.rlim_cur = 4;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_old {};
    void (*m_handler)(int) = nullptr;
};

} // namespace

class ExportDialogTest : public LeagueDatabaseTest {
protected:
    // Answers the next name dialog: the proposed name is recorded; a name
    // given (empty: the proposed one) is confirmed with OK, none cancels.
    void answerDialog(std::optional<QString> name)
    {
        QTimer::singleShot(0, [this, name] {
            auto* dialog = qobject_cast<frmExport*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            proposed = dialog->txtFile->text();
            if (name) {
                if (!name->isEmpty())
                    dialog->txtFile->setText(*name);
                QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
            }
            if (dialog->isVisible())
                QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
        });
    }

    QString proposed;
    RecordingLinkOpener links;
};

TEST_F(ExportDialogTest, OkKeepsTheDialogOpenUntilANameIsUsable)
{
    const QString existing = path(QStringLiteral("Stats.csv"));
    ASSERT_TRUE(WriteExportFile(existing, QStringLiteral("old")));
    const auto native = [](const QString& p) { return QDir::toNativeSeparators(QFileInfo(p).absoluteFilePath()); };
    const auto missingFolder = [&](const QString& name) {
        return QStringLiteral("The folder \"%1\" does not exist. Choose another folder.").arg(native(ExportPath(name)));
    };
    frmExport dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Export"));
    EXPECT_EQ(dialog.Frame1->title(), QStringLiteral("Export to CSV (Comma Separated Values) File"));

    const struct {
        QString name;
        std::optional<Prompter::Answer> answer;
        QString message;
        bool oked;
    } cases[] = {
        {QString(), {}, QStringLiteral("You must enter a file name."), false},
        {QStringLiteral("   "), {}, QStringLiteral("You must enter a file name."), false},
        {QStringLiteral("/proc/Stats.csv"),
         {},
         QStringLiteral("The folder \"/proc\" cannot be written to. Choose another folder."),
         false},
        // Each name is told its own reason.
        {QStringLiteral("missing/Stats.csv"), {}, missingFolder(QStringLiteral("missing")), false},
        {dir.path(),
         {},
         QStringLiteral("\"%1\" is a folder. Enter the name of a file.").arg(native(dir.path())),
         false},
        {QString(300, u'x') + QStringLiteral(".csv"),
         {},
         QStringLiteral("The file name is too long (at most 255 characters)."),
         false},
        {QString(300, u'x') + QStringLiteral("/Stats.csv"), {}, missingFolder(QString(300, u'x')), false},
        {QStringLiteral("Fri") + QChar(u'\0') + QStringLiteral("day.csv"), {}, InvalidFileNameText(), false},
        {QStringLiteral("Stats.csv"), Prompter::Answer::No, QStringLiteral("File already exists, overwrite?"), false},
        {existing, Prompter::Answer::Yes, QStringLiteral("File already exists, overwrite?"), true},
    };
    for (const auto& c : cases) {
        prompts.messages.clear();
        if (c.answer)
            prompts.answers.push_back(*c.answer);
        dialog.txtFile->setText(c.name);
        QTest::keyClick(dialog.txtFile, Qt::Key_Return); // Enter presses OK
        EXPECT_EQ(prompts.messages, QStringList {c.message}) << c.name.toStdString();
        EXPECT_EQ(dialog.mbOKed, c.oked) << c.name.toStdString();
        EXPECT_EQ(dialog.isVisible(), !c.oked) << c.name.toStdString();
    }
    // Yes does not remove the old file: only a complete write replaces it.
    EXPECT_EQ(fileBytes(existing), QByteArray("old"));
}

TEST_F(ExportDialogTest, BrowseAndCancel)
{
    frmExport dialog;
    dialog.show();
    dialog.txtFile->setText(QStringLiteral("Stats.csv"));
    prompts.files = {std::nullopt, QStringLiteral("/tmp/elsewhere.csv")};
    QTest::mouseClick(dialog.cmdBrowse, Qt::LeftButton);
    EXPECT_EQ(dialog.txtFile->text(), QStringLiteral("Stats.csv"));
    QTest::mouseClick(dialog.cmdBrowse, Qt::LeftButton);
    EXPECT_EQ(dialog.txtFile->text(), QStringLiteral("/tmp/elsewhere.csv"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.mbOKed);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(ExportDialogTest, GridExportWritesOnlyAfterAConfirmedNameAndReportsFailures)
{
    const TwoRowGrid grid;
    int layouts = 0;
    int restores = 0;
    const ExportLayout layout = [&]() -> std::function<void()> {
        ++layouts;
        return [&] { ++restores; };
    };

    answerDialog(std::nullopt);
    ExportGridToCsv(grid, QStringLiteral("1/2 Night.csv"), QString(), layout);
    EXPECT_EQ(proposed, path(QStringLiteral("1-2 Night.csv")));
    EXPECT_FALSE(QFile::exists(proposed));
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(layouts, 0);

    answerDialog(QStringLiteral("Night.csv"));
    ExportGridToCsv(grid, QStringLiteral("Night.csv"), QString(), layout);
    EXPECT_EQ(fileBytes(path(QStringLiteral("Night.csv"))), QByteArray("\"Player\",\"Win\"\r\n\"Ann\",\"$10\"\r\n"));
    EXPECT_EQ(prompts.messages, QStringList {QStringLiteral("Complete.")});
    EXPECT_EQ(layouts, 1);
    EXPECT_EQ(restores, 1);

    prompts.messages.clear();
    prompts.answers = {Prompter::Answer::Yes};
    answerDialog(QStringLiteral("Night.csv"));
    {
        FileSizeLimit full;
        ExportGridToCsv(grid, QStringLiteral("Night.csv"), QStringLiteral("HPT"), layout);
    }
    // A full disk is told as such, not as a name with forbidden characters.
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[0], QStringLiteral("File already exists, overwrite?"));
    EXPECT_TRUE(prompts.messages[1].startsWith(QStringLiteral("The file \"%1\" could not be written: ")
                                                   .arg(QDir::toNativeSeparators(path(QStringLiteral("Night.csv"))))))
        << prompts.messages[1].toStdString();
    EXPECT_EQ(fileBytes(path(QStringLiteral("Night.csv"))), QByteArray("\"Player\",\"Win\"\r\n\"Ann\",\"$10\"\r\n"));
    EXPECT_EQ(restores, 2);
}

TEST_F(ExportDialogTest, ANameBeginningWithAColonIsProposedAndWrittenInTheDataFolder)
{
    answerDialog(QString());
    ExportGridToCsv(TwoRowGrid(), QStringLiteral(":Friday.csv"), QString());
    EXPECT_EQ(proposed, dir.path() + QStringLiteral("/:Friday.csv"));
    EXPECT_EQ(fileBytes(proposed), QByteArray("\"Player\",\"Win\"\r\n\"Ann\",\"$10\"\r\n"));
    EXPECT_EQ(prompts.messages, QStringList {QStringLiteral("Complete.")});
}

TEST_F(ExportDialogTest, SignInSheetIsWrittenThenOpened)
{
    setProgramDatabase(&db);
    const Long league = addLeague(QStringLiteral("Tuesday"));
    addPlayer(QStringLiteral("Cy"), {league});
    addPlayer(QStringLiteral("Ann, Jr."), {league});
    const Long empty = addTournament(league, QStringLiteral("Night"));

    ExportSignInSheet(league, empty, QStringLiteral("Tuesday"), QStringLiteral("Night"));
    EXPECT_EQ(prompts.messages, QStringList {QStringLiteral("No players found meeting criteria.")});

    prompts.messages.clear();
    answerDialog(QString());
    ExportSignInSheet(league, 0, QStringLiteral("Tuesday"), QStringLiteral("1/2"));
    EXPECT_EQ(proposed, path(QStringLiteral("Player Sign In Sheet  Tuesday 1-2.csv")));
    EXPECT_EQ(fileBytes(proposed), QByteArray("PlayerName, Signed In\r\n\"Ann, Jr.\",\"\"\r\n\"Cy\",\"\"\r\n"));
    EXPECT_EQ(prompts.messages, QStringList {QStringLiteral("Complete.")});
    EXPECT_EQ(links.opened, QList<QUrl> {QUrl::fromLocalFile(proposed)});
}
