#include "QtMessageCheck.h"
#include "TestSupport.h"
#include "core/platform/Database.h"
#include "core/platform/JetColumns.h"
#include "core/platform/ReportFailures.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>

namespace {

class DatabaseTest : public DataFolderTest {
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        db.open(path(QStringLiteral("test.db")));
        db.execute(CreateTableStatement(QStringLiteral("tblThing"),
                                        {{QStringLiteral("ThingID"), QStringLiteral("COUNTER")},
                                         {QStringLiteral("ThingName"), QStringLiteral("TEXT(50)")},
                                         {QStringLiteral("Notes"), QStringLiteral("MEMO")},
                                         {QStringLiteral("Table"), QStringLiteral("INTEGER")},
                                         {QStringLiteral("Amount"), QStringLiteral("DOUBLE")},
                                         {QStringLiteral("Stamp"), QStringLiteral("DATETIME")}}));
    }

    QVariant single(const QString& sql, const QVariantList& values = {})
    {
        Recordset rs = db.query(sql, values);
        return rs.value(rs.columnNames().first());
    }

    qint64 addThing(const QString& name)
    {
        Recordset rs = db.openTable(QStringLiteral("tblThing"), QStringLiteral("WHERE 0"));
        rs.addNew();
        rs.setValue(QStringLiteral("ThingName"), name);
        return rs.update();
    }

    QString errorOf(const std::function<void()>& action)
    {
        try {
            action();
        } catch (const DatabaseError& e) {
            return e.text();
        }
        return QStringLiteral("(no error)");
    }

    Database db;
};

TEST_F(DatabaseTest, QueriesReadBoundValuesByColumnNameInAnyCase)
{
    db.execute(QStringLiteral("INSERT INTO tblThing (ThingName, Notes, Amount) VALUES (?, ?, ?)"),
               {QStringLiteral("O'Brien"), QStringLiteral("007"), 2.5});
    db.execute(QStringLiteral("INSERT INTO tblThing (ThingName) VALUES (?)"), {QStringLiteral("Ann")});

    Recordset rs = db.query(QStringLiteral("SELECT * FROM tblThing WHERE ThingName = ?"), {QStringLiteral("o'brien")});
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.value(QStringLiteral("thingname")).toString(), QStringLiteral("O'Brien")); // names ignore case
    EXPECT_EQ(rs.value(QStringLiteral("Notes")), QVariant(QStringLiteral("007"))); // memo stays text
    EXPECT_EQ(rs.value(QStringLiteral("Amount")).toDouble(), 2.5);
    EXPECT_FALSE(rs.value(QStringLiteral("Table")).isValid()); // Null reads as an invalid QVariant
    EXPECT_EQ(rs.value(QStringLiteral("ThingID")).toLongLong(), 1); // the counter was assigned

    // Of two names that differ only in case, the first is found, however spelled.
    const Recordset twins = db.query(QStringLiteral("SELECT ThingName AS name, Notes AS Name FROM tblThing"));
    EXPECT_EQ(twins.value(QStringLiteral("Name")).toString(), QStringLiteral("O'Brien"));
    EXPECT_EQ(twins.value(QStringLiteral("NAME")).toString(), QStringLiteral("O'Brien"));

    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(errorOf([&] { rs.value(QStringLiteral("ThingName")); }), QStringLiteral("No current record."));
    EXPECT_EQ(errorOf([&] { rs.moveNext(); }), QStringLiteral("No current record."));
    rs.moveFirst();
    EXPECT_TRUE(errorOf([&] { rs.value(QStringLiteral("Colour")); }).contains(QStringLiteral("Colour")));

    Recordset none = db.query(QStringLiteral("SELECT * FROM tblThing WHERE ThingID = ?"), {99});
    EXPECT_TRUE(none.eof());
    EXPECT_EQ(none.recordCount(), 0);
    EXPECT_EQ(none.columnNames().size(), 6);
}

TEST_F(DatabaseTest, ValuesAreStoredInTheirAgreedForms)
{
    const QDateTime evening(QDate(2024, 5, 1), QTime(20, 30, 15, 250));
    db.execute(
        QStringLiteral("INSERT INTO tblThing (ThingName, Notes, \"Table\", Amount, Stamp) VALUES (?, ?, ?, ?, ?)"),
        {QString(), QVariant(), true, 2.1f, evening});
    Recordset rs = db.query(QStringLiteral("SELECT *, typeof(Amount) AS AmountType FROM tblThing"));
    EXPECT_EQ(rs.value(QStringLiteral("ThingName")), QVariant(QStringLiteral(""))); // a null QString is ""
    EXPECT_FALSE(rs.value(QStringLiteral("Notes")).isValid()); // an invalid QVariant is Null
    EXPECT_EQ(rs.value(QStringLiteral("Table")).toLongLong(), 1);
    EXPECT_EQ(rs.value(QStringLiteral("Amount")).toDouble(), 2.1);
    EXPECT_EQ(rs.value(QStringLiteral("AmountType")).toString(), QStringLiteral("real"));
    EXPECT_EQ(rs.value(QStringLiteral("Stamp")).toString(), QStringLiteral("2024-05-01 20:30:15"));

    db.execute(QStringLiteral("UPDATE tblThing SET Stamp = ?"), {QDate(2023, 12, 31)});
    EXPECT_EQ(single(QStringLiteral("SELECT Stamp FROM tblThing")).toString(), QStringLiteral("2023-12-31 00:00:00"));
}

TEST_F(DatabaseTest, AddedRowsGetNewKeysThatAreNeverReused)
{
    EXPECT_EQ(addThing(QStringLiteral("Ann")), 1);
    EXPECT_EQ(addThing(QStringLiteral("Bob")), 2);
    db.execute(QStringLiteral("DELETE FROM tblThing WHERE ThingID = 2"));
    EXPECT_EQ(addThing(QStringLiteral("Cy")), 3);
    EXPECT_EQ(db.lastInsertId(), 3);

    // The recordset stands on the row it added, as stored.
    Recordset rs = db.openTable(QStringLiteral("tblThing"), QStringLiteral("ORDER BY ThingID"));
    rs.moveLast();
    rs.addNew();
    rs.setValue(QStringLiteral("thingname"), QStringLiteral("Dee"));
    rs.setValue(QStringLiteral("Table"), QStringLiteral("7")); // integer column: text that is a number
    EXPECT_EQ(rs.value(QStringLiteral("ThingName")).toString(), QStringLiteral("Dee"));
    EXPECT_FALSE(rs.value(QStringLiteral("Notes")).isValid());
    EXPECT_EQ(rs.update(), 4);
    EXPECT_EQ(rs.recordCount(), 3);
    EXPECT_EQ(rs.value(QStringLiteral("ThingID")).toLongLong(), 4);
    EXPECT_EQ(rs.value(QStringLiteral("Table")), QVariant(qlonglong(7)));
}

TEST_F(DatabaseTest, EditWritesOnlyTheCurrentRow)
{
    addThing(QStringLiteral("Ann"));
    addThing(QStringLiteral("Bob"));
    Recordset rs
        = db.openTable(QStringLiteral("tblThing"), QStringLiteral("WHERE ThingName = ?"), {QStringLiteral("BOB")});
    ASSERT_EQ(rs.recordCount(), 1); // name columns compare without regard to case
    rs.edit();
    rs.setValue(QStringLiteral("Amount"), 12.5);
    rs.setValue(QStringLiteral("Table"), 3);
    EXPECT_EQ(rs.update(), 2);
    EXPECT_EQ(rs.value(QStringLiteral("Amount")).toDouble(), 12.5);
    EXPECT_EQ(single(QStringLiteral("SELECT count(*) FROM tblThing WHERE Amount IS NULL")).toInt(), 1);
    EXPECT_EQ(single(QStringLiteral("SELECT \"Table\" FROM tblThing WHERE ThingID = 2")).toInt(), 3);

    // A pending edit is dropped when the recordset moves on.
    rs.edit();
    rs.setValue(QStringLiteral("Amount"), 99);
    rs.moveNext();
    rs.moveFirst();
    EXPECT_EQ(rs.value(QStringLiteral("Amount")).toDouble(), 12.5);

    EXPECT_EQ(errorOf([&] { rs.update(); }), QStringLiteral("Update without AddNew or Edit."));
    Recordset readOnly = db.query(QStringLiteral("SELECT * FROM tblThing"));
    EXPECT_TRUE(errorOf([&] { readOnly.edit(); }).contains(QStringLiteral("cannot be updated")));
    EXPECT_THROW(readOnly.addNew(), DatabaseError);
}

TEST_F(DatabaseTest, TransactionsRollBackUnlessCommittedAndNest)
{
    {
        Transaction outer(db);
        addThing(QStringLiteral("kept"));
        {
            Transaction inner(db);
            addThing(QStringLiteral("inner, dropped"));
        }
        {
            Transaction inner(db);
            addThing(QStringLiteral("inner, kept"));
            inner.commit();
        }
        outer.commit();
    }
    try {
        Transaction failing(db);
        addThing(QStringLiteral("dropped"));
        db.execute(QStringLiteral("ALTER TABLE tblThing ADD COLUMN Extra INTEGER"));
        db.execute(QStringLiteral("INSERT INTO tblMissing VALUES (1)"));
        failing.commit();
    } catch (const DatabaseError&) {
    }
    Recordset rs = db.query(QStringLiteral("SELECT ThingName FROM tblThing ORDER BY ThingID"));
    QStringList names;
    for (; !rs.eof(); rs.moveNext())
        names << rs.value(QStringLiteral("ThingName")).toString();
    EXPECT_EQ(names, QStringList({QStringLiteral("kept"), QStringLiteral("inner, kept")}));
    EXPECT_EQ(rs.columnNames().size(), 1);
    EXPECT_EQ(db.query(QStringLiteral("SELECT * FROM tblThing")).columnNames().size(), 6); // no Extra
}

TEST_F(DatabaseTest, ATransactionTheEngineTookBackItselfIsLoggedAsRolledBack)
{
    // On an I/O error or a full disk the engine rolls the whole transaction
    // back itself, savepoints and all.
    db.execute(QStringLiteral("CREATE TRIGGER failing BEFORE INSERT ON tblThing WHEN NEW.ThingName = 'fails' "
                              "BEGIN SELECT RAISE(ROLLBACK, 'disk I/O error'); END"));
    const ExpectedWarning logged(QStringLiteral("The change was rolled back by the database itself"));
    EXPECT_EQ(errorOf([&] {
                  Transaction outer(db);
                  addThing(QStringLiteral("dropped"));
                  Transaction inner(db);
                  addThing(QStringLiteral("fails"));
                  inner.commit();
                  outer.commit();
              }),
              QStringLiteral("disk I/O error"));
    EXPECT_EQ(logged.count(), 1); // once, not for each guard

    // Work that went on past the caught failure is not committed in silence.
    {
        Transaction outer(db);
        addThing(QStringLiteral("dropped"));
        EXPECT_EQ(errorOf([&] {
                      Transaction inner(db);
                      addThing(QStringLiteral("fails"));
                  }),
                  QStringLiteral("disk I/O error"));
        EXPECT_TRUE(errorOf([&] { outer.commit(); }).contains(QStringLiteral("took the change back itself")));
    }
    EXPECT_EQ(logged.count(), 2);

    Transaction after(db);
    addThing(QStringLiteral("kept"));
    after.commit();
    EXPECT_EQ(single(QStringLiteral("SELECT group_concat(ThingName) FROM tblThing")), QStringLiteral("kept"));
}

TEST_F(DatabaseTest, ErrorsCarryTheEnginesOwnText)
{
    EXPECT_EQ(errorOf([&] { db.execute(QStringLiteral("SELEC 1")); }), QStringLiteral("near \"SELEC\": syntax error"));
    EXPECT_EQ(errorOf([&] { db.execute(QStringLiteral("ALTER TABLE tblThing ADD COLUMN Notes TEXT")); }),
              QStringLiteral("duplicate column name: Notes"));
    Database closed;
    EXPECT_THROW(closed.execute(QStringLiteral("SELECT 1")), DatabaseError);
}

TEST_F(DatabaseTest, EachDatabaseHasItsOwnConnectionAndSynchronousWrites)
{
    Database other;
    other.open(path(QStringLiteral("other.db")));
    other.execute(QStringLiteral("CREATE TABLE tblOther (x INTEGER)"));
    EXPECT_EQ(other.tableNames(), QStringList {QStringLiteral("tblOther")});
    EXPECT_EQ(db.tableNames(), QStringList {QStringLiteral("tblThing")});
    EXPECT_EQ(single(QStringLiteral("PRAGMA synchronous")).toInt(), 2); // FULL
    EXPECT_EQ(single(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("delete"));

    // The program's database can be replaced by a test's own.
    setProgramDatabase(&other);
    EXPECT_EQ(&gobjDatabase(), &other);
    setProgramDatabase(nullptr);
    EXPECT_NE(&gobjDatabase(), &other);
}

TEST_F(DatabaseTest, AFileThatIsNoDatabaseIsRefusedAndLeftUntouched)
{
    static const char oldFile[] = "Standard Jet DB\0\0\0\0 and more bytes of an old file";
    for (const QByteArray& content : {QByteArray(oldFile, sizeof oldFile - 1), QByteArray("SQLite")}) {
        const QString file = path(QStringLiteral("old.mdb"));
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);

        Database other;
        const QString error = errorOf([&] { other.open(file); });
        EXPECT_TRUE(error.contains(QFileInfo(file).absoluteFilePath())) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("not a database"))) << error.toStdString();
        EXPECT_FALSE(other.isOpen());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), content);
        f.close();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before); // no journal either
    }
}

TEST_F(DatabaseTest, EveryErrorOfADamagedFileNamesTheFile)
{
    {
        Transaction t(db);
        for (int i = 0; i < 300; ++i)
            db.execute(QStringLiteral("INSERT INTO tblThing (Notes) VALUES (?)"), {QString(400, u'n')});
        t.commit();
    }
    const QString file = db.fileName();
    db.close();
    {
        // The first pages stay intact, so the file still opens.
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_GT(f.size(), 16 * 4096);
        f.seek(8 * 4096);
        f.write(QByteArray(f.size() - 8 * 4096, 'x'));
    }
    db.open(file);
    const QString where = QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
    try {
        db.query(QStringLiteral("SELECT * FROM tblThing"));
        ADD_FAILURE() << "a damaged table was read";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("malformed"))) << e.what();
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(where)) << e.what();
    }

    // A failure that the store raises names the program's database when shown.
    setProgramDatabase(&db);
    ReportFailures([] { throw DatabaseError(QStringLiteral("The league with the number 3 does not exist.")); });
    setProgramDatabase(nullptr);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(where)) << prompts.messages[0].toStdString();
    EXPECT_TRUE(prompts.messages[0].contains(QStringLiteral("league with the number 3")));
}

TEST_F(DatabaseTest, AReadOnlyFileIsRefusedAndLeftUntouched)
{
    db.close();
    const QString file = path(QStringLiteral("test.db"));
    // Marked read-only: refused also for a user the system lets write it.
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    const QByteArray content = [&] {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    const QString error = errorOf([&] { db.open(file); });
    EXPECT_TRUE(error.contains(QStringLiteral("cannot be opened for writing"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QFileInfo(file).absoluteFilePath()));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), content);
    EXPECT_FALSE(QFile::exists(file + QStringLiteral("-journal")));
}

TEST_F(DatabaseTest, AStatementPreparedOnceRunsAgainWithNewValuesAndAMarkInQuotesIsText)
{
    Statement insert(db, QStringLiteral("INSERT INTO tblThing (ThingName, Notes, Amount) VALUES (?, 'why?', ?)"));
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(insert.execute({QStringLiteral("Thing %1").arg(i), 1.5 * i}), 1);
        EXPECT_EQ(insert.lastInsertId(), i);
    }
    Statement rename(db, QStringLiteral("UPDATE tblThing SET ThingName = ? WHERE Amount > ?"));
    EXPECT_EQ(rename.execute({QStringLiteral("Big"), 2.0}), 2);
    EXPECT_EQ(rename.execute({QStringLiteral("None"), 9.0}), 0);
    EXPECT_EQ(single(QStringLiteral("SELECT count(*) FROM tblThing WHERE Notes = 'why?'")).toInt(), 3);
    EXPECT_EQ(single(QStringLiteral("SELECT count(*) FROM tblThing WHERE ThingName = 'Big'")).toInt(), 2);
    EXPECT_EQ(errorOf([&] { insert.execute({QStringLiteral("Short")}); }),
              QStringLiteral("The statement takes 2 values, not 1."));
}

TEST(JetColumns, ATypeOutsideTheMapIsAnError)
{
    EXPECT_EQ(SqliteType(QStringLiteral("varchar(255)")), QStringLiteral("TEXT"));
    EXPECT_THROW(SqliteType(QStringLiteral("CURRENCY")), DatabaseError);
}

} // namespace
