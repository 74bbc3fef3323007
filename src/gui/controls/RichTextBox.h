#pragma once

#include <QString>

class QTextEdit;

// Rules and the custom message are stored as Qt HTML; any other stored text
// is plain text, which shows in the default look: "Times New Roman", 24,
// bold, centred.
void LoadStoredRichText(QTextEdit* box, const QString& stored);
// Gives the box the default look when it holds exactly this plain text (a
// text that arrived as plain); formatted text keeps its own look.
void SetDefaultRichTextFormat(QTextEdit* box, const QString& text);
