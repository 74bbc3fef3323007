#include "gui/controls/ComboSelection.h"

#include <QComboBox>

void SelectComboText(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(-1);
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i) == text) {
            combo->setCurrentIndex(i);
            return;
        }
    }
}

void SelectComboItemData(QComboBox* combo, int value)
{
    combo->setCurrentIndex(-1);
    for (int i = 0; i < combo->count(); ++i) {
        bool ok = false;
        if (combo->itemData(i).toLongLong(&ok) == value && ok) {
            combo->setCurrentIndex(i);
            return;
        }
    }
}
