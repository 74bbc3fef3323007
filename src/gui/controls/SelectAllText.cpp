#include "gui/controls/SelectAllText.h"

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
