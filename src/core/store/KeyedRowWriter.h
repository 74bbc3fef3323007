#pragma once

#include "core/platform/Database.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

// Writes rows of one table that are found by their key columns (an entrant by
// tournament and player, a payout place or a level by tournament and number),
// for a batch of rows: the statements are prepared once and run for every
// row, and nothing written is read back. A row whose key the table holds is
// edited (the first such row, in the order the rows were added); otherwise a
// row is added. Meant to run inside a Transaction, so that the batch is
// stored whole or not at all.
class KeyedRowWriter {
public:
    // columns are written on every row; the key columns that are not among
    // them are written only on the rows added.
    KeyedRowWriter(Database& db, const QString& table, const QStringList& keyColumns, const QStringList& columns);

    // key in the order of keyColumns, values in the order of columns.
    void write(const QVariantList& key, const QVariantList& values);

private:
    QList<qsizetype> m_keysAdded; // the key columns written only on added rows
    Statement m_update;
    Statement m_insert;
};

// "INSERT INTO table (columns) VALUES (?, ...)", one value for each column.
QString InsertRowSql(const QString& table, const QStringList& columns);
