#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>

// Dates are kept without a time zone: a day and a time of day, as the
// director entered them, stored as the text "yyyy-MM-dd HH:mm:ss". In memory
// such a date is a QDateTime in UTC, which no zone's daylight-saving rules
// can move or void: a day whose midnight does not exist where the program
// runs (the clocks jump from 23:59 to 01:00) still comes back as it was
// stored. Every window that shows or takes a date goes through these.

// The day and time of day as a date without a zone.
QDateTime DateTimeOf(const QDate& date, const QTime& time = QTime(0, 0));

// A stored date ("yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss" or "yyyy-MM-dd"
// as text, or a QDateTime or QDate, whose day and time of day are taken as
// they stand) as a date without a zone; an invalid QDateTime when it is no
// date.
QDateTime DateFromStored(const QVariant& stored);

// The text a date is stored as; its day and time of day as they stand,
// whatever its zone. Empty for an invalid date.
QString StoredDateText(const QDateTime& date);
