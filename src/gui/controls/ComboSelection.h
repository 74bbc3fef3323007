#pragma once

#include <QString>

class QComboBox;

// Select the first item whose text equals the given text exactly (case and
// spaces count), or whose item data (the row's key) equals the given value.
// Without such an item nothing is selected, whatever was selected before.
void SelectComboText(QComboBox* combo, const QString& text);
void SelectComboItemData(QComboBox* combo, int value);
