#include "gui/controls/SelectAllText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTextEdit>

void SelectAllText(QLineEdit* box)
{
    if (box)
        box->selectAll();
}

void SelectAllText(QTextEdit* box)
{
    if (box)
        box->selectAll();
}

void FocusRefused(QWidget* control)
{
    if (!control)
        return;
    control->setFocus();
    if (auto* combo = qobject_cast<QComboBox*>(control))
        SelectAllText(combo->lineEdit());
    else if (auto* box = qobject_cast<QLineEdit*>(control))
        SelectAllText(box);
    else if (auto* text = qobject_cast<QTextEdit*>(control))
        SelectAllText(text);
}
