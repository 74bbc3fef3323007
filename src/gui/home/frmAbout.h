#pragma once

#include <QDialog>

class QPushButton;
class QTimer;

// The splash window at start-up and the about box. Its opener starts
// tmrStartup for the splash, which then closes itself after two seconds;
// either way a click anywhere on it closes it, and Esc does too. It is
// hidden, not destroyed, so a later About shows the same window.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QTimer* tmrStartup;

    // Shows the window modally as the splash, for at most two seconds.
    void ShowAsSplash();
    // Shows the window modally as the about box.
    void ShowAsAbout();

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void closeWindow();

    QPushButton* cmdCancel;
};

// "Version 1.2.3" for the running program.
QString VersionText();

// The one about window of the program.
frmAbout& aboutWindow();
