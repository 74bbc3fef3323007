#include "core/store/KeyedRowWriter.h"

namespace {

QStringList quoted(const QStringList& names)
{
    QStringList result;
    for (const QString& name : names)
        result << QuoteName(name);
    return result;
}

QList<qsizetype> keysNotAmong(const QStringList& keyColumns, const QStringList& columns)
{
    QList<qsizetype> keys;
    for (qsizetype k = 0; k < keyColumns.size(); ++k)
        if (!columns.contains(keyColumns[k], Qt::CaseInsensitive))
            keys << k;
    return keys;
}

QString updateSql(const QString& table, const QStringList& keyColumns, const QStringList& columns)
{
    const QString name = QuoteName(table);
    return QStringLiteral(
               "UPDATE %1 SET %2 = ? WHERE rowid = (SELECT rowid FROM %1 WHERE %3 = ? ORDER BY rowid LIMIT 1)")
        .arg(name, quoted(columns).join(QStringLiteral(" = ?, ")),
             quoted(keyColumns).join(QStringLiteral(" = ? AND ")));
}

QString insertSql(const QString& table, const QStringList& keyColumns, const QStringList& columns)
{
    QStringList written = columns;
    for (const qsizetype k : keysNotAmong(keyColumns, columns))
        written << keyColumns[k];
    return InsertRowSql(table, written);
}

} // namespace

QString InsertRowSql(const QString& table, const QStringList& columns)
{
    const QStringList marks(columns.size(), QStringLiteral("?"));
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(QuoteName(table), quoted(columns).join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
}

KeyedRowWriter::KeyedRowWriter(Database& db, const QString& table, const QStringList& keyColumns,
                               const QStringList& columns)
    : m_keysAdded(keysNotAmong(keyColumns, columns))
    , m_update(db, updateSql(table, keyColumns, columns))
    , m_insert(db, insertSql(table, keyColumns, columns))
{
}

void KeyedRowWriter::write(const QVariantList& key, const QVariantList& values)
{
    if (m_update.execute(values + key) > 0)
        return;
    QVariantList added = values;
    for (const qsizetype k : m_keysAdded)
        added << key[k];
    m_insert.execute(added);
}
