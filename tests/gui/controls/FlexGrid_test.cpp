#include "gui/controls/FlexGrid.h"

#include "core/platform/Twips.h"
#include "core/store/GridError.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The current cell and the far corner of the range.
struct Current {
    long row, col, rowSel, colSel;
    bool operator==(const Current&) const = default;
};

void PrintTo(const Current& c, std::ostream* os)
{
    *os << "(" << c.row << "," << c.col << ")-(" << c.rowSel << "," << c.colSel << ")";
}

// A shown grid of 10 rows and 4 columns (one fixed row and column), with a
// text box after it for the focus to go to.
class FlexGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.resize(420, 300);
        grid->setGeometry(0, 0, 400, 200);
        next->setGeometry(0, 250, 100, 24);
        grid->setRows(10);
        grid->setCols(4);
        host.show();
        host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
        grid->setFocus();
    }

    // Clicks a cell where the user sees it.
    void click(long row, long col, Qt::KeyboardModifiers mods = {})
    {
        const QPoint at = grid->CellRect(row, col).center();
        QWidget* target = grid->childAt(at);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, mods, target->mapFrom(grid, at));
    }

    Current current() const { return {grid->Row(), grid->Col(), grid->RowSel(), grid->ColSel()}; }

    QWidget host;
    FlexGrid* grid = new FlexGrid(&host);
    QLineEdit* next = new QLineEdit(&host);
};

} // namespace

TEST_F(FlexGridTest, FixedRowAndColumnAreCellsOfTheTableThatStayInView)
{
    grid->setRows(40);
    grid->setTextMatrix(0, 0, QStringLiteral("Corner"));
    grid->setTextMatrix(0, 2, QStringLiteral("Head"));
    grid->setTextMatrix(30, 0, QStringLiteral("Name"));
    grid->setCellBackColor(0, 2, 0xFF);
    grid->setRowHeight(0, 500);
    const GridText& text = *grid;
    EXPECT_EQ(text.Rows(), 40);
    EXPECT_EQ(text.TextMatrix(0, 2), QStringLiteral("Head"));
    EXPECT_EQ(grid->CellBackColor(0, 2), 0xFFu);
    EXPECT_EQ(grid->RowHeight(0), 500);

    grid->setTopRow(25);
    EXPECT_EQ(grid->TopRow(), 25);
    EXPECT_TRUE(grid->RowIsVisible(0));
    EXPECT_TRUE(grid->RowIsVisible(25));
    EXPECT_FALSE(grid->RowIsVisible(5));
    // The header stays at the top, 500 twips high; the name column at the left.
    EXPECT_EQ(grid->CellRect(0, 2).height(), TwipsToPixels(500));
    EXPECT_LT(grid->CellRect(0, 2).top(), 5);
    EXPECT_LT(grid->CellRect(30, 0).left(), 5);
    EXPECT_EQ(grid->CellRect(25, 1).top(), grid->CellRect(0, 1).bottom() + 1);
    // Scrolled to its end it stops on whole rows too, in a view seven and a
    // half rows high: the last row in view, the first under the header whole.
    const int rowPixels = grid->CellRect(1, 1).height();
    grid->resize(grid->width(), grid->height() + rowPixels * 15 / 2 - grid->viewport()->height());
    QApplication::processEvents();
    grid->setTopRow(39);
    EXPECT_TRUE(grid->RowIsVisible(39));
    EXPECT_EQ(grid->CellRect(grid->TopRow(), 1).top(), grid->CellRect(0, 1).bottom() + 1)
        << "top row " << grid->TopRow();
    EXPECT_EQ(grid->CellRect(grid->TopRow(), 0).top(), grid->CellRect(0, 1).bottom() + 1) << "fixed column";

    // Code can make a fixed cell current; the user cannot.
    grid->setRow(0);
    grid->setCol(0);
    EXPECT_EQ(grid->Text(), QStringLiteral("Corner"));
    EXPECT_EQ(grid->CellTop(), PixelsToTwips(grid->CellRect(0, 0).top()));
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Col(), 1);
}

TEST_F(FlexGridTest, ClicksSelectCellsAndFixedCellsSelectTheirColumnOrRow)
{
    struct Case {
        long row, col;
        Current after;
    };
    const Case cases[] = {
        {4, 2, {4, 2, 4, 2}}, // a data cell
        {0, 2, {1, 2, 9, 2}}, // a header: the whole column
        {3, 0, {3, 1, 3, 3}}, // a name: the whole row
        {0, 0, {1, 1, 9, 3}}, // the corner: everything
    };
    QList<float> mouseUpY;
    QObject::connect(grid, &FlexGrid::MouseUp, grid, [&](int, int, float, float y) { mouseUpY << y; });
    for (const Case& c : cases) {
        grid->setRow(5);
        grid->setCol(3);
        click(c.row, c.col);
        EXPECT_EQ(current(), c.after) << c.row << "," << c.col;
        EXPECT_EQ(grid->MouseRow(), c.row);
        EXPECT_EQ(grid->MouseCol(), c.col);
        EXPECT_EQ(mouseUpY.last() < grid->RowHeight(0), c.row == 0);
    }

    grid->setAllowBigSelection(false);
    grid->setRow(5);
    grid->setCol(3);
    click(0, 2);
    EXPECT_EQ(current(), (Current {5, 3, 5, 3}));
    // Shift extends the range from the current cell.
    click(7, 1, Qt::ShiftModifier);
    EXPECT_EQ(current(), (Current {5, 3, 7, 1}));
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(current(), (Current {5, 3, 8, 1}));
}

TEST_F(FlexGridTest, CellChangesAreReportedInOrder)
{
    QStringList seen;
    const auto record = [&](const char* name) {
        return [&, name] {
            seen << QStringLiteral("%1 %2,%3").arg(QLatin1String(name)).arg(grid->Row()).arg(grid->Col());
        };
    };
    QObject::connect(grid, &FlexGrid::LeaveCell, grid, record("Leave"));
    QObject::connect(grid, &FlexGrid::EnterCell, grid, record("Enter"));
    QObject::connect(grid, &FlexGrid::RowColChange, grid, record("RowCol"));
    QObject::connect(grid, &FlexGrid::SelChange, grid, record("Sel"));
    QObject::connect(grid, &FlexGrid::Click, grid, record("Click"));
    click(2, 3);
    grid->setRow(2); // unchanged: nothing
    grid->setRowSel(4);
    EXPECT_EQ(seen, QStringList({"Leave 1,1", "Enter 2,3", "RowCol 2,3", "Sel 2,3", "Click 2,3", "Sel 2,3"}));
}

TEST_F(FlexGridTest, IndexesOutsideTheGridRaiseSubscriptOutOfRange)
{
    grid->setTextMatrix(1, 1, QStringLiteral("kept"));
    const std::function<void()> calls[] = {
        [&] { grid->TextMatrix(-1, 0); },
        [&] { grid->TextMatrix(0, 4); },
        [&] { grid->setTextMatrix(10, 0, QStringLiteral("x")); },
        [&] { grid->setRows(-1); },
        [&] { grid->setCols(-1); },
        [&] { grid->setRow(10); },
        [&] { grid->setCol(-1); },
        [&] { grid->RowData(-1); },
        [&] { grid->setColWidth(4, 100); },
        [&] { grid->setCellBackColor(-2, 1, 0xFF); },
        [&] { grid->RemoveItem(10); },
        [&] { grid->AddItem(QStringLiteral("x"), 11); },
        [&] { grid->setTopRow(-1); },
        [&] { grid->setFixedRows(11); },
    };
    for (const auto& call : calls) {
        try {
            call();
            ADD_FAILURE() << "no error";
        } catch (const GridError& e) {
            EXPECT_EQ(e.Number(), 9);
            EXPECT_EQ(e.Description(), QStringLiteral("Subscript out of range"));
        }
    }
    EXPECT_EQ(grid->Rows(), 10);
    EXPECT_EQ(grid->Cols(), 4);
    EXPECT_EQ(grid->TextMatrix(1, 1), QStringLiteral("kept"));
}

TEST_F(FlexGridTest, AZeroWidthColumnIsHiddenYetKeepsItsText)
{
    grid->setTextMatrix(0, 2, QStringLiteral("Hidden"));
    grid->setColWidth(2, 0);
    EXPECT_EQ(grid->ColWidth(2), 0);
    EXPECT_FALSE(grid->ColIsVisible(2));
    EXPECT_TRUE(grid->CellRect(0, 2).isEmpty());
    EXPECT_EQ(static_cast<const GridText&>(*grid).TextMatrix(0, 2), QStringLiteral("Hidden"));
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(grid->Col(), 3);
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(grid->Col(), 1);

    grid->setColWidth(2, -1);
    EXPECT_EQ(grid->ColWidth(2), 975);
    EXPECT_TRUE(grid->ColIsVisible(2));
}

TEST_F(FlexGridTest, SortsMoveWholeRowsWithTheirColoursStably)
{
    const QStringList values = {"10", "9", "x", "1,500", "9", "B", "a", "-2.5", "B"};
    for (long r = 1; r <= values.size(); ++r) {
        grid->setTextMatrix(r, 1, values[r - 1]);
        grid->setTextMatrix(r, 2, QString::number(r));
        grid->setCellBackColor(r, 3, OleColor(r));
        grid->setRowData(r, 100 + r);
    }
    grid->setTextMatrix(0, 1, QStringLiteral("Header"));
    const auto order = [&] {
        QStringList rows;
        for (long r = 1; r < grid->Rows(); ++r) {
            const long original = grid->TextMatrix(r, 2).toLong();
            EXPECT_EQ(grid->RowData(r), 100 + original);
            EXPECT_EQ(grid->CellBackColor(r, 3), OleColor(original));
            rows << grid->TextMatrix(r, 1) + QLatin1Char('#') + grid->TextMatrix(r, 2);
        }
        return rows.join(u' ');
    };
    grid->Sort(1, FlexGrid::SortKind::Numeric, false);
    EXPECT_EQ(order(), QStringLiteral("-2.5#8 9#2 9#5 10#1 1,500#4 B#6 B#9 a#7 x#3"));
    grid->Sort(1, FlexGrid::SortKind::Numeric, true);
    EXPECT_EQ(order(), QStringLiteral("x#3 a#7 B#6 B#9 1,500#4 10#1 9#2 9#5 -2.5#8"));
    grid->Sort(1, FlexGrid::SortKind::Text, false);
    EXPECT_EQ(order(), QStringLiteral("-2.5#8 1,500#4 10#1 9#2 9#5 B#6 B#9 a#7 x#3"));
    grid->Sort([&](long a, long b) { return int(grid->TextMatrix(a, 2).toLong() - grid->TextMatrix(b, 2).toLong()); });
    EXPECT_EQ(order(), QStringLiteral("10#1 9#2 x#3 1,500#4 9#5 B#6 a#7 -2.5#8 B#9"));
    EXPECT_EQ(grid->TextMatrix(0, 1), QStringLiteral("Header"));
}

TEST_F(FlexGridTest, KeysReachTheWindowAndOnlyArrowsActInTheGrid)
{
    QList<int> downs;
    QList<int> presses;
    bool swallowDown = false;
    QObject::connect(grid, &FlexGrid::KeyDown, grid, [&](int& code, int& shift) {
        downs << code * 10 + shift;
        if (swallowDown)
            code = 0;
    });
    QObject::connect(grid, &FlexGrid::KeyPress, grid, [&](int& ascii) { presses << ascii; });
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    grid->setTextMatrix(1, 1, QStringLiteral("12"));

    QTest::keyClick(grid, Qt::Key_A);
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(downs, QList<int>({650, 130, 172, 672, 400})); // Ctrl itself comes first
    EXPECT_EQ(presses, QList<int>({'a', 13, 3}));
    EXPECT_EQ(grid->TextMatrix(1, 1), QStringLiteral("12"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    EXPECT_EQ(grid->Row(), 2);

    swallowDown = true;
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 2);

    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
}

TEST_F(FlexGridTest, RowsComeAndGoWithTheirTextsAndFillStyleCoversTheRange)
{
    grid->setRows(1);
    grid->AddItem(QStringLiteral("Ann\t12\t\t3"));
    grid->AddItem(QStringLiteral("Bob\t7"));
    grid->AddItem(QStringLiteral("Cy"), 1);
    EXPECT_EQ(grid->Rows(), 4);
    EXPECT_EQ(grid->TextMatrix(1, 0), QStringLiteral("Cy"));
    EXPECT_EQ(grid->TextMatrix(2, 3), QStringLiteral("3"));
    EXPECT_EQ(grid->TextMatrix(3, 1), QStringLiteral("7"));
    grid->RemoveItem(1);
    EXPECT_EQ(grid->TextMatrix(1, 0), QStringLiteral("Ann"));

    grid->setRow(1);
    grid->setCol(1);
    grid->setRowSel(2);
    grid->setColSel(2);
    grid->setFillStyle(1);
    grid->setCellBackColor(0xFF00);
    grid->setText(QStringLiteral("-"));
    grid->setFillStyle(0);
    EXPECT_EQ(grid->CellBackColor(2, 2), 0xFF00u);
    EXPECT_EQ(grid->CellBackColor(2, 3), 0u);
    EXPECT_EQ(grid->TextMatrix(2, 1), QStringLiteral("-"));

    grid->setCellFontStrikeThrough(1, 0, true);
    grid->Clear();
    EXPECT_EQ(grid->Rows(), 3);
    EXPECT_EQ(grid->TextMatrix(1, 0), QString());
    EXPECT_EQ(grid->CellBackColor(2, 2), 0u);
    EXPECT_FALSE(grid->CellFontStrikeThrough(1, 0));
}

TEST_F(FlexGridTest, TextsWrapWhereTheGridSaysAndElseKeepToOneLineEndingInAnEllipsis)
{
    const QString longText = QStringLiteral("Bartholomew O'Hara-Llewellyn, \"Bart\" Jr.");
    grid->setColWidth(1, 600);
    grid->setTextMatrix(0, 1, longText);
    grid->setTextMatrix(1, 1, longText);
    grid->setTextMatrix(2, 1, QStringLiteral("Al"));
    grid->setTextMatrix(3, 1, QStringLiteral("A\nB"));
    struct Case {
        bool all, fixedRows;
        bool headerWraps, dataWraps;
    };
    const Case cases[] = {{false, false, false, false}, {false, true, true, false}, {true, false, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.all << c.fixedRows);
        grid->setWordwrap(c.all);
        grid->setFixedRowsWordwrap(c.fixedRows);
        for (const auto& [row, wraps] : {std::pair {0L, c.headerWraps}, std::pair {1L, c.dataWraps}}) {
            const QString shown = grid->ShownText(row, 1);
            if (wraps) {
                EXPECT_EQ(shown, longText);
            } else {
                EXPECT_TRUE(shown.endsWith(u'…')) << shown.toStdString();
                EXPECT_TRUE(longText.startsWith(shown.chopped(1))) << shown.toStdString();
            }
        }
        EXPECT_EQ(grid->ShownText(2, 1), QStringLiteral("Al"));
        EXPECT_EQ(grid->ShownText(3, 1), c.dataWraps ? QStringLiteral("A\nB") : QStringLiteral("A B"));
    }
}

TEST_F(FlexGridTest, FitFontStartsFromTheFontLastGivenEvenWhenTheGridAlreadyDrawsInIt)
{
    // Fitted down in a narrow column, then (or not) given the fitted size
    // from outside, then widened.
    for (const bool givenAgain : {false, true}) {
        SCOPED_TRACE(givenAgain);
        grid->setFont(QFont(QStringLiteral("Arial"), 20));
        grid->setTextMatrix(1, 1, QStringLiteral("Bart Hara"));
        grid->setColWidth(1, 600);
        grid->FitFont(18, 8);
        const int fitted = grid->font().pointSize();
        ASSERT_LT(fitted, 20);
        if (givenAgain)
            grid->setFont(QFont(QStringLiteral("Arial"), fitted));
        grid->setColWidth(1, 4000);
        grid->FitFont(18, 8);
        EXPECT_EQ(grid->font().pointSize(), givenAgain ? fitted : 20);
    }
}

TEST_F(FlexGridTest, ARowPartlyInViewKeepsItsTextBackOnlyWhereTheGridSaysSo)
{
    grid->setBackColor(0xFFFFFFu);
    grid->setForeColor(0);
    grid->setRows(40);
    for (long r = 1; r < grid->Rows(); ++r)
        grid->setTextMatrix(r, 1, QStringLiteral("WWWW"));
    // The view's foot cuts the first row not wholly in view in half.
    long row = 1;
    while (grid->RowIsVisible(row))
        ++row;
    const QRect cell = grid->CellRect(row, 1);
    const int viewBottom = grid->viewport()->mapTo(grid, QPoint(0, grid->viewport()->height())).y();
    grid->resize(grid->width(), grid->height() - (viewBottom - cell.center().y()));
    QApplication::processEvents();
    ASSERT_FALSE(grid->RowIsVisible(row));
    const QRect shown = QRect(cell.topLeft(), QSize(cell.width(), cell.height() / 2)).adjusted(2, 2, -2, -2);
    const QRect whole = grid->CellRect(row - 1, 1).adjusted(2, 2, -2, -2);
    for (const bool hide : {false, true}) {
        SCOPED_TRACE(hide);
        grid->setHidePartlyShownRows(hide);
        const QImage image = grid->grab().toImage();
        const auto inked = [&image](const QRect& r) {
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (qGray(image.pixel(x, y)) < 100)
                        return true;
            return false;
        };
        EXPECT_TRUE(inked(whole));
        EXPECT_EQ(inked(shown), !hide);
    }
}
