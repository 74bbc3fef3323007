#include "TestSupport.h"
#include "core/platform/AppPaths.h"
#include "core/platform/Database.h"
#include "core/store/DatabaseSchema.h"
#include "core/store/ProgramDatabase.h"

#include <QDir>
#include <QFile>
#include <map>

namespace {

QStringList numbered(const QString& name, int from, int to, const QString& type)
{
    QStringList columns;
    for (int n = from; n <= to; ++n)
        columns << name + QString::number(n) + QLatin1Char(' ') + type;
    return columns;
}

// Each table's columns after the last step, in their order in the file:
// "name TYPE", with KEY for the table's key.
const std::map<QString, QStringList>& currentLayout()
{
    static const std::map<QString, QStringList> layout {
        {"tblVersion", {"DatabaseVersion TEXT KEY"}},
        {"tblLeague", {"LeagueID INTEGER KEY", "LeagueName TEXT"}},
        {"tblLeagueXPlayer", {"LeagueID INTEGER", "PlayerID INTEGER"}},
        {"tblPlayer",
         {"PlayerID INTEGER KEY", "FirstName TEXT", "LastName TEXT", "Phone TEXT", "Email TEXT", "Address TEXT",
          "Address2 TEXT", "City TEXT", "State TEXT", "Zip TEXT", "Country TEXT",
          "PlayerName TEXT"}}, // made anew (wider) by QUORVEL, so it comes last
        {"tblTournament",
         QStringList {"TournamentID INTEGER KEY", "LeagueID INTEGER", "TournamentName TEXT", "Date TEXT",
                      "PlayersPerTable INTEGER", "AutoDoubleBlind INTEGER", "Big REAL", "Small REAL", "Ante REAL",
                      "MinutesPerSession INTEGER", "Buyin REAL", "PayAsPercentages INTEGER", "Numberpaid INTEGER",
                      "roundto INTEGER"}
             + numbered("ChipAmount", 1, 6, "REAL") + numbered("ChipColor", 1, 6, "TEXT")
             + QStringList {"BlindsLevel INTEGER",
                            "SmallRaise REAL",
                            "BigRaise REAL",
                            "AllowRebuys INTEGER",
                            "AllowAddons INTEGER",
                            "BuyinChipValue REAL",
                            "RebuyAmount REAL",
                            "RebuyChipValue REAL",
                            "NumberRebuys INTEGER",
                            "RebuyUntilLevel INTEGER",
                            "AddonAmount REAL",
                            "AddonChipValue REAL",
                            "NumberAddons INTEGER",
                            "AddonLevel1 INTEGER",
                            "AddonLevel2 INTEGER",
                            "HouseTakeAmount REAL",
                            "Numberlevels INTEGER",
                            "Rules TEXT",
                            "CustomMessage TEXT",
                            "CustomPictureType INTEGER",
                            "CustomPictureLocation TEXT",
                            "EstNumberofPlayers INTEGER",
                            "EstNumberofRebuys INTEGER",
                            "EstNumberofAddons INTEGER",
                            "EstDurationOfTournament INTEGER",
                            "EstTimeForBreaks INTEGER",
                            "EstNumberofBreaks INTEGER"}
             + numbered("StartingChipCount", 1, 6, "INTEGER") + QStringList {"NotifyWhenTablesCanBeReduced INTEGER"}
             + numbered("ChipAmount", 7, 10, "REAL") + numbered("ChipColor", 7, 10, "TEXT")
             + numbered("StartingChipCount", 7, 10, "INTEGER") + numbered("ChipPicture", 1, 10, "TEXT")
             + QStringList {"UseAutoPointsAll INTEGER", "UseAutoPointsbyPosition INTEGER", "AutoPointsAllPlayers REAL",
                            "AutoPointsByPositionFactor REAL", "gintAutoBountyType INTEGER",
                            "gdblAutoBountyDollars REAL", "gdblAutoBountyPoints REAL"}},
        {"tblLevel",
         {"LevelID INTEGER KEY", "TournamentID INTEGER", "LevelNumber INTEGER", "Ante REAL", "SmallBlind REAL",
          "BigBlind REAL", "SmallRaise REAL", "BigRaise REAL", "SessionTime INTEGER", "BreakAfter INTEGER",
          "Reminder TEXT", "WaitOnReminder INTEGER"}},
        {"tblPayout", {"TournamentID INTEGER", "Position INTEGER", "Payout REAL", "Prize TEXT", "Points REAL"}},
        {"tblTournamentXPlayer",
         {"TournamentID INTEGER", "PlayerID INTEGER", "Table INTEGER", "Seat INTEGER", "Finish INTEGER", "Payout REAL",
          "TotalRebuy REAL", "TotalAddon REAL", "TotalBuyin REAL", "HouseFee REAL", "TotalChipValue REAL",
          "NumRebuys INTEGER", "NumAddons INTEGER", "Points REAL", "Kills INTEGER", "EliminatedByPlayerID INTEGER",
          "ChipCount REAL"}},
        {"tblAward",
         {"AwardID INTEGER KEY", "TournamentID INTEGER", "IsBounty INTEGER", "BountyPlayerID INTEGER",
          "Description TEXT", "Payout REAL", "Points REAL", "AwardedToPlayerID INTEGER"}},
        {"tblFont",
         {"FontID INTEGER KEY", "Description TEXT", "LabelText TEXT", "FontColor TEXT", "FontName TEXT",
          "FontBold INTEGER", "FontItalic INTEGER", "FontSize INTEGER", "HeaderColor TEXT", "Visible INTEGER"}},
        {"tblDefaultSmallBlind", {"DefaultSmallBlindID INTEGER KEY", "Amount REAL"}},
    };
    return layout;
}

class SchemaTest : public DataFolderTest {
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        db.open(path(QStringLiteral("zr.mdb")));
        CreateBaseSchema(db);
    }

    QVariant single(const QString& sql, const QVariantList& values = {})
    {
        Recordset rs = db.query(sql, values);
        return rs.value(rs.columnNames().first());
    }

    QStringList column(const QString& sql, const QVariantList& values = {})
    {
        QStringList texts;
        Recordset rs = db.query(sql, values);
        for (; !rs.eof(); rs.moveNext())
            texts << rs.value(rs.columnNames().first()).toString();
        return texts;
    }

    QStringList columnsOf(const QString& table)
    {
        return column(QStringLiteral("SELECT name || ' ' || type || CASE WHEN pk THEN ' KEY' ELSE '' END "
                                     "FROM pragma_table_info(?) ORDER BY cid"),
                      {table});
    }

    bool hasColumn(const QString& table, const QString& name)
    {
        return single(QStringLiteral("SELECT count(*) FROM pragma_table_info(?) WHERE name = ?"), {table, name}).toInt()
            == 1;
    }

    QStringList versionRows() { return column(QStringLiteral("SELECT DatabaseVersion FROM tblVersion")); }

    qint64 add(const QString& table, const std::map<QString, QVariant>& values)
    {
        Recordset rs = db.openTable(table, QStringLiteral("WHERE 0"));
        rs.addNew();
        for (const auto& [name, value] : values)
            rs.setValue(name, value);
        return rs.update();
    }

    // Two leagues with rules, three tournaments (one of a league that is
    // gone), players and entrants, as a file of the INITIAL layout holds them.
    void addInitialData()
    {
        add("tblLeague", {{"LeagueName", "Friday"}, {"Rules", "No phones at the table."}});
        add("tblLeague", {{"LeagueName", "Sunday"}, {"Rules", "007"}});
        add("tblTournament", {{"LeagueID", 1}, {"TournamentName", "May"}, {"MinutesPerSession", 20}});
        add("tblTournament", {{"LeagueID", 2}, {"TournamentName", "June"}, {"MinutesPerSession", 15}});
        add("tblTournament", {{"LeagueID", 9}, {"TournamentName", "Orphan"}, {"MinutesPerSession", 30}});
        add("tblPlayer", {{"PlayerName", "Ann"}});
        add("tblPlayer", {{"PlayerName", "Bob"}});
        add("tblLeagueXPlayer", {{"LeagueID", 1}, {"PlayerID", 1}});
        add("tblTournamentXPlayer", {{"TournamentID", 1}, {"PlayerID", 1}, {"Table", 2}, {"Buyin", 35.5}});
        add("tblTournamentXPlayer", {{"TournamentID", 2}, {"PlayerID", 2}, {"Buyin", 40}});
        add("tblPayout", {{"TournamentID", 1}, {"Position", 1}, {"Payout", 50}});
    }

    void createVersion(const QVariant& code)
    {
        db.execute(QStringLiteral("CREATE TABLE tblVersion (DatabaseVersion TEXT PRIMARY KEY)"));
        db.execute(QStringLiteral("INSERT INTO tblVersion (DatabaseVersion) VALUES (?)"), {code});
    }

    // Applies the steps up to the one with this code, as earlier versions of
    // the program did, and stores the given text as the version.
    void bringTo(const QString& code, const QVariant& stored)
    {
        for (const UpgradeStep& step : UpgradeSteps()) {
            step.apply(db);
            if (step.code == code)
                break;
        }
        createVersion(stored);
    }

    Database db;
};

TEST_F(SchemaTest, AFileWithoutVersionTableRunsTheWholeChainAndMovesItsData)
{
    addInitialData();
    EXPECT_TRUE(CheckDatabaseVersion(db));
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('\n').toStdString();
    EXPECT_EQ(versionRows(), QStringList {"VANTISH"});

    // Rules moved from the leagues to their tournaments, text kept as text.
    EXPECT_FALSE(hasColumn("tblLeague", "Rules"));
    EXPECT_EQ(single("SELECT Rules FROM tblTournament WHERE TournamentID = 1"), QVariant("No phones at the table."));
    EXPECT_EQ(single("SELECT Rules FROM tblTournament WHERE TournamentID = 2"), QVariant("007"));
    EXPECT_FALSE(single("SELECT Rules FROM tblTournament WHERE TournamentID = 3").isValid());

    // Buyin moved into TotalBuyin.
    EXPECT_FALSE(hasColumn("tblTournamentXPlayer", "Buyin"));
    EXPECT_EQ(column("SELECT TotalBuyin FROM tblTournamentXPlayer ORDER BY TournamentID"), QStringList({"35.5", "40"}));

    // Fifteen levels per tournament, with the tournament's session length.
    EXPECT_EQ(single("SELECT count(*) FROM tblLevel").toInt(), 45);
    EXPECT_EQ(column("SELECT TournamentID || ':' || count(*) || ':' || min(LevelNumber) || '-' || max(LevelNumber) "
                     "|| ':' || min(SessionTime) || '-' || max(SessionTime) FROM tblLevel GROUP BY TournamentID"),
              QStringList({"1:15:1-15:20-20", "2:15:1-15:15-15", "3:15:1-15:30-30"}));
    EXPECT_EQ(single("SELECT count(*) FROM tblLevel WHERE Ante = 0 AND SmallRaise = 0 AND BigRaise = 0 "
                     "AND BreakAfter = 0 AND Reminder = '' AND WaitOnReminder = 0")
                  .toInt(),
              45);
    EXPECT_EQ(column("SELECT DISTINCT Numberlevels FROM tblTournament"), QStringList {"15"});

    // The rows that were there get the values the steps give them.
    EXPECT_EQ(column("SELECT PlayerName FROM tblPlayer ORDER BY PlayerID"), QStringList({"Ann", "Bob"}));
    EXPECT_EQ(single("SELECT Prize || '/' || Points FROM tblPayout"), QVariant("/0.0"));
    EXPECT_EQ(column("SELECT DISTINCT ChipColor7 || ChipColor10 || '/' || ChipPicture1 || ChipPicture10 || '/' "
                     "|| ChipAmount7 || StartingChipCount10 || EstNumberofPlayers || NotifyWhenTablesCanBeReduced "
                     "|| UseAutoPointsAll || gdblAutoBountyPoints FROM tblTournament"),
              QStringList {"Not UsedNot Used//0.000000.0"});
    EXPECT_EQ(column("SELECT DISTINCT Points || Kills || EliminatedByPlayerID || ChipCount FROM tblTournamentXPlayer"),
              QStringList {"0.0000.0"});
    EXPECT_EQ(single("SELECT \"Table\" FROM tblTournamentXPlayer WHERE PlayerID = 1").toInt(), 2);
}

TEST_F(SchemaTest, TheBlindColumnsOfAVeronaFileBecomeLevelRows)
{
    addInitialData();
    bringTo("VERONA", "VERONA");
    for (int n = 1; n <= 15; ++n)
        db.execute(
            QStringLiteral("UPDATE tblTournament SET LittleBlind%1 = ?, BigBlind%1 = ? WHERE TournamentID = 1").arg(n),
            {n * 2.5, n * 5});

    EXPECT_TRUE(CheckDatabaseVersion(db));
    EXPECT_EQ(versionRows(), QStringList {"VANTISH"});
    EXPECT_EQ(column("SELECT LevelNumber || ':' || SmallBlind || '/' || BigBlind FROM tblLevel "
                     "WHERE TournamentID = 1 AND LevelNumber IN (1, 2, 15) ORDER BY LevelNumber"),
              QStringList({"1:2.5/5.0", "2:5.0/10.0", "15:37.5/75.0"}));
    EXPECT_EQ(single("SELECT count(*) FROM tblLevel WHERE TournamentID = 2 AND SmallBlind IS NULL").toInt(), 15);
    EXPECT_FALSE(hasColumn("tblTournament", "LittleBlind1"));
    EXPECT_FALSE(hasColumn("tblTournament", "BigBlind15"));
    EXPECT_TRUE(hasColumn("tblTournament", "BlindsLevel"));
}

TEST_F(SchemaTest, ErlangerInAnyLetterCaseRunsTheStepsAfterIt)
{
    bringTo("ERLANGER", "placeholder");
    for (const QString stored : {"erlanger", "Erlanger", "ERLANGER"}) {
        Database copy;
        const QString file = path(stored + ".mdb");
        ASSERT_TRUE(QFile::copy(path("zr.mdb"), file));
        copy.open(file);
        copy.execute("UPDATE tblVersion SET DatabaseVersion = ?", {stored});

        EXPECT_TRUE(CheckDatabaseVersion(copy)) << stored.toStdString();
        Recordset version = copy.query("SELECT * FROM tblVersion");
        EXPECT_EQ(version.value("DatabaseVersion").toString(), "VANTISH");
        EXPECT_EQ(version.recordCount(), 1);
    }
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('\n').toStdString();
}

TEST_F(SchemaTest, TheCurrentCodeAnUnknownCodeAndNullRunNothing)
{
    for (const QVariant& stored : {QVariant("VANTISH"), QVariant("Vantish"), QVariant("MARS"), QVariant()}) {
        db.execute("DROP TABLE IF EXISTS tblVersion");
        createVersion(stored);
        EXPECT_TRUE(CheckDatabaseVersion(db));
        EXPECT_FALSE(hasColumn("tblTournament", "LittleBlind1")) << stored.toString().toStdString();
        Recordset version = db.query("SELECT * FROM tblVersion");
        EXPECT_EQ(version.value("DatabaseVersion"), stored);
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(SchemaTest, AnEmptyVersionTableIsReportedAndRunsNothing)
{
    db.execute("CREATE TABLE tblVersion (DatabaseVersion TEXT PRIMARY KEY)");
    EXPECT_FALSE(CheckDatabaseVersion(db));
    EXPECT_EQ(prompts.messages, QStringList {DatabaseError("No current record.", db.fileName()).what()});
    EXPECT_FALSE(hasColumn("tblTournament", "LittleBlind1"));
    EXPECT_TRUE(versionRows().isEmpty());
}

TEST_F(SchemaTest, AVersionTableInOtherLetterCaseIsNotRecognised)
{
    db.execute("CREATE TABLE TBLVERSION (DatabaseVersion TEXT PRIMARY KEY)");
    db.execute("INSERT INTO TBLVERSION VALUES ('INITIAL')");
    EXPECT_FALSE(CheckDatabaseVersion(db));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains("already exists")) << prompts.messages[0].toStdString();
    EXPECT_FALSE(hasColumn("tblTournament", "LittleBlind1"));
}

TEST_F(SchemaTest, AStepThatFailsHalfWayLeavesNothingAndIsRetriedCleanly)
{
    addInitialData();
    // A table in the way of ERLANGER, which fails on it after it has already
    // added columns, moved the rules and the buy-ins and dropped their columns.
    db.execute("CREATE TABLE tblLevel (Something INTEGER)");

    EXPECT_FALSE(CheckDatabaseVersion(db));
    EXPECT_EQ(prompts.messages, QStringList {DatabaseError("table \"tblLevel\" already exists", db.fileName()).what()});
    EXPECT_EQ(versionRows(), QStringList {"VERONA"});
    EXPECT_TRUE(hasColumn("tblTournament", "LittleBlind1"));
    EXPECT_FALSE(hasColumn("tblTournament", "SmallRaise"));
    EXPECT_FALSE(hasColumn("tblPlayer", "FirstName"));
    EXPECT_EQ(single("SELECT Rules FROM tblLeague WHERE LeagueID = 2"), QVariant("007"));
    EXPECT_EQ(column("SELECT Buyin FROM tblTournamentXPlayer ORDER BY TournamentID"), QStringList({"35.5", "40"}));
    EXPECT_FALSE(hasColumn("tblTournamentXPlayer", "TotalBuyin"));

    // The next start, with the obstacle gone, completes the chain.
    db.execute("DROP TABLE tblLevel");
    EXPECT_TRUE(CheckDatabaseVersion(db));
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(versionRows(), QStringList {"VANTISH"});
    EXPECT_EQ(single("SELECT Rules FROM tblTournament WHERE TournamentID = 2"), QVariant("007"));
    EXPECT_EQ(column("SELECT TotalBuyin FROM tblTournamentXPlayer ORDER BY TournamentID"), QStringList({"35.5", "40"}));
    EXPECT_EQ(single("SELECT count(*) FROM tblLevel").toInt(), 45);
}

TEST_F(SchemaTest, ATableWithoutAnIndexedColumnGoesWithoutThatIndexAndTheCheckPasses)
{
    ASSERT_TRUE(CheckDatabaseVersion(db));
    const QString indexes = QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND name LIKE 'idx%' "
                                           "ORDER BY name");
    const QStringList all = column(indexes);
    ASSERT_EQ(all.size(), 5);
    const struct {
        const char* table;
        const char* layout; // lacking a column an index is made on
        const char* index;
    } cases[] = {
        {"tblPayout", "TournamentID INTEGER, Payout REAL, Prize TEXT, Points REAL", "idxPayoutKey"},
        {"tblLevel", "LevelID INTEGER PRIMARY KEY, TournamentID INTEGER, SmallBlind REAL", "idxLevelKey"},
    };
    QStringList made = all; // each case keeps the tables the earlier ones changed
    for (const auto& c : cases) {
        for (const QString& index : all)
            db.execute("DROP INDEX IF EXISTS " + index);
        db.execute(QStringLiteral("DROP TABLE %1").arg(c.table));
        db.execute(QStringLiteral("CREATE TABLE %1 (%2)").arg(c.table, c.layout));

        EXPECT_TRUE(CheckDatabaseVersion(db)) << c.table;
        made.removeAll(c.index);
        EXPECT_EQ(column(indexes), made) << c.table;
        EXPECT_EQ(versionRows(), QStringList {"VANTISH"});
    }
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('\n').toStdString();
}

TEST_F(SchemaTest, IndexesAlreadyMadeAreKeptAndOnesThatCannotBeWrittenAreReported)
{
    ASSERT_TRUE(CheckDatabaseVersion(db));
    EXPECT_TRUE(CheckDatabaseVersion(db)); // the next start finds them made
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('\n').toStdString();

    db.execute("DROP INDEX idxPayoutKey");
    db.execute("PRAGMA query_only = ON"); // as a file that cannot be written
    EXPECT_FALSE(CheckDatabaseVersion(db));
    EXPECT_EQ(prompts.messages,
              QStringList {QStringLiteral("The database \"%1\" reports: attempt to write a readonly database")
                               .arg(path(QStringLiteral("zr.mdb")))});
}

TEST_F(SchemaTest, TheChainEndsInTheCurrentLayoutColumnByColumn)
{
    EXPECT_TRUE(CheckDatabaseVersion(db));
    EXPECT_EQ(single("SELECT count(*) FROM tblLevel").toInt(), 0); // no tournaments, no levels
    QStringList tables;
    for (const auto& [table, columns] : currentLayout()) {
        tables << table;
        EXPECT_EQ(columnsOf(table), columns) << table.toStdString();
    }
    QStringList present = db.tableNames();
    present.removeAll("sqlite_sequence");
    present.sort();
    tables.sort();
    EXPECT_EQ(present, tables);
}

class ProgramDatabaseTest : public DataFolderTest {
protected:
    QStringList versionRows()
    {
        QStringList rows;
        for (Recordset rs = gobjDatabase().query("SELECT DatabaseVersion FROM tblVersion"); !rs.eof(); rs.moveNext())
            rows << rs.value("DatabaseVersion").toString();
        return rows;
    }
};

TEST_F(ProgramDatabaseTest, ANewDatabaseIsCreatedAndBroughtForwardOnce)
{
    ASSERT_FALSE(QFile::exists(AppPaths::databaseFile()));
    EXPECT_TRUE(OpenProgramDatabase());
    EXPECT_TRUE(QFile::exists(AppPaths::databaseFile()));
    EXPECT_EQ(gobjDatabase().fileName(), AppPaths::databaseFile());
    EXPECT_EQ(versionRows(), QStringList {"VANTISH"});

    EXPECT_TRUE(OpenProgramDatabase());
    EXPECT_EQ(versionRows(), QStringList {"VANTISH"});
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('\n').toStdString();

    // Keys are assigned, names compare without regard to case, points keep
    // their fractions and long texts stay texts.
    Database& db = gobjDatabase();
    Recordset league = db.openTable("tblLeague", "WHERE 0");
    league.addNew();
    league.setValue("LeagueName", "Friday");
    EXPECT_EQ(league.update(), 1);
    EXPECT_EQ(league.value("LeagueID").toInt(), 1);
    db.execute("INSERT INTO tblPlayer (PlayerName) VALUES (?)", {"Bob"});
    EXPECT_EQ(db.query("SELECT * FROM tblPlayer WHERE PlayerName = ?", {"BOB"}).recordCount(), 1);
    EXPECT_EQ(db.query("SELECT * FROM tblLeague WHERE LeagueName = ?", {"friday"}).recordCount(), 1);
    db.execute("INSERT INTO tblTournament (LeagueID, TournamentName, Rules) VALUES (1, ?, ?)", {"May", "007"});
    EXPECT_EQ(db.query("SELECT * FROM tblTournament WHERE TournamentName = ?", {"MAY"}).value("Rules"),
              QVariant("007"));
    db.execute("INSERT INTO tblTournamentXPlayer (TournamentID, PlayerID, Points) VALUES (1, 1, ?)", {2.5});
    db.execute("INSERT INTO tblPayout (TournamentID, Position, Points) VALUES (1, 1, ?)", {7.25});
    EXPECT_EQ(db.query("SELECT Points FROM tblTournamentXPlayer").value("Points").toDouble(), 2.5);
    EXPECT_EQ(db.query("SELECT Points FROM tblPayout").value("Points").toDouble(), 7.25);
}

TEST_F(ProgramDatabaseTest, TheLookupsOfTheFloorCommandsGoThroughIndexesAndTheVersionStays)
{
    ASSERT_TRUE(OpenProgramDatabase());
    ASSERT_TRUE(OpenProgramDatabase()); // made once, found again
    EXPECT_EQ(versionRows(), QStringList {"VANTISH"});
    for (const char* lookup :
         {"SELECT * FROM tblTournamentXPlayer WHERE PlayerID = 1 AND TournamentID = 2",
          "SELECT * FROM tblPayout WHERE TournamentID = 1 AND Position = 2",
          "SELECT * FROM tblLevel WHERE TournamentID = 1 AND LevelNumber = 2",
          "SELECT * FROM tblAward WHERE TournamentID = 1", "SELECT * FROM tblLeagueXPlayer WHERE LeagueID = 1"}) {
        Recordset plan = gobjDatabase().query(QStringLiteral("EXPLAIN QUERY PLAN ") + QLatin1String(lookup));
        EXPECT_TRUE(plan.value("detail").toString().contains(" INDEX idx")) << lookup;
    }
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('\n').toStdString();
}

TEST_F(ProgramDatabaseTest, AFileThatIsNoDatabaseIsReportedAndLeftAsItIs)
{
    const QByteArray content("Standard Jet DB\0\0 and the rest of an old file", 46);
    QFile f(AppPaths::databaseFile());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();

    EXPECT_FALSE(OpenProgramDatabase());
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(AppPaths::databaseFile())) << prompts.messages[0].toStdString();
    EXPECT_FALSE(gobjDatabase().isOpen());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), content);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList {"zr.mdb"});
}

} // namespace
