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
    EXPECT_EQ(c.block().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
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
