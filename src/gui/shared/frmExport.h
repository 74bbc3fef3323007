#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Export": confirms or changes the name of the file an export writes. The
// caller sets txtFile to the proposed name, shows the dialog modally and,
// when mbOKed is true, reads the name back from txtFile. A name without a
// folder lies in the data folder.
class frmExport : public QDialog {
    Q_OBJECT
public:
    explicit frmExport(QWidget* parent = nullptr);

    QGroupBox* Frame1;
    QLabel* Label1;
    QLineEdit* txtFile;
    QPushButton* cmdBrowse;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    bool mbOKed = false;

    void cmdBrowse_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    // Esc presses Cancel.
    void reject() override;
};
