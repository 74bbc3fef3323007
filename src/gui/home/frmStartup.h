#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "Welcome": asks for the first league's name on a first run. OK accepts
// only a name the league validator allows; closing the window instead
// leaves it rejected, and no league is made.
class frmStartup : public QDialog {
    Q_OBJECT
public:
    explicit frmStartup(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* txtName;
    QPushButton* cmdOK;

    void cmdOK_Click();

protected:
    void showEvent(QShowEvent* event) override;
};
