#pragma once

#include <QString>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;
class ctlButton;

// The running side's fixed parts of the tournament window: the command row,
// the player action buttons, and the table alert, tutorial and reminder
// panels. Each control carries its given name.
struct FloorFrames {
    explicit FloorFrames(QWidget* window);

    // Command row
    QFrame* frameCommands;
    ctlButton* btnClock;
    ctlButton* btnAdd;
    ctlButton* btnTables;
    ctlButton* btnSettings;
    ctlButton* btnClose;
    ctlButton* btnExport;
    ctlButton* btnHelp;
    ctlButton* btnView;

    // Player action buttons beside the players grid
    QFrame* frameButtons;
    QPushButton* cmdFind;
    QPushButton* cmdEliminate;
    QPushButton* cmdBuyin;
    QPushButton* cmdHideBuyin;
    QPushButton* cmdAddon;
    QPushButton* cmdMore;

    // Table alert
    QFrame* frameAlert;
    QLabel* lblTableMessage;
    QPushButton* cmdHideAlert;
    QPushButton* cmdManageTables;

    // Tutorial after a new tournament
    QFrame* frameTutorial;
    QCheckBox* chkNoMore;
    QPushButton* cmdHideTutorial;

    // Level reminder
    QFrame* frameReminder;
    QLabel* lblReminder;
    QPushButton* cmdOK;

    // Keeps the fixed parts in place for the window's size: the command row
    // centred at the bottom, the tutorial above it at the right, the alert at
    // the bottom right, the reminder in the middle.
    void Place(int width, int height);
    // Tab follows what the window shows: from the players grid to the
    // buttons of its selected row, then along the command row.
    void SetTabOrder(QWidget* playersGrid) const;
};

// The tutorial's lines, in order.
QStringList TutorialLines();
