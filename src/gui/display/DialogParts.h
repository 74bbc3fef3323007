#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// Small builders the settings dialogs share: every control carries its
// given name.

QLabel* NamedLabel(QWidget* parent, const QString& name, const QString& caption);
// The OK (default) and Cancel buttons at the right of a row.
QHBoxLayout* OkCancelRow(QDialog* dialog, QPushButton*& cmdOK, QPushButton*& cmdCancel);
