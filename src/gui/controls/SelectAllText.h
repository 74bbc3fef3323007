#pragma once

class QLineEdit;
class QTextEdit;
class QWidget;

// Selects the whole text of a box, as its focus handler does; a missing box
// is left alone.
void SelectAllText(QLineEdit* box);
void SelectAllText(QTextEdit* box);

// Gives the focus back to a control whose entry was refused, with its whole
// text selected (a line edit, an editable combo box's, a text edit), so that
// what is typed next replaces the entry instead of adding to it.
void FocusRefused(QWidget* control);
