#pragma once

#include <QDialog>

class QPushButton;
class QTextEdit;

// "Tournament Preparation Checklist": the checklist's text, to copy or to
// save as a text file.
class frmChecklist : public QDialog {
    Q_OBJECT
public:
    explicit frmChecklist(const QString& checklist, QWidget* parent = nullptr);

    QTextEdit* rtbChecklist;
    QPushButton* cmdCopy;
    QPushButton* cmdSaveAs;
    QPushButton* cmdClose;

    void cmdCopy_Click();
    // Proposes "Tournament Checklist.txt" in the data folder; a cancel says
    // nothing, a failed write says why.
    void cmdSaveAs_Click();
};
