#pragma once

#include "core/platform/Prompter.h"

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <ostream>

// Failed expectations show texts as texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// A prompter that records every message and answers from a script.
class ScriptedPrompter : public Prompter {
public:
    QStringList messages; // every text shown, in order
    std::deque<Answer> answers; // for the questions; No (or Cancel) once empty
    std::deque<std::optional<QString>> inputs; // for input boxes; cancelled once empty
    std::deque<std::optional<QString>> files; // for file pickers; cancelled once empty
    std::deque<std::optional<quint32>> colors; // for the colour picker; cancelled once empty
    std::deque<std::optional<FontChoice>> fonts; // for the font picker; cancelled once empty
    QStringList fileFolders; // the folder each file picker opened in

    void message(const QString& text) override;
    Answer askYesNo(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    // Also recorded in safeDefault: the questions whose default is No.
    Answer askYesNoDefaultNo(const QString& text) override;
    QStringList safeDefault;
    std::optional<QString> input(const QString& text, const QString& title, const QString& defaultValue) override;
    std::optional<QString> saveFileName(const QString& filter, const QString& fileName, const QString& folder) override;
    // Also from files; the last filter asked for is kept.
    std::optional<QString> openFileName(const QString& filter, const QString& fileName, const QString& folder) override;
    QString lastFilter;
    std::optional<quint32> chooseColor(quint32 initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
};

// Gives each test its own data folder and a scripted prompter; both are put
// back when the test ends, and the program's database is closed.
class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString path(const QString& name) const;

    QTemporaryDir dir;
    ScriptedPrompter prompts;
};
