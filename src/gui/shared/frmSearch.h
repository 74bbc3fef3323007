#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "Player Search": asks for the first letters of a player's name; the
// caller searches.
class frmSearch : public QDialog {
    Q_OBJECT
public:
    explicit frmSearch(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* txtSearch;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    bool mbOKed = false;
};
