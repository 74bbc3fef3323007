#pragma once

#include "core/platform/ModelTypes.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The prompt for a new name of a league or a tournament: OK accepts only a
// name its validator allows (trimmed first), Cancel or the close box leave
// mbOKed false. The caller reads mbOKed and txtName afterwards.
class NamePromptDialog : public QDialog {
    Q_OBJECT
public:
    QLabel* Label1;
    QLineEdit* txtName;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    bool mbOKed = false;

    void cmdOK_Click();

protected:
    NamePromptDialog(const QString& name, const QString& caption, const QString& label, QWidget* parent);
    // Shows its own message and gives false for a name that may not be used.
    virtual bool validate(const QString& name) = 0;
};

// A list of names with Rename, Delete and Close, the frame of the league and
// the tournament lists.
class NameListDialog : public QDialog {
    Q_OBJECT
public:
    QPushButton* cmdRename;
    QPushButton* cmdDelete;
    QPushButton* cmdCancel;

    virtual void cmdRename_Click() = 0;
    virtual void cmdDelete_Click() = 0;

protected:
    NameListDialog(const QString& name, const QString& caption, const QString& listName, QWidget* parent);
    // Shows the rename prompt (its key already set) with the selected row's
    // name; gives the row when a new name was accepted, else -1.
    int renameSelected(NamePromptDialog& prompt);

    QListWidget* mList;
};
