#pragma once

#include <QList>
#include <QString>
#include <utility>

// The schema is written in the column types of the Jet engine the stored
// data comes from; these turn them into SQLite column definitions:
//   COUNTER                          INTEGER PRIMARY KEY AUTOINCREMENT
//   TEXT(n), VARCHAR(n), MEMO        TEXT
//   LONG, INTEGER                    INTEGER
//   SINGLE, DOUBLE                   REAL
//   DATETIME                         TEXT ("yyyy-MM-dd HH:mm:ss")
// A text column whose name ends in "Name" compares without regard to letter
// case (COLLATE NOCASE), as names are unique in that sense. Names are always
// quoted, so a column may be called Table.

struct JetColumn {
    JetColumn(QString name, QString type, QString primaryKey = {})
        : name(std::move(name))
        , type(std::move(type))
        , primaryKey(std::move(primaryKey))
    {
    }

    QString name;
    QString type; // a Jet type name as above
    // The key constraint's name when the column is the table's key. A COUNTER
    // column is always the key, named or not.
    QString primaryKey;
};

// INTEGER, REAL or TEXT; a type outside the list raises DatabaseError.
QString SqliteType(const QString& jetType);
QString ColumnDefinition(const JetColumn& column);
QString CreateTableStatement(const QString& table, const QList<JetColumn>& columns);
QString AddColumnStatement(const QString& table, const JetColumn& column);
QString DropColumnStatement(const QString& table, const QString& column);
