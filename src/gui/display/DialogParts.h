#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

// Small builders the settings dialogs share: every control carries its
// given name.

QLabel* NamedLabel(QWidget* parent, const QString& name, const QString& caption);
// The OK (default) and Cancel buttons at the right of a row.
QHBoxLayout* OkCancelRow(QDialog* dialog, QPushButton*& cmdOK, QPushButton*& cmdCancel);
// Makes the list tall enough for every row it holds and wide enough for the
// longest, so that it never needs a scroll bar.
void ShowEveryRow(QListWidget* list);
