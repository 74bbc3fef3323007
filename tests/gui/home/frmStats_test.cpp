#include "gui/home/frmStats.h"

#include "LeagueTestData.h"
#include "core/store/CurrentLeague.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/ctlButton.h"
#include "gui/shared/frmExport.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class frmStatsTest : public LeagueDatabaseTest {
protected:
    void SetUp() override
    {
        LeagueDatabaseTest::SetUp();
        setProgramDatabase(&db);
        programSettings().gstrCurrencySymbol = QStringLiteral("$");
        league = addLeague(QStringLiteral("Tuesday"));
        const Long al = addPlayer(QStringLiteral("Al"), {league});
        const Long bo = addPlayer(QStringLiteral("bo"), {league});
        const Long cy = addPlayer(QStringLiteral("Cy"), {league});
        first = addTournament(league, QStringLiteral("Week 1"));
        second = addTournament(league, QStringLiteral("Week 2"));
        addTournament(addLeague(QStringLiteral("Friday")), QStringLiteral("Away"));
        enter(first, al, 1, 20, 7.25);
        enter(first, bo, 2, 20, 0);
        enter(first, cy, 3, 20, 1500);
        enter(second, al, 1, 20, 100);
        LoadLeague(db, openTournament(), league);
    }

    void TearDown() override
    {
        openTournament() = OpenTournament();
        programSettings() = ProgramSettings();
        LeagueDatabaseTest::TearDown();
    }

    void enter(Long tournament, Long player, int finish, double buyin, double payout)
    {
        db.execute(QStringLiteral("INSERT INTO tblTournamentXPlayer (TournamentID, PlayerID, Finish, TotalBuyin, "
                                  "Payout) VALUES (?, ?, ?, ?, ?)"),
                   {tournament, player, finish, buyin, payout});
    }

    // Each data row's name and the cell of one column.
    static QString column(const FlexGrid& grid, long col)
    {
        QStringList rows;
        for (long row = 1; row < grid.Rows(); ++row)
            rows << grid.TextMatrix(row, 0) + u':' + grid.TextMatrix(row, col);
        return rows.join(u' ');
    }

    // A click on a header cell, as the user makes it.
    static void clickHeader(FlexGrid& grid, long col)
    {
        const QPoint at = grid.CellRect(0, col).center();
        QWidget* target = grid.childAt(at);
        ASSERT_NE(target, nullptr);
        const QPoint local = target->mapFrom(&grid, at);
        QTest::mousePress(target, Qt::LeftButton, {}, local);
        QTest::mouseRelease(target, Qt::LeftButton, {}, local);
    }

    Long league = 0, first = 0, second = 0;
};

TEST_F(frmStatsTest, OpensOnEveryTournamentOfTheLeagueSortedByTotalPayDescending)
{
    frmStats w;
    w.Form_Load();
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("League Stats"));
    ASSERT_EQ(w.lstTournaments->count(), 2);
    EXPECT_EQ(w.lstTournaments->item(0)->text(), QStringLiteral("Week 1"));
    EXPECT_EQ(w.lstTournaments->item(1)->checkState(), Qt::Checked);

    FlexGrid& g = *w.grid;
    ASSERT_EQ(g.Cols(), 20);
    EXPECT_EQ(g.TextMatrix(0, 2), QStringLiteral("Total Buyin $"));
    EXPECT_EQ(g.TextMatrix(0, 19), QStringLiteral("# 10th"));
    EXPECT_EQ(g.RowHeight(0), 500);
    EXPECT_EQ(g.ColWidth(0), 1200);
    EXPECT_EQ(g.ColWidth(9), 550);
    EXPECT_EQ(g.ColAlignment(5), 7);
    EXPECT_EQ(column(g, 4), QStringLiteral("Cy:1,500 Al:107 bo:0"));
    EXPECT_EQ(column(g, 1), QStringLiteral("Cy:1 Al:2 bo:1"));

    // Ticks change nothing until Refresh, which sorts the other way round.
    w.lstTournaments->item(0)->setCheckState(Qt::Unchecked);
    QTest::mouseClick(w.cmdUncheckAll, Qt::LeftButton);
    EXPECT_EQ(w.lstTournaments->item(1)->checkState(), Qt::Unchecked);
    EXPECT_EQ(column(g, 4), QStringLiteral("Cy:1,500 Al:107 bo:0"));
    QTest::mouseClick(w.cmdCheckAll, Qt::LeftButton);
    w.lstTournaments->item(0)->setCheckState(Qt::Unchecked);
    QTest::mouseClick(w.cmdRefresh, Qt::LeftButton);
    EXPECT_EQ(column(g, 4), QStringLiteral("bo:0 Cy:0 Al:100"));
    QTest::mouseClick(w.cmdUncheckAll, Qt::LeftButton);
    QTest::mouseClick(w.cmdRefresh, Qt::LeftButton);
    EXPECT_EQ(column(g, 7), QStringLiteral("Al:.00 bo:.00 Cy:.00"));
    EXPECT_EQ(column(g, 5), QStringLiteral("Al:0.0 bo:0.0 Cy:0.0"));

    // Made as small as it goes, every part keeps a size of its own.
    w.resize(1, 1);
    for (QWidget* part : std::initializer_list<QWidget*> {w.lstTournaments, w.grid, w.cmdRefresh}) {
        EXPECT_GT(part->height(), 0) << part->objectName().toStdString();
        EXPECT_GT(part->width(), 0) << part->objectName().toStdString();
    }
    EXPECT_LT(w.grid->geometry().bottom(), w.btnClose->geometry().top());
}

TEST_F(frmStatsTest, HeaderClicksSortOnTheNumbersAndTheExportHoldsTheTextsShown)
{
    frmStats w;
    w.Form_Load();
    w.show();
    FlexGrid& g = *w.grid;

    clickHeader(g, 6); // Prof./ Loss $: ascending, the cells as written
    EXPECT_EQ(column(g, 6), QStringLiteral("bo:-20.00 Al:67.25 Cy:1480.00"));
    clickHeader(g, 6);
    EXPECT_EQ(column(g, 6), QStringLiteral("Cy:1480.00 Al:67.25 bo:-20.00"));
    clickHeader(g, 0); // the names, ascending
    EXPECT_EQ(column(g, 6), QStringLiteral("Al:67.25 bo:-20.00 Cy:1480.00"));

    QString proposed;
    QTimer::singleShot(0, [&proposed] {
        auto* dialog = qobject_cast<frmExport*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        proposed = dialog->txtFile->text();
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    });
    QTest::mouseClick(w.btnExport->findChild<QLabel*>(QStringLiteral("lbl")), Qt::LeftButton);
    EXPECT_EQ(proposed, path(QStringLiteral("Stats.csv")));
    EXPECT_EQ(prompts.messages, QStringList {QStringLiteral("Complete.")});
    QFile file(proposed);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].startsWith("\"Player\",\"# Tourn.\",\"Total Buyin $\","));
    EXPECT_TRUE(
        lines[1].startsWith("\"Al\",\"2\",\"40\",\"54\",\"107\",\"168.1\",\"67.25\",\"1.00\",\"0\",\"0\",\"2\","));
    EXPECT_TRUE(lines[3].startsWith("\"Cy\",\"1\",\"20\",\"1,500\",\"1,500\",\"7400.0\",\"1480.00\",\"3.00\","));
}

TEST_F(frmStatsTest, NamesKeepToOneLineWhileTheHeadersWrap)
{
    const QString longName = QStringLiteral("Bartholomew O'Hara-Llewellyn, \"Bart\" Jr.");
    addPlayer(longName, {league});
    frmStats w;
    w.Form_Load();
    const FlexGrid& g = *w.grid;
    EXPECT_EQ(g.ShownText(0, 2), QStringLiteral("Total Buyin $"));
    long row = 1;
    while (row < g.Rows() && g.TextMatrix(row, 0) != longName)
        ++row;
    ASSERT_LT(row, g.Rows());
    const QString shown = g.ShownText(row, 0);
    EXPECT_TRUE(shown.endsWith(u'…') && longName.startsWith(shown.chopped(1))) << shown.toStdString();
}

TEST_F(frmStatsTest, AmountsOfMillionsShowWholeAndNameTheCurrency)
{
    // In won every total runs to millions; profit and loss the longest.
    programSettings().gstrCurrencySymbol = QStringLiteral("\u20a9");
    const Long week3 = addTournament(league, QStringLiteral("Week 3"));
    const Long dee = addPlayer(QStringLiteral("Dee"), {league});
    enter(week3, dee, 1, 27375000, 1618033988.75);
    enter(week3, addPlayer(QStringLiteral("Eve"), {league}), 2, 987654321, 0);
    frmStats w;
    w.Form_Load();
    w.show();
    const FlexGrid& g = *w.grid;
    EXPECT_EQ(g.TextMatrix(0, 6), QStringLiteral("Prof./ Loss \u20a9"));
    EXPECT_EQ(g.TextMatrix(1, 6), QStringLiteral("1590658988.75"));
    for (long row = 1; row < g.Rows(); ++row)
        for (long col = 1; col < g.Cols(); ++col)
            EXPECT_EQ(g.ShownText(row, col), g.TextMatrix(row, col)) << row << ',' << col;
    // Columns of small figures and the names keep their widths.
    EXPECT_EQ(g.ColWidth(0), 1200);
    EXPECT_EQ(g.ColWidth(10), 550);
}
