#pragma once

#include <QString>

class QLineEdit;

// A text box whose length limit holds for what the user types, not for what
// the program shows in it: a stored value longer than the limit is shown and
// kept whole, and typing may shorten such a text but never lengthen it.
void SetTypedMaxLength(QLineEdit* box, int maxLength);

// Puts the text into a box limited by SetTypedMaxLength, whole whatever its
// length.
void SetTextWhole(QLineEdit* box, const QString& text);
