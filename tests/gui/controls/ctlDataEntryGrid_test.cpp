#include "gui/controls/ctlDataEntryGrid.h"

#include "core/store/GridError.h"
#include "gui/controls/FlexGrid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A shown data-entry grid of 3 columns (one fixed) and 4 rows (one fixed),
// every column editable.
class ctlDataEntryGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ctl->setGeometry(0, 0, 400, 200);
        ctl->setCols(3);
        ctl->setRows(4);
        for (long c = 0; c < 3; ++c)
            ctl->setColEditable(c, true);
        host.resize(420, 220);
        host.show();
        host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
        grid->setFocus();
    }

    // Enters the cell afresh, as the user does by moving onto it.
    void enter(long row, long col)
    {
        ctl->setRow(row == 1 ? 2 : 1);
        ctl->setCol(col);
        ctl->setRow(row);
    }

    // Types a script: '\b' Backspace, '\x1b' Escape, '\r' Enter, '\x7f'
    // Delete, anything else as typed.
    void type(const QString& keys)
    {
        for (QChar k : keys) {
            switch (k.unicode()) {
            case '\b':
                QTest::keyClick(grid, Qt::Key_Backspace);
                break;
            case 0x1b:
                QTest::keyClick(grid, Qt::Key_Escape);
                break;
            case '\r':
                QTest::keyClick(grid, Qt::Key_Return);
                break;
            case 0x7f:
                QTest::keyClick(grid, Qt::Key_Delete);
                break;
            default:
                QTest::keyClick(grid, k.toLatin1());
            }
        }
    }

    QWidget host;
    ctlDataEntryGrid* ctl = new ctlDataEntryGrid(&host);
    FlexGrid* grid = ctl->findChild<FlexGrid*>(QStringLiteral("grid"));
};

} // namespace

TEST_F(ctlDataEntryGridTest, TypingRules)
{
    struct Case {
        const char* before;
        const char* keys;
        const char* after;
        bool marked;
        long rowAfter;
    };
    const Case cases[] = {
        {"150", "7", "7", true, 1}, // a cell just entered is replaced
        {"150", "75", "75", true, 1},       {"1", "05", "5", true, 1}, // a "0" is always replaced
        {"12", "345\x1b", "12", true, 1}, // Escape: the text on entering
        {"   ", "\b", "   ", false, 1}, // blanks only: nothing to drop
        {"12 ", "\b", "12", true, 1},       {"3o", "\r", "3o", false, 2}, // a slip stays for the window's check
        {"12", "\r", "12", false, 2},       {"", "\r", "0", true, 2},
        {"1,500", "\r", "1,500", false, 2}, {"7", "\x7f", "", true, 1},
    };
    for (const Case& c : cases) {
        for (long r = 0; r < 4; ++r)
            ctl->setRowChanged(r, 0);
        ctl->setTextMatrix(1, 1, QString::fromLatin1(c.before));
        enter(1, 1);
        type(QString::fromLatin1(c.keys));
        EXPECT_EQ(ctl->TextMatrix(1, 1), QString::fromLatin1(c.after)) << c.before << " " << c.keys;
        EXPECT_EQ(ctl->RowChanged(1), c.marked ? 1 : 0) << c.before << " " << c.keys;
        EXPECT_EQ(ctl->Row(), c.rowAfter) << c.before << " " << c.keys;
    }

    // A column marked not numeric keeps a prize text; one not editable
    // takes no key and marks nothing, yet Enter still moves on.
    ctl->setColNumeric(1, false);
    ctl->setTextMatrix(1, 1, QStringLiteral("Trophy"));
    ctl->setRowChanged(1, 0);
    enter(1, 1);
    type(QStringLiteral("\r"));
    EXPECT_EQ(ctl->TextMatrix(1, 1), QStringLiteral("Trophy"));
    ctl->setColEditable(2, false);
    ctl->setTextMatrix(1, 2, QStringLiteral("x"));
    enter(1, 2);
    type(QStringLiteral("5\b\x7f\r"));
    EXPECT_EQ(ctl->TextMatrix(1, 2), QStringLiteral("x"));
    EXPECT_EQ(ctl->RowChanged(1), 0);
    EXPECT_EQ(ctl->Row(), 2);

    // A grid without cells takes keys without harm.
    ctl->setRows(0);
    type(QStringLiteral("5\r\x7f"));
    EXPECT_EQ(ctl->Rows(), 0);
}

TEST_F(ctlDataEntryGridTest, EnterRunsDownTheColumnsAndWrapsToTheNextShownOne)
{
    struct Case {
        long cols;
        QList<long> hidden;
        long col;
        long wrapsTo;
    };
    const Case cases[] = {
        {3, {}, 1, 2},        {3, {}, 2, 1}, {4, {2}, 1, 3}, // a zero-width column is skipped
        {4, {2, 3}, 1, 1}, // no shown column after: back to column 1
        {7, {1, 2, 6}, 5, 3}, // the award grid: column 1 hidden, the wrap goes to the first shown
    };
    for (const Case& c : cases) {
        ctl->setCols(c.cols);
        for (long col = 0; col < c.cols; ++col)
            ctl->setColWidth(col, c.hidden.contains(col) ? 0 : 900);
        ctl->setRow(2);
        ctl->setCol(c.col);
        type(QStringLiteral("5\r"));
        EXPECT_EQ(ctl->Row(), 3);
        type(QStringLiteral("\r"));
        EXPECT_EQ(ctl->Row(), 1) << c.cols << " " << c.col;
        EXPECT_EQ(ctl->Col(), c.wrapsTo) << c.cols << " " << c.col;
    }
}

TEST_F(ctlDataEntryGridTest, ClipboardKeysNeedCtrlAloneAndMarkOnlyWhenTheyChangeTheCell)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("old"));
    ctl->setTextMatrix(1, 1, QStringLiteral("42"));
    enter(1, 1);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("old"));
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("42"));
    EXPECT_EQ(ctl->RowChanged(1), 0);

    enter(2, 1);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ctl->TextMatrix(2, 1), QStringLiteral("42"));
    EXPECT_EQ(ctl->RowChanged(2), 1);
    ctl->setTextMatrix(3, 1, QStringLiteral("9"));
    enter(3, 1);
    QTest::keyClick(grid, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("9"));
    EXPECT_EQ(ctl->TextMatrix(3, 1), QString());
    ctl->setTextMatrix(3, 1, QStringLiteral("8"));
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(ctl->TextMatrix(3, 1), QString());
}

TEST_F(ctlDataEntryGridTest, ColumnIndexesAreCheckedAndColumnColoursSurviveNewRows)
{
    for (long index : {3L, -1L}) {
        for (const auto& call : std::initializer_list<std::function<void()>> {
                 [&] { ctl->setColEditable(index, true); },
                 [&] { ctl->setColBackColor(index, 0xFFFF); },
                 [&] { ctl->setColNumeric(index, false); },
             }) {
            try {
                call();
                ADD_FAILURE() << index;
            } catch (const GridError& e) {
                EXPECT_EQ(e.Number(), 1);
                EXPECT_EQ(e.Description(), QStringLiteral("Invalid column index."));
            }
        }
    }
    ctl->setColEditable(2, false);
    EXPECT_FALSE(ctl->ColEditable(2));

    ctl->setColBackColor(2, 0xFFFF);
    ctl->setRows(10);
    for (long r = 1; r < 10; ++r)
        EXPECT_EQ(grid->CellBackColor(r, 2), 0xFFFFu) << r;
    EXPECT_EQ(ctl->Row(), 0);
    EXPECT_EQ(ctl->Col(), 0);
    // Moving through the painted cells keeps their colour.
    enter(1, 2);
    enter(3, 1);
    EXPECT_EQ(grid->CellBackColor(1, 2), 0xFFFFu);

    // 0 is the grid's own colour, and is not remembered.
    ctl->setColBackColor(2, 0);
    ctl->AddItem(QStringLiteral("\t\tnew"));
    EXPECT_EQ(grid->CellBackColor(10, 2), 0u);
    EXPECT_EQ(grid->CellBackColor(4, 2), 0u);
}

TEST_F(ctlDataEntryGridTest, EventsReachTheWindowAfterTheControlsOwnHandling)
{
    // The window lights the current cell on EnterCell; leaving it gives the
    // cell back its column colour.
    ctl->setColBackColor(1, 0xC0FFC0);
    QObject::connect(ctl, &ctlDataEntryGrid::EnterCell, ctl, [&] { grid->setCellBackColor(0xFF); });
    QString seenOnKeyPress;
    QObject::connect(ctl, &ctlDataEntryGrid::KeyPress, ctl, [&](int&) { seenOnKeyPress = ctl->TextMatrix(2, 1); });
    enter(2, 1);
    EXPECT_EQ(grid->CellBackColor(2, 1), 0xFFu);
    type(QStringLiteral("8"));
    EXPECT_EQ(seenOnKeyPress, QStringLiteral("8"));
    enter(3, 2);
    EXPECT_EQ(grid->CellBackColor(2, 1), 0xC0FFC0u);
}

TEST_F(ctlDataEntryGridTest, StartsWithTheLookOfAFreshGridAndSortsNumbersFirst)
{
    ctlDataEntryGrid fresh;
    EXPECT_EQ(fresh.Rows(), 2);
    EXPECT_EQ(fresh.Cols(), 2);
    EXPECT_EQ(fresh.FixedRows(), 1);
    EXPECT_EQ(fresh.FixedCols(), 1);
    EXPECT_EQ(fresh.BackColorBkg(), 0x808080u);
    EXPECT_EQ(fresh.GridColor(), 0xC0C0C0u);
    EXPECT_EQ(fresh.ForeColorSel(), 0u);
    EXPECT_EQ(fresh.BackColorFixed(), ButtonFaceColor);
    EXPECT_TRUE(fresh.AllowBigSelection());
    EXPECT_TRUE(fresh.ColNumeric(1));

    const QStringList texts = {"x", "10", "9", "B", "9.0"};
    ctl->setRows(1 + texts.size());
    for (long r = 1; r <= texts.size(); ++r) {
        ctl->setTextMatrix(r, 0, texts[r - 1]);
        ctl->setTextMatrix(r, 1, QString::number(r));
    }
    ctl->Sort();
    QStringList sorted;
    for (long r = 1; r < ctl->Rows(); ++r)
        sorted << ctl->TextMatrix(r, 0) + QLatin1Char('#') + ctl->TextMatrix(r, 1);
    EXPECT_EQ(sorted, QStringList({"9#3", "9.0#5", "10#2", "B#4", "x#1"}));
    EXPECT_EQ(ctl->CompRows(1, 3, 0, true), 1);
}
