#pragma once

#include <QDialog>
#include <array>
#include <functional>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Display Settings": which screens rotate in each phase of the tournament
// and how long each stays up.
class frmDisplay : public QDialog {
    Q_OBJECT
public:
    explicit frmDisplay(QWidget* parent = nullptr);

    QGroupBox* Frame5;
    std::array<QListWidget*, 4> lstScreens {}; // by rotation phase
    QLineEdit* txtSeconds;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // What OK asks of the tournament window once the options are kept: the
    // new rotation interval, then a full layout.
    std::function<void(int intervalMs)> applied = [](int) {};

    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();
};
