#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

// A font as the font picker shows and answers it.
struct FontChoice {
    QString Name;
    double Size = 0; // points; the picker may answer halves
    bool Bold = false;
    bool Italic = false;

    bool operator==(const FontChoice&) const = default;
};

// The font an OK in the picker stands for. The picker shows the nearest
// installed family, and that family's nearest style, in place of a stored one
// it lacks; the family and the style the user left as the picker showed them
// stay as stored, so that changing only the size changes only the size.
FontChoice KeptFontChoice(const FontChoice& stored, const FontChoice& shown, const FontChoice& answered);

// Message boxes, questions and input boxes. Logic talks to this interface so
// it can be driven by a scripted double in tests; the windows install the
// real one at start-up.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;

    // A message with an OK button only.
    virtual void message(const QString& text) = 0;
    // Yes and No; No is the safe answer.
    virtual Answer askYesNo(const QString& text) = 0;
    // Yes, No and Cancel with Cancel as the default button.
    virtual Answer askYesNoCancel(const QString& text) = 0;
    // Yes and No under a title of its own instead of the program's.
    virtual Answer askYesNoTitled(const QString& text, const QString& /*title*/) { return askYesNo(text); }
    // Yes and No with No as the default button, where Enter pressed out of
    // habit must not do what cannot be undone.
    virtual Answer askYesNoDefaultNo(const QString& text) { return askYesNo(text); }
    // A one-line input box; nothing when the user cancels or closes it.
    virtual std::optional<QString> input(const QString& text, const QString& title, const QString& defaultValue) = 0;
    // A file picker for a file to write, opened in the folder with the name
    // proposed and the files matching the filter ("*.csv") listed; the name
    // chosen, or nothing when the user cancels. It does not ask about
    // replacing an existing file: the caller does.
    virtual std::optional<QString> saveFileName(const QString& filter, const QString& fileName, const QString& folder)
        = 0;
    // A file picker for an existing file, opened in the folder with the name
    // proposed. The filter reads "Pictures (*.bmp *.jpg)"; its patterns also
    // match upper-case names. The path chosen, or nothing on cancel.
    virtual std::optional<QString> openFileName(const QString& filter, const QString& fileName, const QString& folder)
        = 0;
    // The colour picker opened on a colour number (0x00BBGGRR); the colour
    // chosen, or nothing when the user cancels.
    virtual std::optional<quint32> chooseColor(quint32 initial) = 0;
    // The font picker, screen fonts only, opened on a font; the font chosen
    // (as KeptFontChoice keeps it), or nothing when the user cancels.
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
};

// The program's one prompter. Until a window layer installs its own, a
// prompter that writes messages to standard error and answers "No" is used.
Prompter& prompter();
void setPrompter(Prompter* p);
