#include "gui/controls/RichTextBox.h"

#include "core/store/ScreenCatalogue.h"

#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>
#include <memory>

namespace {

void setDefaultAlignment(QTextDocument* doc, Qt::Alignment alignment)
{
    QTextOption option = doc->defaultTextOption();
    option.setAlignment(alignment);
    doc->setDefaultTextOption(option);
}

} // namespace

void LoadStoredRichText(QTextEdit* box, const QString& stored)
{
    if (IsStoredRichText(stored)) {
        // No default look left over from a plain text the box held before.
        box->document()->setDefaultFont(box->font());
        setDefaultAlignment(box->document(), QTextOption().alignment());
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
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(24);
    font.setBold(true);
    QTextDocument* doc = box->document();
    // The document's defaults carry the look into paragraphs made later,
    // whose own formats start empty. The alignment is not set on the
    // paragraphs themselves: an editor turns an empty paragraph with a format
    // of its own back to the plain one on Enter instead of adding a line.
    doc->setDefaultFont(font);
    setDefaultAlignment(doc, Qt::AlignHCenter);
    QTextCharFormat look;
    look.setFont(font, QTextCharFormat::FontPropertiesSpecifiedOnly);
    QTextCursor all(doc);
    all.select(QTextCursor::Document);
    all.mergeCharFormat(look);
    box->setCurrentCharFormat(look);
    box->moveCursor(QTextCursor::Start);
}

QString StoredRichText(const QTextEdit* box)
{
    const std::unique_ptr<QTextDocument> copy(box->document()->clone());
    const Qt::Alignment alignment = copy->defaultTextOption().alignment();
    for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().hasProperty(QTextFormat::BlockAlignment))
            continue;
        QTextBlockFormat format;
        format.setAlignment(alignment);
        QTextCursor(block).mergeBlockFormat(format);
    }
    return copy->toHtml();
}
