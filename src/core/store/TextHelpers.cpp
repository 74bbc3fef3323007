#include "core/store/TextHelpers.h"

namespace {

QString doubled(QString text, QChar c) { return text.replace(c, QString(2, c)); }

// Only the space character, not tabs or line breaks.
QString trimmedOfSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace

QString SqlQuote(const QString& text) { return doubled(text, u'\''); }

QString CsvEscape(const QVariant& value)
{
    if (value.isNull())
        return QString();
    return doubled(trimmedOfSpaces(value.toString()), u'"');
}
