#include "TestSupport.h"

#include "core/platform/AppPaths.h"
#include "core/platform/Database.h"

#include <QDir>

void ScriptedPrompter::message(const QString& text) { messages << text; }

Prompter::Answer ScriptedPrompter::askYesNo(const QString& text)
{
    messages << text;
    if (answers.empty())
        return Answer::No;
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

Prompter::Answer ScriptedPrompter::askYesNoDefaultNo(const QString& text)
{
    safeDefault << text;
    return askYesNo(text);
}

Prompter::Answer ScriptedPrompter::askYesNoCancel(const QString& text)
{
    messages << text;
    if (answers.empty())
        return Answer::Cancel;
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<QString> ScriptedPrompter::input(const QString& text, const QString&, const QString&)
{
    messages << text;
    if (inputs.empty())
        return std::nullopt;
    const bool cancelled = !inputs.front().has_value();
    const QString value = inputs.front().value_or(QString());
    inputs.pop_front();
    if (cancelled)
        return std::nullopt;
    return value;
}

namespace {

// The next scripted answer of a picker; cancelled once the script is empty.
template <typename T>
std::optional<T> nextPick(std::deque<std::optional<T>>& script)
{
    if (script.empty())
        return std::nullopt;
    const std::optional<T> pick = script.front();
    script.pop_front();
    return pick;
}

} // namespace

std::optional<QString> ScriptedPrompter::saveFileName(const QString&, const QString&, const QString& folder)
{
    fileFolders << folder;
    return nextPick(files);
}

std::optional<QString> ScriptedPrompter::openFileName(const QString& filter, const QString&, const QString& folder)
{
    lastFilter = filter;
    fileFolders << folder;
    return nextPick(files);
}

std::optional<quint32> ScriptedPrompter::chooseColor(quint32) { return nextPick(colors); }

std::optional<FontChoice> ScriptedPrompter::chooseFont(const FontChoice&) { return nextPick(fonts); }

void DataFolderTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    AppPaths::setDataFolder(dir.path());
    setPrompter(&prompts);
}

void DataFolderTest::TearDown()
{
    setProgramDatabase(nullptr);
    gobjDatabase().close();
    setPrompter(nullptr);
    AppPaths::setDataFolder(QString());
}

QString DataFolderTest::path(const QString& name) const { return QDir(dir.path()).filePath(name); }
