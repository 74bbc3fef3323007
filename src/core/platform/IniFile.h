#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

// An initialisation file of "[Section]" headers and "Key=Value" lines, read
// and written the way the classic Windows profile functions do it:
// - section and key names match without regard to case, the first section
//   of a name and, in it, the first key of a name count;
// - names and values are trimmed of surrounding blanks, and a value wrapped
//   in matching quotes (' or ") comes back without them;
// - a line beginning with ';' is a comment; backslashes, commas and ';'
//   inside a value are plain text; values have no length limit.
// Every line that a change does not touch is written back byte for byte,
// comments and unknown lines included. The file is read as UTF-8, each byte
// that is not part of valid UTF-8 being taken as Latin-1; changed lines are
// written as UTF-8. Saving replaces the file atomically.
//
// The file's bytes are kept as read; besides them only the headers and
// entries are noted, a few bytes each, so a large file costs little more
// memory than its size and a lookup does not walk the file.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return mPath; }

    // Reads the file. A missing file reads as an empty one. False when the
    // file exists but cannot be read; errorString() says why, and save()
    // then refuses to overwrite it.
    bool load();

    // The key's value; nothing when the section or the key is missing or
    // the line has no '='.
    std::optional<QString> value(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& defaultText) const;
    bool hasSection(const QString& section) const;

    // Sets a key: replaces the value of the key where it stands, adds it at
    // the end of its section, or adds the section at the end of the file.
    // A value that would not read back as written (blanks at either end,
    // surrounding quotes) is written in double quotes; a line break in a
    // value becomes a blank.
    void setValue(const QString& section, const QString& key, const QString& value);
    // Adds an empty section at the end of the file when it is missing.
    void addSection(const QString& section);

    // Writes the file when something changed. False with errorString() when
    // it could not be written; the file on disk is then as it was.
    bool save();
    QString errorString() const { return mError; }

private:
    // A header or an entry: where its text stands in mData (without the
    // line end, and after a byte order mark on the first line).
    struct Line {
        quint32 begin = 0;
        quint32 end : 31 = 0;
        quint32 isSection : 1 = 0;
    };
    // A name's hash and the line that bears it; sorted, for lookups.
    struct Key {
        quint32 hash;
        quint32 line;
        auto operator<=>(const Key&) const = default;
    };

    void index(); // notes the headers and entries of mData
    int findSection(const QString& section) const; // index in mLines of its header, or -1
    int findEntry(const QString& section, const QString& key) const;
    QByteArray newLineEnding() const;
    void insertLine(qsizetype at, const QString& text); // at a line start or the end
    void changed();

    QString mPath;
    QByteArray mData;
    std::vector<Line> mLines; // headers and entries, in file order
    std::vector<quint32> mSections; // index in mLines of each header, in file order
    std::vector<Key> mKeys;
    QString mError;
    bool mUnreadable = false;
    bool mChanged = false;
};

// Text decoded as UTF-8 where the bytes are valid UTF-8, each other byte
// taken as a Latin-1 character.
QString DecodeUtf8OrLatin1(QByteArrayView bytes);
