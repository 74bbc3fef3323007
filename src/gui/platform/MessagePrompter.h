#pragma once

#include "core/platform/Prompter.h"

class QWidget;

// The program's message boxes and input boxes. Message boxes carry no caption
// of their own: the program's title shows.
class MessagePrompter final : public Prompter {
public:
    void message(const QString& text) override;
    Answer askYesNo(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    Answer askYesNoTitled(const QString& text, const QString& title) override;
    Answer askYesNoDefaultNo(const QString& text) override;
    std::optional<QString> input(const QString& text, const QString& title, const QString& defaultValue) override;
    std::optional<QString> saveFileName(const QString& filter, const QString& fileName, const QString& folder) override;
    std::optional<QString> openFileName(const QString& filter, const QString& fileName, const QString& folder) override;
    std::optional<quint32> chooseColor(quint32 initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
};
