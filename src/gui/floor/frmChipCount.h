#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// Takes a player's chip count. OK accepts only a number.
class frmChipCount : public QDialog {
    Q_OBJECT
public:
    explicit frmChipCount(QWidget* parent = nullptr);

    QLineEdit* txtChipCount;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    bool mbOKed = false;

    void cmdOK_Click();
    void cmdCancel_Click();
};
