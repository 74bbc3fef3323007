#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// "Add/Edit Reminder": the text shown when a level ends, picked from the
// standard reminders or typed, and whether the game waits for it. OK
// accepts, Cancel rejects; the caller reads the two controls back.
class frmAddEditReminder : public QDialog {
    Q_OBJECT
public:
    explicit frmAddEditReminder(QWidget* parent = nullptr);

    // Opens the editor on a reminder; true with the edited text and pause
    // state when the director clicks OK.
    static bool edit(QWidget* parent, QString& reminder, bool& pause);

    QLabel* lblAward;
    QComboBox* cmbReminder;
    QCheckBox* chkPause;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};
