#pragma once

#include "core/floor/HandTimer.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

// The hand timer: a countdown of the hand-timer length for one hand or any
// short period, with start/pause, reset and a sound at 0:00. One shared
// window, shown modally; closing it stops the timer.
class frmHandTimer : public QDialog {
    Q_OBJECT
public:
    explicit frmHandTimer(QWidget* parent = nullptr);

    QLabel* lblTimer;
    QPushButton* cmdStartPause;
    QPushButton* cmdReset;
    QPushButton* cmdSettings;
    QPushButton* cmdClose;
    QTimer* Timer1; // 100 ms while running

    // The timer at the full length in force.
    void Form_Load();
    // Form_Load, then the window modally.
    void ShowModal();

    void cmdStartPause_Click();
    void cmdReset_Click();
    void cmdSettings_Click();
    void cmdClose_Click();
    void Timer1_Timer();

    void reject() override;

private:
    void showState();

    HandTimer mTimer;
};

// The program's one hand timer window.
frmHandTimer& handTimerWindow();
