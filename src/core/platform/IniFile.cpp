#include "core/platform/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <compare>
#include <cstring>
#include <limits>

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

// Line positions are kept in 31 bits.
constexpr qsizetype kLargestFile = std::numeric_limits<qint32>::max();

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

// The blanks that QString::trimmed() removes, as far as ASCII goes.
bool isBlankByte(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isBlank(const char* p, qsizetype n) { return std::all_of(p, p + n, isBlankByte); }

enum class Kind { Other, Section, Entry };

struct Parsed {
    Kind kind = Kind::Other;
    QString name; // section or key name, trimmed
    QString value; // an entry's value, trimmed, quotes still on
};

// One line's meaning, its line end left off.
Parsed parseLine(QByteArrayView content)
{
    Parsed line;
    const QString text = DecodeUtf8OrLatin1(content).trimmed();
    if (text.startsWith(u'[')) {
        const qsizetype close = text.lastIndexOf(u']');
        if (close > 0) {
            line.kind = Kind::Section;
            line.name = text.mid(1, close - 1).trimmed();
        }
    } else if (!text.startsWith(u';')) {
        const qsizetype eq = text.indexOf(u'=');
        if (eq > 0) {
            const QString key = text.left(eq).trimmed();
            if (!key.isEmpty()) {
                line.kind = Kind::Entry;
                line.name = key;
                line.value = text.mid(eq + 1).trimmed();
            }
        }
    }
    return line;
}

// FNV-1a over the UTF-16 units of a case-folded name.
constexpr quint32 kHashBasis = 2166136261u;
constexpr quint32 kHashPrime = 16777619u;

quint32 feed(quint32 h, char16_t unit)
{
    h = (h ^ (unit & 0xFFu)) * kHashPrime;
    return (h ^ (unit >> 8)) * kHashPrime;
}

quint32 nameHash(const QString& name)
{
    quint32 h = kHashBasis;
    for (QChar c : name.toCaseFolded())
        h = feed(h, c.unicode());
    return h;
}

// Sections are hashed with place 0; entries with their section's number
// plus one, so that a key is looked up within its own section.
quint32 placedHash(quint32 name, quint32 place)
{
    quint32 h = name ^ ((place + 1) * 0x9E3779B9u);
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    return h;
}

struct Scanned {
    Kind kind = Kind::Other;
    quint32 hash = 0;
};

// What one line is, and its name's hash, straight from the bytes when they
// are all ASCII; other lines go the long way through parseLine.
Scanned scanLine(const char* p, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i) {
        if (static_cast<unsigned char>(p[i]) >= 0x80) {
            const Parsed parsed = parseLine(QByteArrayView(p, n));
            return {parsed.kind, parsed.kind == Kind::Other ? 0u : nameHash(parsed.name)};
        }
    }
    auto trim = [p](qsizetype& b, qsizetype& e) {
        while (b < e && isBlankByte(p[b]))
            ++b;
        while (e > b && isBlankByte(p[e - 1]))
            --e;
    };
    auto hashOf = [p](qsizetype b, qsizetype e) {
        quint32 h = kHashBasis;
        for (qsizetype i = b; i < e; ++i) {
            char c = p[i];
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
            h = feed(h, static_cast<char16_t>(c));
        }
        return h;
    };
    qsizetype b = 0;
    qsizetype e = n;
    trim(b, e);
    if (b == e)
        return {};
    if (p[b] == '[') {
        qsizetype close = e - 1;
        while (close > b && p[close] != ']')
            --close;
        if (close == b)
            return {};
        qsizetype nb = b + 1;
        trim(nb, close);
        return {Kind::Section, hashOf(nb, close)};
    }
    if (p[b] == ';')
        return {};
    const void* eq = std::memchr(p + b, '=', static_cast<size_t>(e - b));
    if (!eq || eq == p + b)
        return {};
    qsizetype ke = static_cast<const char*>(eq) - p;
    trim(b, ke);
    if (b == ke)
        return {};
    return {Kind::Entry, hashOf(b, ke)};
}

} // namespace

QString DecodeUtf8OrLatin1(QByteArrayView bytes)
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

bool IniFile::load()
{
    mData.clear();
    mError.clear();
    mUnreadable = false;
    mChanged = false;

    const QFileInfo info(mPath);
    if (info.exists()) {
        QFile file(mPath);
        if (info.isDir())
            mError = QStringLiteral("It is a folder.");
        else if (info.size() > kLargestFile)
            mError = QStringLiteral("It is too large for a settings file.");
        else if (!file.open(QIODevice::ReadOnly))
            mError = file.errorString();
        else if (mData = file.readAll(); file.error() != QFileDevice::NoError)
            mError = file.errorString();
        mUnreadable = !mError.isEmpty();
        if (mUnreadable)
            mData.clear();
    }
    index();
    return !mUnreadable;
}

void IniFile::index()
{
    mLines.clear();
    mSections.clear();
    mKeys.clear();
    const char* d = mData.constData();
    const qsizetype n = mData.size();
    qsizetype start = 0;
    while (start < n) {
        const void* found = std::memchr(d + start, '\n', static_cast<size_t>(n - start));
        const qsizetype nl = found ? static_cast<const char*>(found) - d : -1;
        qsizetype end = nl < 0 ? n : nl;
        if (nl >= 0 && end > start && d[end - 1] == '\r')
            --end;
        const qsizetype begin = start == 0 && mData.startsWith(kBom) ? kBom.size() : start;
        const Scanned line = scanLine(d + begin, end - begin);
        if (line.kind != Kind::Other) {
            const auto at = static_cast<quint32>(mLines.size());
            const bool isSection = line.kind == Kind::Section;
            if (isSection)
                mSections.push_back(at);
            // Entries above the first section can never be found.
            if (isSection || !mSections.empty())
                mKeys.push_back({placedHash(line.hash, isSection ? 0 : static_cast<quint32>(mSections.size())), at});
            mLines.push_back({static_cast<quint32>(begin), static_cast<quint32>(end), isSection ? 1u : 0u});
        }
        start = nl < 0 ? n : nl + 1;
    }
    std::sort(mKeys.begin(), mKeys.end());
    mLines.shrink_to_fit();
    mKeys.shrink_to_fit();
}

int IniFile::findSection(const QString& section) const
{
    const quint32 hash = placedHash(nameHash(section), 0);
    for (auto k = std::lower_bound(mKeys.begin(), mKeys.end(), Key {hash, 0}); k != mKeys.end() && k->hash == hash;
         ++k) {
        const Line& line = mLines[k->line];
        if (!line.isSection)
            continue;
        const Parsed parsed = parseLine(QByteArrayView(mData).sliced(line.begin, line.end - line.begin));
        if (sameName(parsed.name, section))
            return static_cast<int>(std::lower_bound(mSections.begin(), mSections.end(), k->line) - mSections.begin());
    }
    return -1;
}

int IniFile::findEntry(const QString& section, const QString& key) const
{
    const int number = findSection(section);
    if (number < 0)
        return -1;
    const quint32 first = mSections[static_cast<size_t>(number)];
    const quint32 next = static_cast<size_t>(number) + 1 < mSections.size() ? mSections[static_cast<size_t>(number) + 1]
                                                                            : static_cast<quint32>(mLines.size());
    const quint32 hash = placedHash(nameHash(key), static_cast<quint32>(number) + 1);
    for (auto k = std::lower_bound(mKeys.begin(), mKeys.end(), Key {hash, 0}); k != mKeys.end() && k->hash == hash;
         ++k) {
        if (k->line <= first || k->line >= next)
            continue;
        const Line& line = mLines[k->line];
        const Parsed parsed = parseLine(QByteArrayView(mData).sliced(line.begin, line.end - line.begin));
        if (sameName(parsed.name, key))
            return static_cast<int>(k->line);
    }
    return -1;
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const
{
    const int i = findEntry(section, key);
    if (i < 0)
        return std::nullopt;
    const Line& line = mLines[static_cast<size_t>(i)];
    return unquote(parseLine(QByteArrayView(mData).sliced(line.begin, line.end - line.begin)).value);
}

QString IniFile::value(const QString& section, const QString& key, const QString& defaultText) const
{
    return value(section, key).value_or(defaultText);
}

bool IniFile::hasSection(const QString& section) const { return findSection(section) >= 0; }

QByteArray IniFile::newLineEnding() const
{
    const qsizetype nl = mData.indexOf('\n');
    return nl > 0 && mData[nl - 1] == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

namespace {

// The line that ends just before pos (a line start or the end of the data):
// its first byte and the end of its text, line end left off.
std::pair<qsizetype, qsizetype> lineBefore(const QByteArray& data, qsizetype pos)
{
    qsizetype end = pos;
    if (end > 0 && data[end - 1] == '\n')
        --end;
    qsizetype start = end;
    while (start > 0 && data[start - 1] != '\n')
        --start;
    return {start, end};
}

} // namespace

void IniFile::changed()
{
    mChanged = true;
    index();
}

void IniFile::insertLine(qsizetype at, const QString& text)
{
    const QByteArray ending = newLineEnding();
    if (at == mData.size() && !mData.isEmpty() && !mData.endsWith('\n')) {
        mData.append(ending);
        at = mData.size();
    }
    mData.insert(at, text.toUtf8() + ending);
    changed();
}

void IniFile::addSection(const QString& section)
{
    if (hasSection(section))
        return;
    if (!mData.isEmpty()) {
        const auto [start, end] = lineBefore(mData, mData.size());
        if (!isBlank(mData.constData() + start, end - start))
            insertLine(mData.size(), QString());
    }
    insertLine(mData.size(), u'[' + section + u']');
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString v = oneLine(value);
    const int entry = findEntry(section, key);
    if (entry >= 0) {
        const Line line = mLines[static_cast<size_t>(entry)];
        const Parsed parsed = parseLine(QByteArrayView(mData).sliced(line.begin, line.end - line.begin));
        if (unquote(parsed.value) == v)
            return;
        mData.replace(line.begin, line.end - line.begin, (parsed.name + u'=' + encodeValue(v)).toUtf8());
        changed();
        return;
    }
    addSection(section);
    const int found = findSection(section);
    if (found < 0) { // a name that does not read back as given (blanks around it)
        insertLine(mData.size(), key + u'=' + encodeValue(v));
        return;
    }
    // The new key goes after the section's last line that is not blank.
    const auto number = static_cast<size_t>(found);
    const qsizetype header = lineBefore(mData, mLines[mSections[number]].end).first;
    qsizetype at = number + 1 < mSections.size() ? qsizetype(mLines[mSections[number + 1]].begin) : mData.size();
    while (at > 0) {
        const auto [start, end] = lineBefore(mData, at);
        if (start <= header || !isBlank(mData.constData() + start, end - start))
            break;
        at = start;
    }
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
    file.write(mData);
    if (!file.commit()) {
        mError = file.errorString();
        return false;
    }
    mChanged = false;
    return true;
}
