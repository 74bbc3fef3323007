#pragma once

#include <QString>
#include <QVariant>

// The text of a value for a CSV field: Null gives the empty text; otherwise
// leading and trailing spaces are removed and every double quote is doubled.
// Adds no enclosing quotes; the writers add them where the format has them.
QString CsvEscape(const QVariant& value);

// A caption with its access-key marker as a label shows it: the letter after
// a single "&" underlined, "&&" a plain "&", the rest escaped for rich text.
QString AccessKeyHtml(const QString& caption);
