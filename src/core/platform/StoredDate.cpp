#include "core/platform/StoredDate.h"

#include <QRegularExpression>

QDateTime DateTimeOf(const QDate& date, const QTime& time)
{
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, Qt::UTC);
}

QDateTime DateFromStored(const QVariant& stored)
{
    switch (stored.typeId()) {
    case QMetaType::QDateTime: {
        const QDateTime value = stored.toDateTime();
        return value.isValid() ? DateTimeOf(value.date(), value.time()) : QDateTime();
    }
    case QMetaType::QDate:
        return DateTimeOf(stored.toDate());
    default:
        break;
    }
    const QString text = stored.toString().trimmed();
    // The day, then the time of day after a blank or a 'T'.
    const qsizetype split = text.indexOf(QRegularExpression(QStringLiteral("[ T]")));
    const QDate day = QDate::fromString(split < 0 ? text : text.left(split), Qt::ISODate);
    if (split < 0)
        return DateTimeOf(day);
    return DateTimeOf(day, QTime::fromString(text.mid(split + 1).trimmed(), Qt::ISODateWithMs));
}

QString StoredDateText(const QDateTime& date)
{
    if (!date.isValid())
        return {};
    return date.date().toString(QStringLiteral("yyyy-MM-dd")) + u' ' + date.time().toString(QStringLiteral("HH:mm:ss"));
}
