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

QString CsvEscape(const QVariant& value)
{
    if (value.isNull())
        return QString();
    return doubled(trimmedOfSpaces(value.toString()), u'"');
}

QString AccessKeyHtml(const QString& caption)
{
    QString html;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        QString part(caption[i]);
        bool underline = false;
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            underline = caption[i + 1] != u'&';
            part = QString(caption[++i]);
        }
        part = part.toHtmlEscaped();
        html += underline ? QStringLiteral("<u>") + part + QStringLiteral("</u>") : part;
    }
    return html;
}
