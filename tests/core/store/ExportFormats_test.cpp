#include "LeagueTestData.h"
#include "core/platform/AppPaths.h"
#include "core/store/ExportFormats.h"
#include "core/store/GridText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// A grid of texts, row 0 its captions.
class TextGrid : public GridText {
public:
    explicit TextGrid(QList<QStringList> rows)
        : m_rows(std::move(rows))
    {
    }
    long Rows() const override { return m_rows.size(); }
    long Cols() const override { return m_rows.isEmpty() ? 0 : m_rows.front().size(); }
    QString TextMatrix(long Row, long Col) const override { return m_rows.at(Row).at(Col); }

private:
    QList<QStringList> m_rows;
};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

const QStringList kCaptions {QStringLiteral("Player "), QStringLiteral("Seat"), QStringLiteral("Buy"),
                             QStringLiteral("Finish"), QStringLiteral("Win")};

} // namespace

TEST(ExportFormats, PlainGridQuotesEveryTrimmedEscapedCell)
{
    const TextGrid grid({kCaptions,
                         {QStringLiteral("  Al \"Ace\" Smith "), QStringLiteral("1-2"), QStringLiteral("$20"),
                          QString(), QStringLiteral("$100\\5")}});
    EXPECT_EQ(PlainGridCsv(grid),
              QStringLiteral("\"Player\",\"Seat\",\"Buy\",\"Finish\",\"Win\"\r\n"
                             "\"Al \"\"Ace\"\" Smith\",\"1-2\",\"$20\",\"\",\"$100\\5\"\r\n"));
}

TEST(ExportFormats, HptQuotesOnlyTheFieldsThatNeedIt)
{
    const TextGrid grid({kCaptions,
                         {QStringLiteral("Smith, John"), QStringLiteral("1-2"), QStringLiteral("$20"),
                          QStringLiteral("1"), QStringLiteral("$100\\7.5")},
                         {QStringLiteral("Al \"Ace\""), QStringLiteral("1-3"), QStringLiteral("$40"),
                          QStringLiteral("2"), QStringLiteral("$50")},
                         {QStringLiteral("Bo"), QStringLiteral("2-1"), QStringLiteral("$20"), QString(), QString()}});
    EXPECT_EQ(HptResultsCsv(grid),
              QStringLiteral("TourneyPlace,Nickname,Points,Buyin,PrizeMoney\r\n"
                             "1,\"Smith, John\",7.5,$20,$100\r\n"
                             "2,\"Al \"\"Ace\"\"\",0,$40,$50\r\n"
                             ",Bo,0,$20,\r\n"));
    EXPECT_EQ(HptResultsCsv(TextGrid({kCaptions})),
              QStringLiteral("TourneyPlace,Nickname,Points,Buyin,PrizeMoney\r\n"));
}

TEST(ExportFormats, TextKeepsItsTextWithCrLfLineBreaks)
{
    EXPECT_EQ(TextFileText(QStringLiteral("a\nb\r\nc")), QStringLiteral("a\r\nb\r\nc"));
    EXPECT_EQ(TextFileText(QString()), QString());
}

TEST(ExportFormats, DefaultNamesLieInTheDataFolderWithSlashesReplaced)
{
    QTemporaryDir dir;
    AppPaths::setDataFolder(dir.path());
    EXPECT_EQ(DefaultExportPath(QStringLiteral("1/2 Hold'em.csv")), QDir(dir.path()).filePath("1-2 Hold'em.csv"));
    EXPECT_EQ(ExportPath(QStringLiteral("sub/Stats.csv")), QDir(dir.path()).filePath("sub/Stats.csv"));
    EXPECT_EQ(ExportPath(QStringLiteral("/tmp/x.csv")), QStringLiteral("/tmp/x.csv"));
    EXPECT_EQ(SignInSheetFileName(QStringLiteral("L"), QStringLiteral("T")),
              QStringLiteral("Player Sign In Sheet  L T.csv"));
    EXPECT_EQ(PlayerListFileName(QStringLiteral("L"), QStringLiteral("T")), QStringLiteral("Player List L T.csv"));
    EXPECT_TRUE(ExportNameUsable(QDir(dir.path()).filePath("Stats.csv")));
    EXPECT_FALSE(ExportNameUsable(dir.path()));
    EXPECT_FALSE(ExportNameUsable(QDir(dir.path()).filePath("missing/Stats.csv")));
    AppPaths::setDataFolder(QString());
}

// A tournament or league name may begin with ":", which Qt takes for one of
// the program's resources.
class ExportPathTest : public ::testing::TestWithParam<const char*> { };

TEST_P(ExportPathTest, ANameIsAFileInTheDataFolderWhateverItBeginsWith)
{
    QTemporaryDir dir;
    AppPaths::setDataFolder(dir.path());
    const QString name = QString::fromUtf8(GetParam());
    for (const QString& file : {DefaultExportPath(name), ExportPath(name)}) {
        EXPECT_EQ(file, QDir(dir.path()).absolutePath() + u'/' + name);
        EXPECT_TRUE(ExportNameUsable(file)) << file.toStdString();
        ASSERT_TRUE(WriteExportFile(file, QStringLiteral("x\r\n"))) << file.toStdString();
        EXPECT_TRUE(QFileInfo::exists(file)) << file.toStdString();
    }
    AppPaths::setDataFolder(QString());
}

INSTANTIATE_TEST_SUITE_P(Names, ExportPathTest,
                         ::testing::Values(":Friday.csv", "::Friday Seat Chart.csv", "Player List :Tuesday :Opener.csv",
                                           "Friday.csv"));

TEST(ExportFormats, TheWriterRefusesANameThatIsNoFullPathOfAFile)
{
    QTemporaryDir dir;
    const QString here = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    for (const QString& name : {QStringLiteral(":Friday.csv"), QStringLiteral("Friday.csv")}) {
        QString reason;
        EXPECT_FALSE(WriteExportFile(name, QStringLiteral("x"), &reason)) << name.toStdString();
        EXPECT_TRUE(reason.contains(QStringLiteral("not the full path"))) << reason.toStdString();
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QDir::setCurrent(here);
}

TEST(ExportFormats, ABlankNameOrAFolderThatCannotBeWrittenIsRefusedWithItsReason)
{
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).absolutePath();
    const struct {
        QString path;
        QString problem; // empty: usable
    } cases[] = {
        {folder + QStringLiteral("/Stats.csv"), QString()},
        {folder + QStringLiteral("/   "), QStringLiteral("You must enter a file name.")},
        // No one may add a file there, an administrator neither.
        {QStringLiteral("/proc/Stats.csv"),
         QStringLiteral("The folder \"/proc\" cannot be written to. Choose another folder.")},
    };
    for (const auto& c : cases) {
        QString problem;
        EXPECT_EQ(ExportNameUsable(c.path, &problem), c.problem.isEmpty()) << c.path.toStdString();
        EXPECT_EQ(problem, c.problem) << c.path.toStdString();
        QString error;
        EXPECT_EQ(WriteExportFile(c.path, QStringLiteral("x"), &error), c.problem.isEmpty());
        EXPECT_EQ(error, c.problem);
    }
    // Trying the folder leaves nothing behind but the file written.
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("Stats.csv")});
}

TEST(ExportFormats, ANameTheFileSystemRefusesIsRefusedAndNothingIsWritten)
{
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).absolutePath() + u'/';
    // The longest name the file system takes is taken; one more letter is
    // not.
    const QString longest = QString(255 - 4, u'x') + QStringLiteral(".csv");
    EXPECT_TRUE(ExportNameUsable(folder + longest));
    ASSERT_TRUE(WriteExportFile(folder + longest, QStringLiteral("x")));
    ASSERT_TRUE(QFile::remove(folder + longest));
    const QString refused[] = {
        folder + QStringLiteral("Fri") + QChar(u'\0') + QStringLiteral("day.csv"),
        folder + QString(296, u'x') + QStringLiteral(".csv"),
        folder + u'y' + longest,
        folder + QString(300, u'x') + QStringLiteral("/Stats.csv"),
        folder + QString(20, u'\u00e9').repeated(7) + QStringLiteral(".csv"), // 280 bytes as UTF-8
    };
    for (const QString& name : refused) {
        EXPECT_FALSE(ExportNameUsable(name)) << name.size();
        QString reason;
        EXPECT_FALSE(WriteExportFile(name, QStringLiteral("x"), &reason)) << name.size();
        EXPECT_FALSE(reason.isEmpty());
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

class ExportFilesTest : public LeagueDatabaseTest { };

TEST_F(ExportFilesTest, FilesAreUtf8WithoutByteOrderMark)
{
    const QString file = path(QStringLiteral("Stats.csv"));
    ASSERT_TRUE(WriteExportFile(file, QStringLiteral("old\r\n")));
    ASSERT_TRUE(WriteExportFile(file, QStringLiteral("Zo\u00eb\r\n")));
    EXPECT_EQ(fileBytes(file), QByteArray("Zo\xc3\xab\r\n"));
}

TEST_F(ExportFilesTest, PlayerListsFollowTheLeagueAndTournamentFilters)
{
    const Long league = addLeague(QStringLiteral("Tuesday"));
    const Long other = addLeague(QStringLiteral("Friday"));
    const Long ann = addPlayer(QStringLiteral("Ann"), {league});
    addPlayer(QStringLiteral("Cy"), {league, other});
    addPlayer(QStringLiteral("Bea"), {other});
    const Long night = addTournament(league, QStringLiteral("Night"));
    db.execute(QStringLiteral("INSERT INTO tblTournamentXPlayer (TournamentID, PlayerID) VALUES (?, ?)"), {night, ann});

    const auto names = [this](Long leagueId, Long tournamentId) {
        const PlayerListQuery q = PlayerListSql(true, leagueId, tournamentId);
        QStringList found;
        for (Recordset rs = db.query(q.sql, q.values); !rs.eof(); rs.moveNext())
            found << rs.value(QStringLiteral("PlayerName")).toString();
        return found.join(u',');
    };
    EXPECT_EQ(names(league, 0), QStringLiteral("Ann,Cy"));
    EXPECT_EQ(names(league, night), QStringLiteral("Ann"));
    EXPECT_EQ(names(0, 0), QStringLiteral("Ann,Bea,Cy"));
    EXPECT_EQ(names(0, night), QStringLiteral("Ann"));
    EXPECT_EQ(names(other, night), QString());

    const PlayerListQuery sheet = PlayerListSql(true, league, 0);
    Recordset rs = db.query(sheet.sql, sheet.values);
    EXPECT_EQ(RecordsetCsv(rs), QStringLiteral("PlayerName, Signed In\r\n\"Ann\",\"\"\r\n\"Cy\",\"\"\r\n"));
}

TEST_F(ExportFilesTest, RecordsetValuesAreWrittenPlainly)
{
    Recordset rs = db.query(QStringLiteral("SELECT 1500 AS Amount, 0.1 AS Points, 'a \"b\"' AS Name, NULL AS Note"));
    EXPECT_EQ(RecordsetCsv(rs),
              QStringLiteral("Amount, Points, Name, Note\r\n\"1500\",\"0.1\",\"a \"\"b\"\"\",\"\"\r\n"));
}
