#include "gui/controls/SelectAllText.h"

#include <QLineEdit>
#include <QTextEdit>
#include <gtest/gtest.h>

TEST(SelectAllText, SelectsTheWholeTextOfEitherKindOfBox)
{
    QLineEdit line(QStringLiteral("250"));
    line.setCursorPosition(1);
    SelectAllText(&line);
    EXPECT_EQ(line.selectedText(), QStringLiteral("250"));

    QTextEdit rich;
    rich.setPlainText(QStringLiteral("House rules"));
    SelectAllText(&rich);
    EXPECT_EQ(rich.textCursor().selectedText(), QStringLiteral("House rules"));

    SelectAllText(static_cast<QLineEdit*>(nullptr));
}
