#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "New League": a new league, its members copied from another league when
// asked. The new league becomes the current one.
class frmAddLeague : public QDialog {
    Q_OBJECT
public:
    explicit frmAddLeague(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* txtLeague;
    QLabel* Label2;
    QCheckBox* chkCopy;
    QComboBox* cmbLeague;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    void chkCopy_Click();
    void cmdOK_Click();
};
