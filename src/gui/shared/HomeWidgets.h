#pragma once

#include <QString>

class QComboBox;
class QDialog;
class QHBoxLayout;
class QListWidget;
class QPushButton;
class QWidget;
class ctlButton;

// The flat button of the home window and the windows it opens.
ctlButton* HomeButton(QWidget* parent, const QString& name, const QString& caption);

// "cmdOK" and "cmdCancel" at the right of one row; Cancel closes the dialog
// as rejected.
QHBoxLayout* OkCancelRow(QDialog* dialog, QPushButton*& cmdOK, const QString& okCaption, QPushButton*& cmdCancel,
                         bool okIsDefault = true);

// A league or tournament drop-down list.
QComboBox* HomeDropDown(QWidget* parent, const QString& name);

// The key (item data) of a list row; 0 for none.
int RowKey(const QListWidget* list, int row);
