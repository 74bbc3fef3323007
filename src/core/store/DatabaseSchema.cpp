#include "core/store/DatabaseSchema.h"

#include "core/platform/Database.h"
#include "core/platform/JetColumns.h"
#include "core/platform/Prompter.h"

#include <algorithm>

namespace {

const int kBlindColumns = 15; // LittleBlind1..15 and BigBlind1..15 of the oldest layouts

QString numbered(const char* name, int n) { return QLatin1String(name) + QString::number(n); }

void addColumn(Database& db, const QString& table, const QString& column, const QString& jetType)
{
    db.execute(AddColumnStatement(table, {column, jetType}));
}

void addColumns(Database& db, const QString& table, const QList<JetColumn>& columns)
{
    for (const JetColumn& column : columns)
        db.execute(AddColumnStatement(table, column));
}

void dropColumn(Database& db, const QString& table, const QString& column)
{
    db.execute(DropColumnStatement(table, column));
}

// Gives every row of the table the value in the column.
void setAll(Database& db, const QString& table, const QString& column, const QVariant& value)
{
    db.execute(QStringLiteral("UPDATE %1 SET %2 = ?").arg(QuoteName(table), QuoteName(column)), {value});
}

void setAll(Database& db, const QString& table, const QList<JetColumn>& columns, const QVariant& value)
{
    for (const JetColumn& column : columns)
        setAll(db, table, column.name, value);
}

// Fifteen tblLevel rows per tournament from its blind columns.
void moveBlindsToLevels(Database& db)
{
    Recordset tournaments = db.query(QStringLiteral("SELECT * FROM tblTournament"));
    Recordset levels = db.openTable(QStringLiteral("tblLevel"));
    for (; !tournaments.eof(); tournaments.moveNext()) {
        for (int n = 1; n <= kBlindColumns; ++n) {
            levels.addNew();
            levels.setValue(QStringLiteral("LevelNumber"), n);
            levels.setValue(QStringLiteral("TournamentID"), tournaments.value(QStringLiteral("TournamentID")));
            levels.setValue(QStringLiteral("Ante"), 0);
            levels.setValue(QStringLiteral("SmallBlind"), tournaments.value(numbered("LittleBlind", n)));
            levels.setValue(QStringLiteral("BigBlind"), tournaments.value(numbered("BigBlind", n)));
            levels.setValue(QStringLiteral("SmallRaise"), 0);
            levels.setValue(QStringLiteral("BigRaise"), 0);
            levels.setValue(QStringLiteral("BreakAfter"), 0);
            levels.setValue(QStringLiteral("SessionTime"), tournaments.value(QStringLiteral("MinutesPerSession")));
            levels.update();
        }
    }
}

void createVersionTable(Database& db)
{
    Transaction transaction(db);
    db.execute(CreateTableStatement(
        QStringLiteral("tblVersion"),
        {{QStringLiteral("DatabaseVersion"), QStringLiteral("TEXT(20)"), QStringLiteral("tblVersionPK")}}));
    db.execute(QStringLiteral("INSERT INTO tblVersion (DatabaseVersion) VALUES ('INITIAL')"));
    transaction.commit();
}

} // namespace

void CreateBaseSchema(Database& db)
{
    QList<JetColumn> tournament {
        {QStringLiteral("TournamentID"), QStringLiteral("COUNTER")},
        {QStringLiteral("LeagueID"), QStringLiteral("LONG")},
        {QStringLiteral("TournamentName"), QStringLiteral("TEXT(50)")},
        {QStringLiteral("Date"), QStringLiteral("DATETIME")},
        {QStringLiteral("PlayersPerTable"), QStringLiteral("INTEGER")},
        {QStringLiteral("AutoDoubleBlind"), QStringLiteral("INTEGER")},
        {QStringLiteral("Big"), QStringLiteral("DOUBLE")},
        {QStringLiteral("Small"), QStringLiteral("DOUBLE")},
        {QStringLiteral("Ante"), QStringLiteral("DOUBLE")},
        {QStringLiteral("MinutesPerSession"), QStringLiteral("LONG")},
        {QStringLiteral("Buyin"), QStringLiteral("DOUBLE")},
        {QStringLiteral("PayAsPercentages"), QStringLiteral("INTEGER")},
        {QStringLiteral("Numberpaid"), QStringLiteral("INTEGER")},
        {QStringLiteral("roundto"), QStringLiteral("INTEGER")},
    };
    for (int n = 1; n <= 6; ++n)
        tournament.append({numbered("ChipAmount", n), QStringLiteral("DOUBLE")});
    for (int n = 1; n <= 6; ++n)
        tournament.append({numbered("ChipColor", n), QStringLiteral("TEXT(50)")});

    Transaction transaction(db);
    db.execute(CreateTableStatement(QStringLiteral("tblLeague"),
                                    {{QStringLiteral("LeagueID"), QStringLiteral("COUNTER")},
                                     {QStringLiteral("LeagueName"), QStringLiteral("TEXT(50)")},
                                     {QStringLiteral("Rules"), QStringLiteral("MEMO")}}));
    db.execute(CreateTableStatement(
        QStringLiteral("tblLeagueXPlayer"),
        {{QStringLiteral("LeagueID"), QStringLiteral("LONG")}, {QStringLiteral("PlayerID"), QStringLiteral("LONG")}}));
    db.execute(CreateTableStatement(QStringLiteral("tblPlayer"),
                                    {{QStringLiteral("PlayerID"), QStringLiteral("COUNTER")},
                                     {QStringLiteral("PlayerName"), QStringLiteral("TEXT(50)")}}));
    db.execute(CreateTableStatement(QStringLiteral("tblTournament"), tournament));
    db.execute(CreateTableStatement(QStringLiteral("tblPayout"),
                                    {{QStringLiteral("TournamentID"), QStringLiteral("LONG")},
                                     {QStringLiteral("Position"), QStringLiteral("INTEGER")},
                                     {QStringLiteral("Payout"), QStringLiteral("DOUBLE")}}));
    db.execute(CreateTableStatement(QStringLiteral("tblTournamentXPlayer"),
                                    {{QStringLiteral("TournamentID"), QStringLiteral("LONG")},
                                     {QStringLiteral("PlayerID"), QStringLiteral("LONG")},
                                     {QStringLiteral("Table"), QStringLiteral("INTEGER")},
                                     {QStringLiteral("Seat"), QStringLiteral("INTEGER")},
                                     {QStringLiteral("Finish"), QStringLiteral("INTEGER")},
                                     {QStringLiteral("Payout"), QStringLiteral("DOUBLE")},
                                     {QStringLiteral("Buyin"), QStringLiteral("DOUBLE")}}));
    transaction.commit();
}

void UpgradeToVerona(Database& db)
{
    const QString table = QStringLiteral("tblTournament");
    for (int n = 1; n <= kBlindColumns; ++n) {
        addColumn(db, table, numbered("LittleBlind", n), QStringLiteral("SINGLE"));
        addColumn(db, table, numbered("BigBlind", n), QStringLiteral("SINGLE"));
    }
    addColumn(db, table, QStringLiteral("BlindsLevel"), QStringLiteral("LONG"));
}

void UpgradeToErlanger(Database& db)
{
    const QString tournament = QStringLiteral("tblTournament");
    const QString entrant = QStringLiteral("tblTournamentXPlayer");
    addColumns(db, tournament,
               {{QStringLiteral("SmallRaise"), QStringLiteral("DOUBLE")},
                {QStringLiteral("BigRaise"), QStringLiteral("DOUBLE")},
                {QStringLiteral("AllowRebuys"), QStringLiteral("INTEGER")},
                {QStringLiteral("AllowAddons"), QStringLiteral("INTEGER")},
                {QStringLiteral("BuyinChipValue"), QStringLiteral("DOUBLE")},
                {QStringLiteral("RebuyAmount"), QStringLiteral("DOUBLE")},
                {QStringLiteral("RebuyChipValue"), QStringLiteral("DOUBLE")},
                {QStringLiteral("NumberRebuys"), QStringLiteral("INTEGER")},
                {QStringLiteral("RebuyUntilLevel"), QStringLiteral("INTEGER")},
                {QStringLiteral("AddonAmount"), QStringLiteral("DOUBLE")},
                {QStringLiteral("AddonChipValue"), QStringLiteral("DOUBLE")},
                {QStringLiteral("NumberAddons"), QStringLiteral("INTEGER")},
                {QStringLiteral("AddonLevel1"), QStringLiteral("INTEGER")},
                {QStringLiteral("AddonLevel2"), QStringLiteral("INTEGER")},
                {QStringLiteral("HouseTakeAmount"), QStringLiteral("DOUBLE")},
                // Created in this letter case; NumberLevels names the same column.
                {QStringLiteral("Numberlevels"), QStringLiteral("INTEGER")},
                {QStringLiteral("Rules"), QStringLiteral("MEMO")},
                {QStringLiteral("CustomMessage"), QStringLiteral("MEMO")},
                {QStringLiteral("CustomPictureType"), QStringLiteral("INTEGER")},
                {QStringLiteral("CustomPictureLocation"), QStringLiteral("TEXT(255)")}});

    // Each tournament takes over its league's rules; a tournament whose
    // league is gone keeps none.
    db.execute(QStringLiteral("UPDATE tblTournament SET Rules = tblLeague.Rules FROM tblLeague "
                              "WHERE tblLeague.LeagueID = tblTournament.LeagueID"));
    dropColumn(db, QStringLiteral("tblLeague"), QStringLiteral("Rules"));

    addColumns(db, QStringLiteral("tblPlayer"),
               {{QStringLiteral("FirstName"), QStringLiteral("TEXT(50)")},
                {QStringLiteral("LastName"), QStringLiteral("TEXT(50)")},
                {QStringLiteral("Phone"), QStringLiteral("TEXT(20)")},
                {QStringLiteral("Email"), QStringLiteral("TEXT(50)")},
                {QStringLiteral("Address"), QStringLiteral("TEXT(50)")},
                {QStringLiteral("Address2"), QStringLiteral("TEXT(50)")},
                {QStringLiteral("City"), QStringLiteral("TEXT(50)")},
                {QStringLiteral("State"), QStringLiteral("TEXT(20)")},
                {QStringLiteral("Zip"), QStringLiteral("TEXT(20)")},
                {QStringLiteral("Country"), QStringLiteral("TEXT(50)")}});

    addColumns(db, entrant,
               {{QStringLiteral("TotalRebuy"), QStringLiteral("DOUBLE")},
                {QStringLiteral("TotalAddon"), QStringLiteral("DOUBLE")},
                {QStringLiteral("TotalBuyin"), QStringLiteral("DOUBLE")},
                {QStringLiteral("HouseFee"), QStringLiteral("DOUBLE")},
                {QStringLiteral("TotalChipValue"), QStringLiteral("DOUBLE")},
                {QStringLiteral("NumRebuys"), QStringLiteral("INTEGER")},
                {QStringLiteral("NumAddons"), QStringLiteral("INTEGER")}});
    db.execute(QStringLiteral("UPDATE tblTournamentXPlayer SET TotalBuyin = Buyin"));
    dropColumn(db, entrant, QStringLiteral("Buyin"));

    db.execute(CreateTableStatement(QStringLiteral("tblLevel"),
                                    {{QStringLiteral("LevelID"), QStringLiteral("COUNTER"), QStringLiteral("PKLevel")},
                                     {QStringLiteral("TournamentID"), QStringLiteral("LONG")},
                                     {QStringLiteral("LevelNumber"), QStringLiteral("INTEGER")},
                                     {QStringLiteral("Ante"), QStringLiteral("DOUBLE")},
                                     {QStringLiteral("SmallBlind"), QStringLiteral("DOUBLE")},
                                     {QStringLiteral("BigBlind"), QStringLiteral("DOUBLE")},
                                     {QStringLiteral("SmallRaise"), QStringLiteral("DOUBLE")},
                                     {QStringLiteral("BigRaise"), QStringLiteral("DOUBLE")},
                                     {QStringLiteral("SessionTime"), QStringLiteral("INTEGER")},
                                     {QStringLiteral("BreakAfter"), QStringLiteral("INTEGER")}}));
    moveBlindsToLevels(db);
    setAll(db, tournament, QStringLiteral("NumberLevels"), kBlindColumns);
    for (int n = 1; n <= kBlindColumns; ++n) {
        dropColumn(db, tournament, numbered("LittleBlind", n));
        dropColumn(db, tournament, numbered("BigBlind", n));
    }
}

void UpgradeToVegas(Database& db)
{
    addColumn(db, QStringLiteral("tblPayout"), QStringLiteral("Prize"), QStringLiteral("varchar(255)"));
    db.execute(QStringLiteral("UPDATE tblPayout SET Prize = '' WHERE Prize IS NULL"));
}

void UpgradeToVegas10(Database&) { }

void UpgradeToNYNYLV(Database& db)
{
    const QString tournament = QStringLiteral("tblTournament");
    QList<JetColumn> estimates {
        {QStringLiteral("EstNumberofPlayers"), QStringLiteral("INTEGER")},
        {QStringLiteral("EstNumberofRebuys"), QStringLiteral("INTEGER")},
        {QStringLiteral("EstNumberofAddons"), QStringLiteral("INTEGER")},
        {QStringLiteral("EstDurationOfTournament"), QStringLiteral("INTEGER")},
        {QStringLiteral("EstTimeForBreaks"), QStringLiteral("INTEGER")},
        {QStringLiteral("EstNumberofBreaks"), QStringLiteral("INTEGER")},
    };
    for (int n = 1; n <= 6; ++n)
        estimates.append({numbered("StartingChipCount", n), QStringLiteral("INTEGER")});
    estimates.append({QStringLiteral("NotifyWhenTablesCanBeReduced"), QStringLiteral("INTEGER")});

    addColumns(db, tournament, estimates);
    // Points can be fractional, so they are kept as reals.
    addColumn(db, QStringLiteral("tblPayout"), QStringLiteral("Points"), QStringLiteral("DOUBLE"));
    addColumn(db, QStringLiteral("tblTournamentXPlayer"), QStringLiteral("Points"), QStringLiteral("DOUBLE"));
    setAll(db, tournament, estimates, 0);
    setAll(db, QStringLiteral("tblPayout"), QStringLiteral("Points"), 0);
    setAll(db, QStringLiteral("tblTournamentXPlayer"), QStringLiteral("Points"), 0);
    db.execute(CreateTableStatement(
        QStringLiteral("tblDefaultSmallBlind"),
        {{QStringLiteral("DefaultSmallBlindID"), QStringLiteral("COUNTER"), QStringLiteral("PKLevel")},
         {QStringLiteral("Amount"), QStringLiteral("DOUBLE")}}));
}

void UpgradeToQUORVEL(Database& db)
{
    const QString player = QStringLiteral("tblPlayer");
    addColumn(db, player, QStringLiteral("PlayerNameTemp"), QStringLiteral("TEXT(50)"));
    db.execute(QStringLiteral("UPDATE tblPlayer SET PlayerNameTemp = PlayerName"));
    dropColumn(db, player, QStringLiteral("PlayerName"));
    addColumn(db, player, QStringLiteral("PlayerName"), QStringLiteral("TEXT(255)"));
    db.execute(QStringLiteral("UPDATE tblPlayer SET PlayerName = PlayerNameTemp"));
    dropColumn(db, player, QStringLiteral("PlayerNameTemp"));
}

void UpgradeToQUORVEL2(Database& db)
{
    const QString tournament = QStringLiteral("tblTournament");
    QList<JetColumn> amounts, colours, counts, pictures;
    for (int n = 7; n <= 10; ++n) {
        amounts.append({numbered("ChipAmount", n), QStringLiteral("DOUBLE")});
        colours.append({numbered("ChipColor", n), QStringLiteral("TEXT(50)")});
        counts.append({numbered("StartingChipCount", n), QStringLiteral("INTEGER")});
    }
    for (int n = 1; n <= 10; ++n)
        pictures.append({numbered("ChipPicture", n), QStringLiteral("TEXT(255)")});

    addColumns(db, tournament, amounts + colours + counts);
    setAll(db, tournament, amounts, 0);
    setAll(db, tournament, colours, QStringLiteral("Not Used"));
    setAll(db, tournament, counts, 0);
    addColumns(db, tournament, pictures);
    setAll(db, tournament, pictures, QStringLiteral(""));
    db.execute(
        CreateTableStatement(QStringLiteral("tblAward"),
                             {{QStringLiteral("AwardID"), QStringLiteral("COUNTER"), QStringLiteral("PKSpecialPayout")},
                              {QStringLiteral("TournamentID"), QStringLiteral("INTEGER")},
                              {QStringLiteral("IsBounty"), QStringLiteral("INTEGER")},
                              {QStringLiteral("BountyPlayerID"), QStringLiteral("INTEGER")},
                              {QStringLiteral("Description"), QStringLiteral("TEXT(255)")},
                              {QStringLiteral("Payout"), QStringLiteral("DOUBLE")},
                              {QStringLiteral("Points"), QStringLiteral("DOUBLE")},
                              {QStringLiteral("AwardedToPlayerID"), QStringLiteral("INTEGER")}}));
}

void UpgradeToBengals(Database& db)
{
    db.execute(CreateTableStatement(QStringLiteral("tblFont"),
                                    {{QStringLiteral("FontID"), QStringLiteral("COUNTER"), QStringLiteral("PKFont")},
                                     {QStringLiteral("Description"), QStringLiteral("TEXT(255)")},
                                     {QStringLiteral("LabelText"), QStringLiteral("TEXT(255)")},
                                     {QStringLiteral("FontColor"), QStringLiteral("TEXT(55)")},
                                     {QStringLiteral("FontName"), QStringLiteral("TEXT(100)")},
                                     {QStringLiteral("FontBold"), QStringLiteral("INTEGER")},
                                     {QStringLiteral("FontItalic"), QStringLiteral("INTEGER")},
                                     {QStringLiteral("FontSize"), QStringLiteral("INTEGER")},
                                     {QStringLiteral("HeaderColor"), QStringLiteral("TEXT(55)")},
                                     {QStringLiteral("Visible"), QStringLiteral("INTEGER")}}));
    const QString entrant = QStringLiteral("tblTournamentXPlayer");
    const QList<JetColumn> columns {{QStringLiteral("Kills"), QStringLiteral("INTEGER")},
                                    {QStringLiteral("EliminatedByPlayerID"), QStringLiteral("INTEGER")},
                                    {QStringLiteral("ChipCount"), QStringLiteral("SINGLE")}};
    addColumns(db, entrant, columns);
    setAll(db, entrant, columns, 0);
}

void UpgradeToVantish(Database& db)
{
    const QString tournament = QStringLiteral("tblTournament");
    const QString level = QStringLiteral("tblLevel");
    const QList<JetColumn> autoPoints {{QStringLiteral("UseAutoPointsAll"), QStringLiteral("INTEGER")},
                                       {QStringLiteral("UseAutoPointsbyPosition"), QStringLiteral("INTEGER")},
                                       {QStringLiteral("AutoPointsAllPlayers"), QStringLiteral("DOUBLE")},
                                       {QStringLiteral("AutoPointsByPositionFactor"), QStringLiteral("DOUBLE")},
                                       {QStringLiteral("gintAutoBountyType"), QStringLiteral("INTEGER")},
                                       {QStringLiteral("gdblAutoBountyDollars"), QStringLiteral("DOUBLE")},
                                       {QStringLiteral("gdblAutoBountyPoints"), QStringLiteral("DOUBLE")}};
    addColumns(db, tournament, autoPoints);
    addColumn(db, level, QStringLiteral("Reminder"), QStringLiteral("TEXT(255)"));
    addColumn(db, level, QStringLiteral("WaitOnReminder"), QStringLiteral("INTEGER"));
    setAll(db, tournament, autoPoints, 0);
    setAll(db, level, QStringLiteral("Reminder"), QStringLiteral(""));
    setAll(db, level, QStringLiteral("WaitOnReminder"), 0);
}

const std::vector<UpgradeStep>& UpgradeSteps()
{
    static const std::vector<UpgradeStep> steps {
        {QStringLiteral("VERONA"), QStringLiteral("VERONA"), UpgradeToVerona},
        {QStringLiteral("ERLANGER"), QStringLiteral("Erlanger"), UpgradeToErlanger},
        {QStringLiteral("VEGAS"), QStringLiteral("VEGAS"), UpgradeToVegas},
        {QStringLiteral("VEGAS10"), QStringLiteral("VEGAS10"), UpgradeToVegas10},
        {QStringLiteral("NYNYLV"), QStringLiteral("NYNYLV"), UpgradeToNYNYLV},
        {QStringLiteral("QUORVEL"), QStringLiteral("QUORVEL"), UpgradeToQUORVEL},
        {QStringLiteral("QUORVEL2"), QStringLiteral("QUORVEL2"), UpgradeToQUORVEL2},
        {QStringLiteral("BENGALS"), QStringLiteral("BENGALS"), UpgradeToBengals},
        {QStringLiteral("VANTISH"), QStringLiteral("VANTISH"), UpgradeToVantish},
    };
    return steps;
}

namespace {

// Whether the table has every one of the columns ("A, B"), in any letter case
// as the engine takes them.
bool hasColumns(Database& db, const char* table, const char* columns)
{
    QStringList present;
    for (Recordset rs = db.query(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {QLatin1String(table)});
         !rs.eof(); rs.moveNext())
        present << rs.value(QStringLiteral("name")).toString();
    const QStringList wanted = QString::fromLatin1(columns).split(QStringLiteral(", "));
    return std::ranges::all_of(wanted,
                               [&present](const QString& c) { return present.contains(c, Qt::CaseInsensitive); });
}

} // namespace

void CreateLookupIndexes(Database& db)
{
    static const struct {
        const char* name;
        const char* table;
        const char* columns;
    } indexes[] = {
        {"idxTournamentXPlayerKey", "tblTournamentXPlayer", "TournamentID, PlayerID"},
        {"idxPayoutKey", "tblPayout", "TournamentID, Position"},
        {"idxLevelKey", "tblLevel", "TournamentID, LevelNumber"},
        {"idxAwardTournament", "tblAward", "TournamentID"},
        {"idxLeagueXPlayerKey", "tblLeagueXPlayer", "LeagueID, PlayerID"},
    };
    const QStringList tables = db.tableNames();
    for (const auto& index : indexes) {
        if (!tables.contains(QLatin1String(index.table)) || !hasColumns(db, index.table, index.columns))
            continue;
        db.execute(QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                       .arg(QLatin1String(index.name), QLatin1String(index.table), QLatin1String(index.columns)));
    }
}

bool CheckDatabaseVersion(Database& db)
{
    try {
        // Only a table of exactly this name counts; one in other letter case
        // makes the CREATE TABLE fail, and that error is shown.
        if (!db.tableNames().contains(QStringLiteral("tblVersion"), Qt::CaseSensitive))
            createVersionTable(db);

        Recordset version = db.openTable(QStringLiteral("tblVersion"));
        const QString code = version.value(QStringLiteral("DatabaseVersion")).toString().toUpper();
        const std::vector<UpgradeStep>& steps = UpgradeSteps();
        size_t next = steps.size(); // the current layout, or a code outside the chain
        if (code == QLatin1String("INITIAL"))
            next = 0;
        for (size_t i = 0; i < steps.size(); ++i)
            if (steps[i].code == code)
                next = i + 1;

        for (; next < steps.size(); ++next) {
            Transaction transaction(db);
            steps[next].apply(db);
            version.edit();
            version.setValue(QStringLiteral("DatabaseVersion"), steps[next].stamp);
            version.update();
            transaction.commit();
        }
        CreateLookupIndexes(db);
        return true;
    } catch (const std::exception& e) { // a DatabaseError's what() is its text
        prompter().message(QString::fromUtf8(e.what()));
        return false;
    }
}
