#include "core/platform/JetColumns.h"

#include "core/platform/Database.h"

#include <QRegularExpression>

QString SqliteType(const QString& jetType)
{
    static const QRegularExpression sized(QStringLiteral("^(TEXT|VARCHAR)\\s*\\(\\s*\\d+\\s*\\)$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QString type = jetType.trimmed().toUpper();
    if (type == QLatin1String("COUNTER") || type == QLatin1String("LONG") || type == QLatin1String("INTEGER"))
        return QStringLiteral("INTEGER");
    if (type == QLatin1String("SINGLE") || type == QLatin1String("DOUBLE"))
        return QStringLiteral("REAL");
    if (type == QLatin1String("MEMO") || type == QLatin1String("DATETIME") || sized.match(type).hasMatch())
        return QStringLiteral("TEXT");
    throw DatabaseError(QStringLiteral("Unknown column type %1.").arg(jetType));
}

QString ColumnDefinition(const JetColumn& column)
{
    const QString type = SqliteType(column.type);
    QString definition = QuoteName(column.name) + QLatin1Char(' ') + type;
    if (type == QLatin1String("TEXT") && column.name.endsWith(QLatin1String("Name")))
        definition += QStringLiteral(" COLLATE NOCASE");
    const bool counter = column.type.trimmed().compare(QLatin1String("COUNTER"), Qt::CaseInsensitive) == 0;
    if (!column.primaryKey.isEmpty())
        definition += QStringLiteral(" CONSTRAINT ") + QuoteName(column.primaryKey);
    if (counter || !column.primaryKey.isEmpty())
        definition += QStringLiteral(" PRIMARY KEY");
    if (counter)
        definition += QStringLiteral(" AUTOINCREMENT");
    return definition;
}

QString CreateTableStatement(const QString& table, const QList<JetColumn>& columns)
{
    QStringList definitions;
    for (const JetColumn& column : columns)
        definitions << ColumnDefinition(column);
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(QuoteName(table), definitions.join(QStringLiteral(", ")));
}

QString AddColumnStatement(const QString& table, const JetColumn& column)
{
    return QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(QuoteName(table), ColumnDefinition(column));
}

QString DropColumnStatement(const QString& table, const QString& column)
{
    return QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(QuoteName(table), QuoteName(column));
}
