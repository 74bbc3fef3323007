#pragma once

class QLineEdit;
class QTextEdit;

// Selects the whole text of a box, as its focus handler does; a missing box
// is left alone.
void SelectAllText(QLineEdit* box);
void SelectAllText(QTextEdit* box);
