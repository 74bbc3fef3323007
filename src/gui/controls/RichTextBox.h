#pragma once

#include <QString>

class QTextEdit;

// Rules and the custom message are stored as Qt HTML; any other stored text
// is plain text, which shows in the default look: "Times New Roman", 24,
// bold, centred. HTML keeps its own look.
void LoadStoredRichText(QTextEdit* box, const QString& stored);
// Gives the box the default look when it holds exactly this plain text (a
// text that arrived as plain); formatted text keeps its own look. The look
// is the document's own default too, so whatever is typed anywhere, new
// paragraphs included, takes it.
void SetDefaultRichTextFormat(QTextEdit* box, const QString& text);
// The box's text as stored (Qt HTML). Paragraphs that follow the document's
// default alignment have it written out, so the text reads back as it was
// seen.
QString StoredRichText(const QTextEdit* box);
