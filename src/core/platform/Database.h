#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

// The program's database: one SQLite file (zr.mdb) reached through Qt's
// QSQLITE driver. Values always travel as bound parameters ("?" in the
// statement, in the order of the value list).
//
// Values written: a bool is stored as 1/0, any whole number as an integer, a
// float as a real, a QDateTime or QDate as text "yyyy-MM-dd HH:mm:ss" of its
// day and time of day without a zone (StoredDate.h; an invalid one is an
// error naming its column), a QString as text (a null QString as ""), an
// invalid QVariant as Null.
// Values read: Null reads as an invalid QVariant, everything else as the
// engine holds it (integer, real or text).

// Every failure of the database. text() is the engine's own message where
// the engine gave one; what() names the database's file as well, when the
// failure came from an open database (a damaged file is reported by name).
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& text, const QString& file = {});
    QString text() const { return m_text; }
    QString fileName() const { return m_file; }

private:
    QString m_text;
    QString m_file;
};

// Runs work; any other failure it raises (an index outside its bounds, a
// number out of range) goes on as a DatabaseError with the same text, so
// callers catch one kind.
template <typename Work>
void RaiseAsDatabaseError(Work&& work)
{
    try {
        work();
    } catch (const DatabaseError&) {
        throw;
    } catch (const std::exception& e) {
        throw DatabaseError(QString::fromUtf8(e.what()));
    }
}

class Recordset;
struct PreparedQuery;

class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens the file, creating an empty database when it is missing, with
    // synchronous=FULL, the default rollback journal and a busy wait of
    // kBusyWaitMs. A file that is not
    // a SQLite database, or that cannot be written, is refused without being
    // touched; the error names the file. Closes any file opened before.
    void open(const QString& file);
    void close();
    bool isOpen() const;
    QString fileName() const { return m_file; }

    // Runs one statement; returns the number of rows it changed.
    int execute(const QString& sql, const QVariantList& values = {});
    // The rows of one query, read at once; the result cannot be updated.
    Recordset query(const QString& sql, const QVariantList& values = {});
    // The rows of one table, restricted by an optional clause that follows
    // the table's name ("WHERE TournamentID = ? ORDER BY LevelNumber"); the
    // result can add and edit rows of that table.
    Recordset openTable(const QString& table, const QString& clause = {}, const QVariantList& values = {});
    // The key (rowid) of the row the last insert on this connection added.
    qint64 lastInsertId();
    // The names of the tables, in the letter case in which they were created.
    QStringList tableNames();

    // How long a statement waits, in milliseconds, while another program (a
    // backup, a database browser) holds a lock on the file, before it fails
    // with "database is locked". A save of results must outlast a short lock.
    static constexpr int kBusyWaitMs = 5000;
    int busyWait();
    void setBusyWait(int ms);

private:
    friend class Recordset;
    friend class Statement;
    friend class Transaction;

    QSqlDatabase connection() const;
    void requireOpen() const;
    Recordset read(const QString& sql, const QVariantList& values, const QString& table);
    // Runs work; a failure that names no file is raised again naming this one.
    template <typename Work>
    auto naming(Work&& work) -> decltype(work());

    QString m_connectionName;
    QString m_file;
    int m_transactionDepth = 0;
    // The savepoints up to this number were taken back by the engine itself
    // (Transaction), so they are no longer there to roll back to.
    int m_lostSavepoints = 0;
};

// A snapshot of the rows of one query with a current row, positioned on the
// first row when there is one. Columns are found by name without regard to
// letter case (the first of equal names wins). A recordset opened through
// Database::openTable can add and edit rows: addNew() or edit(), setValue()
// for each column to write, update(). After update() the recordset holds the
// row as stored and stands on it (an added row becomes the last row).
// A recordset must not outlive its Database.
class Recordset {
public:
    int recordCount() const { return static_cast<int>(m_rows.size()); }
    bool eof() const { return m_position >= recordCount(); }
    void moveFirst() { m_position = 0; }
    void moveNext();
    void moveLast() { m_position = recordCount() > 0 ? recordCount() - 1 : 0; }

    QStringList columnNames() const { return m_columns; }
    // Puts the rows in the order of the column's values by less, keeping
    // the query's order between equal values (for an order SQL cannot
    // give); the first row becomes the current one.
    void sortRows(const QString& column, const std::function<bool(const QVariant&, const QVariant&)>& less);
    // The value of a column in the current row (during addNew or edit, a
    // value given by setValue). Fails with "No current record." at the end.
    QVariant value(const QString& column) const;
    // The same by the column's position (columnIndex), for reading many rows
    // without looking the name up for each.
    int columnIndex(const QString& column) const;
    QVariant value(int column) const;

    void addNew();
    void edit();
    void setValue(const QString& column, const QVariant& value);
    // Writes the new or edited row; returns its key (rowid).
    qint64 update();
    // Drops the pending addNew or edit.
    void cancelUpdate();

private:
    friend class Database;
    enum class Mode { None, Edit, AddNew };

    [[noreturn]] void fail(const QString& text) const; // a DatabaseError naming the file
    void requireCurrentRow() const;
    void requireUpdatable() const;
    void reload(qint64 rowid, bool append);

    Database* m_db = nullptr;
    QString m_table; // empty: the recordset cannot be updated
    QStringList m_columns;
    QHash<QString, int> m_index; // lower-case name -> column
    QHash<QString, int> m_exactIndex; // name as the query spells it -> column
    std::vector<QVariantList> m_rows;
    std::vector<qint64> m_rowids;
    int m_position = 0;
    Mode m_mode = Mode::None;
    std::vector<std::pair<int, QVariant>> m_changes;
};

// One statement prepared once and run many times, each time with new values:
// a batch of rows written without preparing the same text again for every
// row. Values are bound as by Database::execute. Must not outlive its
// Database.
class Statement {
public:
    Statement(Database& db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Runs it with these values; returns the number of rows it changed.
    int execute(const QVariantList& values = {});
    // The key (rowid) of the row the last run added.
    qint64 lastInsertId() const { return m_lastInsertId; }

private:
    Database& m_db;
    std::unique_ptr<PreparedQuery> m_query;
    qint64 m_lastInsertId = 0;
};

// A transaction for as long as the guard lives: commit() keeps the changes,
// leaving the scope without commit() takes them all back. Guards may nest.
// Some failures (a full disk, an I/O error) make the engine take the whole
// transaction back itself: that is logged as such, and a commit() after it
// (a failure inside was caught) fails saying that nothing was stored.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    void end();

    Database& m_db;
    int m_number; // 1 for the outermost
    QString m_savepoint;
    bool m_open = true;
};

// For as long as it lives, a statement on the database waits at most ms for
// a lock another program holds, then fails: for a write that must not keep
// the window waiting. The wait in force before comes back at the end, so
// every other write waits as long as ever.
class BriefBusyWait {
public:
    BriefBusyWait(Database& db, int ms);
    ~BriefBusyWait();
    BriefBusyWait(const BriefBusyWait&) = delete;
    BriefBusyWait& operator=(const BriefBusyWait&) = delete;

private:
    Database& m_db;
    int m_before;
};

// A table or column name as SQL text: QuoteName("Table") gives "Table" in
// double quotes, as the reserved word needs.
QString QuoteName(const QString& name);

// The program's one database connection (zr.mdb in the data folder), used by
// the whole program until exit.
Database& gobjDatabase();
// Puts another Database in place of the program's own (tests); nullptr goes
// back to the program's own.
void setProgramDatabase(Database* db);
