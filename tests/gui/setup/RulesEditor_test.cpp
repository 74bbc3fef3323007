#include "TestSupport.h"
#include "core/setup/NewTournament.h"
#include "gui/controls/RichTextBox.h"
#include "gui/setup/frmChecklist.h"
#include "gui/setup/frmRulesAndMessage.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace {

// Presses a dialog's button once its event loop runs.
void pressLater(const char* button)
{
    QTimer::singleShot(0, [button] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(top); d && d->isVisible())
                if (auto* b = d->findChild<QPushButton*>(QString::fromLatin1(button)))
                    b->click();
    });
}

// The alignment a paragraph shows: its own, else the document's default.
Qt::Alignment shownAlignment(const QTextBlock& block)
{
    const QTextBlockFormat f = block.blockFormat();
    const Qt::Alignment a = f.hasProperty(QTextFormat::BlockAlignment)
        ? f.alignment()
        : block.document()->defaultTextOption().alignment();
    return a & Qt::AlignHorizontal_Mask;
}

// The font the characters before the cursor show in.
QFont shownFont(const QTextEdit& box, const QTextCursor& at)
{
    return at.charFormat().font().resolve(box.document()->defaultFont());
}

} // namespace

class RulesEditor : public DataFolderTest { };

TEST_F(RulesEditor, PlainTextTakesTheDefaultLookAndHtmlKeepsItsOwn)
{
    frmRulesAndMessage editor;
    EXPECT_EQ(editor.cmbFontName->currentText(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(editor.cmbFontSize->count(), 33);
    EXPECT_EQ(editor.cmbFontSize->currentText(), QStringLiteral("24"));

    LoadStoredRichText(editor.rtbRules, SampleRules());
    QTextCursor c(editor.rtbRules->document());
    c.movePosition(QTextCursor::NextCharacter);
    EXPECT_EQ(c.charFormat().fontPointSize(), 24);
    EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(shownAlignment(c.block()), Qt::AlignHCenter);
    EXPECT_EQ(editor.rtbRules->toPlainText(),
              QString(SampleRules()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    const QString html
        = QStringLiteral("<html><body><p align=\"right\"><span style=\"font-size:11pt;\">Small print</span>"
                         "</p></body></html>");
    LoadStoredRichText(editor.rtbRules, html);
    QTextCursor h(editor.rtbRules->document());
    h.movePosition(QTextCursor::NextCharacter);
    EXPECT_EQ(h.charFormat().fontPointSize(), 11);
    EXPECT_TRUE(h.block().blockFormat().alignment().testFlag(Qt::AlignRight));
    EXPECT_NE(editor.rtbRules->document()->defaultFont().family(), QStringLiteral("Times New Roman"))
        << "no default look left from the plain text before";
}

TEST_F(RulesEditor, PlainRulesKeepTheDefaultLookInNewParagraphsAndStoreIt)
{
    frmRulesAndMessage editor;
    LoadStoredRichText(editor.rtbRules, SampleRules());
    editor.show();
    QTextEdit* box = editor.rtbRules;
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, QStringLiteral("4.  No phones at the table."));

    const QTextCursor typed = box->textCursor();
    EXPECT_EQ(typed.block().text(), QStringLiteral("4.  No phones at the table."));
    EXPECT_EQ(typed.block().previous().text(), QString()) << "Enter, Enter leaves a blank line";
    const QFont font = shownFont(*box, typed);
    EXPECT_EQ(font.family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(font.pointSize(), 24);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(shownAlignment(typed.block()), Qt::AlignHCenter);

    // Stored and read back, the new paragraph looks the same.
    QTextEdit reread;
    LoadStoredRichText(&reread, StoredRichText(box));
    const QTextBlock last = reread.document()->lastBlock();
    ASSERT_EQ(last.text(), QStringLiteral("4.  No phones at the table."));
    QTextCursor end(last);
    end.movePosition(QTextCursor::EndOfBlock);
    EXPECT_EQ(shownFont(reread, end).pointSize(), 24);
    EXPECT_TRUE(shownFont(reread, end).bold());
    EXPECT_EQ(shownAlignment(last), Qt::AlignHCenter);
}

TEST_F(RulesEditor, OkStoresHtmlAndCancelNothing)
{
    pressLater("cmdOK");
    const std::optional<QString> kept = EditRichText(nullptr, QStringLiteral("Edit Tournament Rules"), SampleRules());
    ASSERT_TRUE(kept);
    EXPECT_TRUE(kept->startsWith(QStringLiteral("<!DOCTYPE HTML")));
    EXPECT_TRUE(kept->contains(QStringLiteral("Minimum bet is the big blind.")));

    pressLater("cmdCancel");
    EXPECT_FALSE(EditRichText(nullptr, QStringLiteral("Edit Custom Message"), SampleCustomMessage()));
}

TEST_F(RulesEditor, ChecklistSavesItsTextOrSaysWhyNot)
{
    frmChecklist list(QStringLiteral("Tournament Checklist for\r\nFriday\r\n"));
    prompts.files.push_back(std::nullopt);
    list.cmdSaveAs->click();
    EXPECT_TRUE(prompts.messages.isEmpty()) << "a cancel stays quiet";

    prompts.files.push_back(path(QStringLiteral("list.txt")));
    list.cmdSaveAs->click();
    QFile saved(path(QStringLiteral("list.txt")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("Tournament Checklist for\r\nFriday\r\n"));

    prompts.files.push_back(dir.path()); // a folder: it cannot be written
    list.cmdSaveAs->click();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith(QStringLiteral("The checklist could not be saved: ")));
}
