#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

// A level's reminder that holds the next level until the director has read
// it. One shared window, modal over the whole program; it returns at once,
// and what waits for it runs when it is closed.
class frmReminder : public QDialog {
    Q_OBJECT
public:
    explicit frmReminder(QWidget* parent = nullptr);

    QLabel* lblReminder;
    QPushButton* cmdOK;

    // Shows the text; onClosed runs once when the window is closed, by OK,
    // Esc or its close box.
    void ShowReminder(const QString& text, std::function<void()> onClosed);

    void cmdOK_Click();
    void done(int result) override;

private:
    std::function<void()> mOnClosed;
};

// The program's one reminder window.
frmReminder& reminderWindow();
