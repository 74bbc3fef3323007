#include "core/platform/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool isQuoted(const QString& v)
{
    return v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front();
}

QString unquote(const QString& v) { return isQuoted(v) ? v.mid(1, v.size() - 2) : v; }

// A value as it can stand on one line.
QString oneLine(const QString& value)
{
    QString v = value;
    v.replace(QLatin1String("\r\n"), QLatin1String(" "));
    v.replace(u'\r', u' ');
    v.replace(u'\n', u' ');
    return v;
}

// The text to write after '=' so that the value reads back as it is.
QString encodeValue(const QString& v)
{
    if (v != v.trimmed() || isQuoted(v))
        return u'"' + v + u'"';
    return v;
}

bool isBlank(const QByteArray& content) { return content.trimmed().isEmpty(); }

} // namespace

QString DecodeUtf8OrLatin1(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out += QChar(b);
            ++i;
            continue;
        }
        int len = 0;
        char32_t cp = 0;
        char32_t least = 0;
        if ((b & 0xE0) == 0xC0) {
            len = 2, cp = b & 0x1F, least = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            len = 3, cp = b & 0x0F, least = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            len = 4, cp = b & 0x07, least = 0x10000;
        }
        bool ok = len > 0 && i + len <= n;
        for (int k = 1; ok && k < len; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            ok = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (ok && (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)))
            ok = false;
        if (!ok) {
            out += QChar(b); // Latin-1
            ++i;
            continue;
        }
        if (cp > 0xFFFF) {
            out += QChar(QChar::highSurrogate(cp));
            out += QChar(QChar::lowSurrogate(cp));
        } else {
            out += QChar(static_cast<char16_t>(cp));
        }
        i += len;
    }
    return out;
}

IniFile::IniFile(QString path)
    : mPath(std::move(path))
{
}

IniFile::Line IniFile::parse(const QByteArray& content, const QByteArray& ending, bool firstLine)
{
    Line line;
    line.content = content;
    line.ending = ending;
    const QByteArray bytes = firstLine && content.startsWith(kBom) ? content.mid(kBom.size()) : content;
    const QString text = DecodeUtf8OrLatin1(bytes).trimmed();
    if (text.startsWith(u'[')) {
        const qsizetype close = text.lastIndexOf(u']');
        if (close > 0) {
            line.kind = Line::Kind::Section;
            line.name = text.mid(1, close - 1).trimmed();
        }
    } else if (!text.startsWith(u';')) {
        const qsizetype eq = text.indexOf(u'=');
        if (eq > 0) {
            const QString key = text.left(eq).trimmed();
            if (!key.isEmpty()) {
                line.kind = Line::Kind::Entry;
                line.name = key;
                line.value = text.mid(eq + 1).trimmed();
            }
        }
    }
    return line;
}

bool IniFile::load()
{
    mLines.clear();
    mError.clear();
    mUnreadable = false;
    mChanged = false;

    const QFileInfo info(mPath);
    if (!info.exists())
        return true;
    QFile file(mPath);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        mError = info.isDir() ? QStringLiteral("It is a folder.") : file.errorString();
        mUnreadable = true;
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        mError = file.errorString();
        mUnreadable = true;
        return false;
    }

    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype nl = data.indexOf('\n', start);
        if (nl < 0) {
            mLines.append(parse(data.mid(start), QByteArray(), mLines.isEmpty()));
            break;
        }
        qsizetype end = nl;
        QByteArray ending("\n");
        if (end > start && data[end - 1] == '\r') {
            --end;
            ending = "\r\n";
        }
        mLines.append(parse(data.mid(start, end - start), ending, mLines.isEmpty()));
        start = nl + 1;
    }
    return true;
}

int IniFile::findSection(const QString& section) const
{
    for (int i = 0; i < mLines.size(); ++i) {
        if (mLines[i].kind == Line::Kind::Section && sameName(mLines[i].name, section))
            return i;
    }
    return -1;
}

int IniFile::sectionEnd(int header) const
{
    int i = header + 1;
    while (i < mLines.size() && mLines[i].kind != Line::Kind::Section)
        ++i;
    return i;
}

int IniFile::findEntry(const QString& section, const QString& key) const
{
    const int header = findSection(section);
    if (header < 0)
        return -1;
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        if (mLines[i].kind == Line::Kind::Entry && sameName(mLines[i].name, key))
            return i;
    }
    return -1;
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const
{
    const int i = findEntry(section, key);
    if (i < 0)
        return std::nullopt;
    return unquote(mLines[i].value);
}

QString IniFile::value(const QString& section, const QString& key, const QString& defaultText) const
{
    return value(section, key).value_or(defaultText);
}

bool IniFile::hasSection(const QString& section) const { return findSection(section) >= 0; }

QByteArray IniFile::newLineEnding() const
{
    for (const Line& line : mLines) {
        if (!line.ending.isEmpty())
            return line.ending;
    }
    return QByteArray("\n");
}

void IniFile::insertLine(int index, const QString& text)
{
    const QByteArray ending = newLineEnding();
    if (index == mLines.size() && !mLines.isEmpty() && mLines.last().ending.isEmpty())
        mLines.last().ending = ending;
    mLines.insert(index, parse(text.toUtf8(), ending, index == 0));
    mChanged = true;
}

void IniFile::addSection(const QString& section)
{
    if (hasSection(section))
        return;
    if (!mLines.isEmpty() && !isBlank(mLines.last().content))
        insertLine(static_cast<int>(mLines.size()), QString());
    insertLine(static_cast<int>(mLines.size()), u'[' + section + u']');
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString v = oneLine(value);
    const int entry = findEntry(section, key);
    if (entry >= 0) {
        Line& line = mLines[entry];
        if (unquote(line.value) == v)
            return;
        QByteArray content = (line.name + u'=' + encodeValue(v)).toUtf8();
        if (entry == 0 && line.content.startsWith(kBom))
            content.prepend(kBom);
        line = parse(content, line.ending, entry == 0);
        mChanged = true;
        return;
    }
    addSection(section);
    const int header = findSection(section);
    int at = sectionEnd(header);
    while (at - 1 > header && isBlank(mLines[at - 1].content))
        --at;
    insertLine(at, key + u'=' + encodeValue(v));
}

bool IniFile::save()
{
    mError.clear();
    if (mUnreadable) {
        mError = QStringLiteral("The file could not be read, so it is left as it is.");
        return false;
    }
    if (!mChanged)
        return true;
    QSaveFile file(mPath);
    if (!file.open(QIODevice::WriteOnly)) {
        mError = file.errorString();
        return false;
    }
    for (const Line& line : mLines) {
        file.write(line.content);
        file.write(line.ending);
    }
    if (!file.commit()) {
        mError = file.errorString();
        return false;
    }
    mChanged = false;
    return true;
}
