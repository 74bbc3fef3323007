#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

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
    struct Line {
        enum class Kind { Other, Section, Entry };
        QByteArray content; // the line's bytes without its line end
        QByteArray ending; // "\r\n", "\n" or nothing for a last line without one
        Kind kind = Kind::Other;
        QString name; // section or key name, trimmed
        QString value; // an entry's value, trimmed, quotes still on
    };

    static Line parse(const QByteArray& content, const QByteArray& ending, bool firstLine);
    int findSection(const QString& section) const; // index of its header line, or -1
    int sectionEnd(int header) const; // index of the next header, or the line count
    int findEntry(const QString& section, const QString& key) const;
    QByteArray newLineEnding() const;
    void insertLine(int index, const QString& text);

    QString mPath;
    QList<Line> mLines;
    QString mError;
    bool mUnreadable = false;
    bool mChanged = false;
};

// Text decoded as UTF-8 where the bytes are valid UTF-8, each other byte
// taken as a Latin-1 character.
QString DecodeUtf8OrLatin1(const QByteArray& bytes);
