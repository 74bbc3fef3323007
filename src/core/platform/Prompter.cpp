#include "core/platform/Prompter.h"

#include <QTextStream>
#include <cstdio>

namespace {

class ConsolePrompter final : public Prompter {
public:
    void message(const QString& text) override { write(text); }
    Answer askYesNo(const QString& text) override
    {
        write(text);
        return Answer::No;
    }
    Answer askYesNoCancel(const QString& text) override
    {
        write(text);
        return Answer::Cancel;
    }
    std::optional<QString> input(const QString& text, const QString&, const QString&) override
    {
        write(text);
        return std::nullopt;
    }
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<QString> openFileName(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<quint32> chooseColor(quint32) override { return std::nullopt; }
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return std::nullopt; }

private:
    static void write(const QString& text)
    {
        QTextStream err(stderr);
        err << text << Qt::endl;
    }
};

ConsolePrompter gConsolePrompter;
Prompter* gPrompter = &gConsolePrompter;

} // namespace

FontChoice KeptFontChoice(const FontChoice& stored, const FontChoice& shown, const FontChoice& answered)
{
    FontChoice kept = answered;
    if (answered.Name == shown.Name && !stored.Name.isEmpty())
        kept.Name = stored.Name;
    if (answered.Bold == shown.Bold && answered.Italic == shown.Italic) {
        kept.Bold = stored.Bold;
        kept.Italic = stored.Italic;
    }
    return kept;
}

Prompter& prompter() { return *gPrompter; }

void setPrompter(Prompter* p) { gPrompter = p ? p : &gConsolePrompter; }
