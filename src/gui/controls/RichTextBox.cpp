#include "gui/controls/RichTextBox.h"

#include "core/display/ScreenCatalogue.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

void LoadStoredRichText(QTextEdit* box, const QString& stored)
{
    if (IsStoredRichText(stored)) {
        box->setHtml(stored);
        return;
    }
    box->setPlainText(stored);
    SetDefaultRichTextFormat(box, stored);
}

void SetDefaultRichTextFormat(QTextEdit* box, const QString& text)
{
    // Stored text may break its lines with CR LF; the box holds LF.
    if (box->toPlainText() != QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")))
        return;
    QTextCursor all(box->document());
    all.select(QTextCursor::Document);
    QTextCharFormat look;
    look.setFontFamilies({QStringLiteral("Times New Roman")});
    look.setFontPointSize(24);
    look.setFontWeight(QFont::Bold);
    all.mergeCharFormat(look);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
    // New text typed into an empty box takes the same look.
    box->setCurrentCharFormat(look);
    box->setAlignment(Qt::AlignHCenter);
    box->moveCursor(QTextCursor::Start);
}
