#include "core/platform/Database.h"

#include "core/platform/StoredDate.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtDebug>
#include <algorithm>
#include <atomic>
#include <charconv>
#include <numeric>

// A prepared statement and the names of its value marks, in order.
struct PreparedQuery {
    QSqlQuery query;
    QStringList marks;
};

namespace {

const QString kDriver = QStringLiteral("QSQLITE");
const QString kRowidColumn = QStringLiteral("zrv_rowid");

QString engineText(const QSqlError& error)
{
    const QString text = error.databaseText();
    return text.isEmpty() ? error.text() : text;
}

// The value as the engine stores it (see the header); what() names it in an
// error, and is asked for only then.
template <typename What>
QVariant toStored(const QVariant& value, const What& what)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString().isNull() ? QVariant(QString(QLatin1String(""))) : value;
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return value.isNull() ? QVariant() : QVariant(value.toLongLong());
    case QMetaType::Float: {
        if (value.isNull())
            return {};
        // The shortest text that gives the same float, so 2.1f is stored as 2.1.
        char text[32];
        auto end = std::to_chars(text, text + sizeof text, value.toFloat()).ptr;
        return QByteArray(text, static_cast<int>(end - text)).toDouble();
    }
    case QMetaType::QDateTime:
    case QMetaType::QDate: {
        const QString text = StoredDateText(DateFromStored(value));
        if (text.isEmpty())
            throw DatabaseError(QStringLiteral("The date to be written to %1 is not a valid date.").arg(what()));
        return text;
    }
    default:
        return value.isNull() ? QVariant() : value;
    }
}

QVariant fromStored(const QVariant& value) { return value.isNull() ? QVariant() : value; }

// The statement with its "?" marks (outside quotes) named :v1, :v2 and so on,
// in order; marks gets the names.
QString withNamedMarks(const QString& sql, QStringList& marks)
{
    QString named;
    named.reserve(sql.size() + 8);
    QChar quote;
    for (const QChar c : sql) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'?') {
            marks << QStringLiteral(":v%1").arg(marks.size() + 1);
            named += marks.back();
            continue;
        }
        named += c;
    }
    return named;
}

// A statement prepared with named marks: Qt binds a value to a name directly,
// while for a position it first makes up a name, at a cost above the
// engine's own work on a row.
PreparedQuery prepared(const QSqlDatabase& connection, const QString& sql)
{
    PreparedQuery p {QSqlQuery(connection), {}};
    p.query.setForwardOnly(true);
    if (!p.query.prepare(withNamedMarks(sql, p.marks)))
        throw DatabaseError(engineText(p.query.lastError()));
    return p;
}

// Binds the values to the prepared statement, in order, and runs it.
void bindAndRun(PreparedQuery& p, const QVariantList& values)
{
    if (values.size() != p.marks.size())
        throw DatabaseError(
            QStringLiteral("The statement takes %1 values, not %2.").arg(p.marks.size()).arg(values.size()));
    for (qsizetype i = 0; i < values.size(); ++i)
        p.query.bindValue(p.marks[i],
                          toStored(values[i], [i] { return QStringLiteral("value %1 of the statement").arg(i + 1); }));
    if (!p.query.exec())
        throw DatabaseError(engineText(p.query.lastError()));
}

QSqlQuery run(const QSqlDatabase& connection, const QString& sql, const QVariantList& values)
{
    PreparedQuery p = prepared(connection, sql);
    bindAndRun(p, values);
    return std::move(p.query);
}

// Writable for this user, and not marked read-only: a file or folder that
// nobody may write is left alone, also by a user whom the system would let
// write it anyway (root).
bool writable(const QFileInfo& info)
{
    return info.isWritable()
        && (info.permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
}

// A file that exists must be a SQLite database that this user can write, in
// a folder that this user can write (the rollback journal goes beside it);
// otherwise it is refused before the engine sees it.
void refuseUnusableFile(const QString& file)
{
    const QFileInfo info(file);
    const QFileInfo folder(info.absolutePath());
    if (!info.exists()) {
        if (!folder.isDir() || !writable(folder))
            throw DatabaseError(QStringLiteral("The database \"%1\" cannot be created: its folder cannot be written.")
                                    .arg(info.absoluteFilePath()));
        return;
    }
    bool isDatabase = info.isFile();
    if (isDatabase && info.size() > 0) {
        QFile f(file);
        static const QByteArray magic("SQLite format 3\0", 16);
        isDatabase = f.open(QIODevice::ReadOnly) && f.read(magic.size()) == magic;
    }
    if (!isDatabase)
        throw DatabaseError(QStringLiteral("The file \"%1\" is not a database that this program can open "
                                           "(it is no SQLite database). It has been left unchanged.")
                                .arg(info.absoluteFilePath()));
    if (!writable(info) || !writable(folder))
        throw DatabaseError(QStringLiteral("The database \"%1\" cannot be opened for writing. Check that the file "
                                           "and its folder are not read-only. The file has been left unchanged.")
                                .arg(info.absoluteFilePath()));
}

Database* gOverride = nullptr;

} // namespace

Statement::~Statement() = default;

QString QuoteName(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

namespace {

std::string messageOf(const QString& text, const QString& file)
{
    if (file.isEmpty())
        return text.toStdString();
    return QStringLiteral("The database \"%1\" reports: %2")
        .arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()), text)
        .toStdString();
}

} // namespace

DatabaseError::DatabaseError(const QString& text, const QString& file)
    : std::runtime_error(messageOf(text, file))
    , m_text(text)
    , m_file(file)
{
}

template <typename Work>
auto Database::naming(Work&& work) -> decltype(work())
{
    try {
        return work();
    } catch (const DatabaseError& e) {
        if (!e.fileName().isEmpty() || m_file.isEmpty())
            throw;
        throw DatabaseError(e.text(), m_file);
    }
}

// ---------------------------------------------------------------- Database

Database::Database()
{
    static std::atomic<int> counter {0};
    m_connectionName = QStringLiteral("zrv-database-%1").arg(++counter);
}

Database::~Database() { close(); }

void Database::open(const QString& file)
{
    close();
    if (!QSqlDatabase::isDriverAvailable(kDriver))
        throw DatabaseError(QStringLiteral("The SQLite driver of Qt (QSQLITE) is not installed."));
    refuseUnusableFile(file);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, m_connectionName);
        db.setDatabaseName(file);
        if (!db.open()) {
            const QString text = engineText(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connectionName);
            throw DatabaseError(QStringLiteral("The database \"%1\" cannot be opened: %2")
                                    .arg(QFileInfo(file).absoluteFilePath(), text));
        }
    }
    m_file = file;
    try {
        execute(QStringLiteral("PRAGMA synchronous=FULL"));
        setBusyWait(kBusyWaitMs);
        query(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    } catch (const DatabaseError& e) {
        close();
        throw DatabaseError(
            QStringLiteral("The database \"%1\" cannot be read: %2").arg(QFileInfo(file).absoluteFilePath(), e.text()));
    }
}

void Database::close()
{
    if (QSqlDatabase::contains(m_connectionName)) {
        QSqlDatabase::database(m_connectionName, false).close();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_file.clear();
    m_transactionDepth = 0;
    m_lostSavepoints = 0;
}

bool Database::isOpen() const { return !m_file.isEmpty(); }

QSqlDatabase Database::connection() const
{
    requireOpen();
    return QSqlDatabase::database(m_connectionName, false);
}

void Database::requireOpen() const
{
    if (!isOpen())
        throw DatabaseError(QStringLiteral("The database is not open."));
}

int Database::execute(const QString& sql, const QVariantList& values)
{
    return naming([&] { return run(connection(), sql, values).numRowsAffected(); });
}

Recordset Database::query(const QString& sql, const QVariantList& values) { return read(sql, values, QString()); }

Recordset Database::openTable(const QString& table, const QString& clause, const QVariantList& values)
{
    QString sql = QStringLiteral("SELECT rowid AS %1, * FROM %2").arg(kRowidColumn, QuoteName(table));
    if (!clause.isEmpty())
        sql += QLatin1Char(' ') + clause;
    return read(sql, values, table);
}

Recordset Database::read(const QString& sql, const QVariantList& values, const QString& table)
{
    return naming([&] {
        QSqlQuery q = run(connection(), sql, values);
        Recordset rs;
        rs.m_db = this;
        rs.m_table = table;
        const int first = table.isEmpty() ? 0 : 1; // an updatable recordset reads the rowid first
        const QSqlRecord record = q.record();
        for (int i = first; i < record.count(); ++i) {
            const QString name = record.fieldName(i);
            // The first of the names that differ only in letter case is the
            // one found, whichever way the caller spells it.
            if (!rs.m_index.contains(name.toLower())) {
                rs.m_index.insert(name.toLower(), rs.m_columns.size());
                rs.m_exactIndex.insert(name, rs.m_columns.size());
            }
            rs.m_columns << name;
        }
        while (q.next()) {
            QVariantList row;
            row.reserve(rs.m_columns.size());
            for (int i = first; i < record.count(); ++i)
                row << fromStored(q.value(i));
            rs.m_rows.push_back(std::move(row));
            if (first)
                rs.m_rowids.push_back(q.value(0).toLongLong());
        }
        if (q.lastError().isValid())
            throw DatabaseError(engineText(q.lastError()));
        return rs;
    });
}

qint64 Database::lastInsertId()
{
    return query(QStringLiteral("SELECT last_insert_rowid() AS id")).value(QStringLiteral("id")).toLongLong();
}

QStringList Database::tableNames()
{
    Recordset rs = query(QStringLiteral(
        "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite!_%' ESCAPE '!' ORDER BY rowid"));
    QStringList names;
    for (; !rs.eof(); rs.moveNext())
        names << rs.value(QStringLiteral("name")).toString();
    return names;
}

int Database::busyWait() { return query(QStringLiteral("PRAGMA busy_timeout")).value(0).toInt(); }

// A pragma takes no bound values; the number is the program's own.
void Database::setBusyWait(int ms) { execute(QStringLiteral("PRAGMA busy_timeout = %1").arg(std::max(ms, 0))); }

BriefBusyWait::BriefBusyWait(Database& db, int ms)
    : m_db(db)
    , m_before(db.busyWait())
{
    m_db.setBusyWait(ms);
}

BriefBusyWait::~BriefBusyWait()
{
    try {
        m_db.setBusyWait(m_before);
    } catch (const DatabaseError& e) {
        qWarning().noquote() << "The database's busy wait cannot be set back:" << e.text();
    }
}

// --------------------------------------------------------------- Recordset

void Recordset::fail(const QString& text) const { throw DatabaseError(text, m_db ? m_db->fileName() : QString()); }

void Recordset::moveNext()
{
    requireCurrentRow();
    cancelUpdate();
    ++m_position;
}

int Recordset::columnIndex(const QString& column) const
{
    // Callers mostly spell a column as the table does; the case-blind
    // lookup is the fallback.
    const auto exact = m_exactIndex.constFind(column);
    if (exact != m_exactIndex.constEnd())
        return exact.value();
    const auto it = m_index.constFind(column.toLower());
    if (it == m_index.constEnd())
        fail(QStringLiteral("The recordset has no column named %1.").arg(column));
    return it.value();
}

void Recordset::sortRows(const QString& column, const std::function<bool(const QVariant&, const QVariant&)>& less)
{
    const int c = columnIndex(column);
    cancelUpdate();
    std::vector<size_t> order(m_rows.size());
    std::iota(order.begin(), order.end(), size_t {0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return less(m_rows[a][c], m_rows[b][c]); });
    std::vector<QVariantList> rows;
    std::vector<qint64> rowids;
    for (size_t i : order) {
        rows.push_back(std::move(m_rows[i]));
        if (!m_rowids.empty())
            rowids.push_back(m_rowids[i]);
    }
    m_rows = std::move(rows);
    m_rowids = std::move(rowids);
    m_position = 0;
}

void Recordset::requireCurrentRow() const
{
    if (eof())
        fail(QStringLiteral("No current record."));
}

void Recordset::requireUpdatable() const
{
    if (m_table.isEmpty())
        fail(QStringLiteral("This recordset cannot be updated: it was not opened on one table."));
}

QVariant Recordset::value(const QString& column) const { return value(columnIndex(column)); }

QVariant Recordset::value(int c) const
{
    if (c < 0 || c >= m_columns.size())
        fail(QStringLiteral("The recordset has no column number %1.").arg(c));
    if (m_mode != Mode::None) {
        for (const auto& [index, v] : m_changes)
            if (index == c)
                return v;
        if (m_mode == Mode::AddNew)
            return {};
    }
    requireCurrentRow();
    return m_rows[static_cast<size_t>(m_position)][c];
}

void Recordset::addNew()
{
    requireUpdatable();
    m_mode = Mode::AddNew;
    m_changes.clear();
}

void Recordset::edit()
{
    requireUpdatable();
    requireCurrentRow();
    m_mode = Mode::Edit;
    m_changes.clear();
}

void Recordset::setValue(const QString& column, const QVariant& value)
{
    const int c = columnIndex(column);
    if (m_mode == Mode::None)
        fail(QStringLiteral("A value can be set only after AddNew or Edit."));
    try {
        // A value that cannot be stored fails here, naming its column.
        toStored(value, [&] { return m_columns[c]; });
    } catch (const DatabaseError& e) {
        fail(e.text());
    }
    for (auto& change : m_changes)
        if (change.first == c) {
            change.second = value;
            return;
        }
    m_changes.emplace_back(c, value);
}

qint64 Recordset::update()
{
    if (m_mode == Mode::None)
        fail(QStringLiteral("Update without AddNew or Edit."));
    QStringList names;
    QVariantList values;
    for (const auto& [index, v] : m_changes) {
        names << QuoteName(m_columns[index]);
        values << v;
    }
    qint64 rowid = 0;
    if (m_mode == Mode::AddNew) {
        if (names.isEmpty()) {
            m_db->execute(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(QuoteName(m_table)));
        } else {
            QStringList marks(names.size(), QStringLiteral("?"));
            m_db->execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                              .arg(QuoteName(m_table), names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                          values);
        }
        rowid = m_db->lastInsertId();
    } else {
        rowid = m_rowids[static_cast<size_t>(m_position)];
        if (!names.isEmpty()) {
            values << rowid;
            m_db->execute(QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                              .arg(QuoteName(m_table), names.join(QStringLiteral(" = ?, "))),
                          values);
        }
    }
    const bool append = m_mode == Mode::AddNew;
    cancelUpdate();
    reload(rowid, append);
    return rowid;
}

void Recordset::cancelUpdate()
{
    m_mode = Mode::None;
    m_changes.clear();
}

void Recordset::reload(qint64 rowid, bool append)
{
    Recordset row = m_db->openTable(m_table, QStringLiteral("WHERE rowid = ?"), {rowid});
    if (row.eof())
        fail(QStringLiteral("The row just written to %1 cannot be read back.").arg(m_table));
    if (append) {
        m_rows.push_back(row.m_rows.front());
        m_rowids.push_back(rowid);
        m_position = recordCount() - 1;
    } else {
        m_rows[static_cast<size_t>(m_position)] = row.m_rows.front();
    }
}

// --------------------------------------------------------------- Statement

Statement::Statement(Database& db, const QString& sql)
    : m_db(db)
    , m_query(std::make_unique<PreparedQuery>(db.naming([&] { return prepared(db.connection(), sql); })))
{
}

int Statement::execute(const QVariantList& values)
{
    return m_db.naming([&] {
        bindAndRun(*m_query, values);
        const int changed = m_query->query.numRowsAffected();
        m_lastInsertId = m_query->query.lastInsertId().toLongLong();
        m_query->query.finish();
        return changed;
    });
}

// ------------------------------------------------------------- Transaction

namespace {

// On some failures (a full disk, an I/O error, a trigger's RAISE(ROLLBACK))
// the engine takes the whole transaction back itself, savepoints and all:
// ours is gone although nobody released it.
bool rolledBackByEngine(const DatabaseError& e) { return e.text().startsWith(QLatin1String("no such savepoint")); }

} // namespace

Transaction::Transaction(Database& db)
    : m_db(db)
    , m_number(db.m_transactionDepth + 1)
    , m_savepoint(QStringLiteral("zrv_%1").arg(m_number))
{
    m_db.execute(QStringLiteral("SAVEPOINT ") + m_savepoint);
    m_db.m_lostSavepoints = std::min(m_db.m_lostSavepoints, m_number - 1);
    ++m_db.m_transactionDepth;
}

Transaction::~Transaction()
{
    if (!m_open)
        return;
    // Once the engine has taken everything back, the guards around have
    // nothing left to roll back.
    if (m_number > m_db.m_lostSavepoints) {
        try {
            m_db.execute(QStringLiteral("ROLLBACK TO ") + m_savepoint);
            m_db.execute(QStringLiteral("RELEASE ") + m_savepoint);
        } catch (const DatabaseError& e) {
            if (rolledBackByEngine(e)) {
                m_db.m_lostSavepoints = m_number;
                qWarning().noquote() << "The change was rolled back by the database itself after the failure.";
            } else {
                qWarning().noquote() << "Rolling back failed:" << e.text();
            }
        }
    }
    end();
}

void Transaction::commit()
{
    if (!m_open)
        return;
    try {
        m_db.execute(QStringLiteral("RELEASE ") + m_savepoint);
    } catch (const DatabaseError& e) {
        if (!rolledBackByEngine(e))
            throw; // still open: leaving the scope rolls it back
        // A failure inside was caught and the work went on, but the engine
        // had already taken the whole change back.
        m_db.m_lostSavepoints = std::max(m_db.m_lostSavepoints, m_number);
        end();
        throw DatabaseError(QStringLiteral("The database took the change back itself after an earlier failure; "
                                           "none of it was stored."),
                            m_db.fileName());
    }
    end();
}

void Transaction::end()
{
    m_open = false;
    if (m_db.m_transactionDepth > 0)
        --m_db.m_transactionDepth;
}

// ------------------------------------------------------ the program's one

Database& gobjDatabase()
{
    if (gOverride)
        return *gOverride;
    static Database* own = new Database; // lives until exit; Form_Unload closes it
    return *own;
}

void setProgramDatabase(Database* db) { gOverride = db; }
