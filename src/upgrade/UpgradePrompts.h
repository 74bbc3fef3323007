#pragma once

#include <QString>
#include <optional>

class QWidget;

// The upgrade program's message boxes and file picker, behind an interface so
// that tests can script them.
class UpgradePrompts {
public:
    virtual ~UpgradePrompts() = default;

    // A message with an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // The installed ZRV, picked starting at startPath; nothing when cancelled.
    virtual std::optional<QString> chooseProgram(QWidget* parent, const QString& startPath) = 0;
};

// Qt's own message box and open-file dialog.
class DialogUpgradePrompts : public UpgradePrompts {
public:
    void message(QWidget* parent, const QString& text) override;
    std::optional<QString> chooseProgram(QWidget* parent, const QString& startPath) override;
};
