#include "MainWindowFixture.h"

#include "gui/controls/FlexGrid.h"
#include "gui/display/PlayersGridPart.h"
#include "gui/floor/SeatingCommands.h"
#include "gui/shared/frmExport.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

class ActionButtonsTest : public TournamentWindowFixture {
protected:
    FlexGrid* grid() const { return parts(w).display.grid; }
    void clickCell(long row, long col)
    {
        const QRect cell = grid()->CellRect(row, col);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->viewport()->mapFrom(grid(), cell.center()));
    }
    QWidget* buttons() const { return parts(w).frames.frameButtons; }
};

TEST_F(ActionButtonsTest, AClickShowsTheButtonsUnderTheRowUntilEscapeOrTheTimer)
{
    showActive();
    w->RefreshScreens(true);
    ASSERT_EQ(grid()->Rows(), 3); // Anna | Bob, Carl | (none)
    ASSERT_EQ(grid()->TextMatrix(1, 6), QStringLiteral("Bob"));

    openTournament().gdblBuyin = 25;
    clickCell(1, 7);
    ASSERT_TRUE(buttons()->isVisible());
    const QRect bob = grid()->CellRect(1, 6);
    const QPoint under = grid()->mapTo(w.data(), QPoint(bob.left(), bob.bottom() + 1));
    EXPECT_EQ(buttons()->y(), under.y());
    // At the left of Bob's group, moved in as far as the window's edge asks.
    EXPECT_EQ(buttons()->x(), std::min(under.x(), w->width() - buttons()->width()));
    EXPECT_EQ(parts(w).frames.cmdEliminate->text(), QStringLiteral("&Eliminate"));
    EXPECT_EQ(parts(w).frames.cmdBuyin->text(), QStringLiteral("Buyin"));
    EXPECT_TRUE(parts(w).frames.cmdBuyin->isEnabled() && parts(w).frames.cmdBuyin->isDefault());
    EXPECT_FALSE(parts(w).frames.cmdAddon->isEnabled());
    for (long c = 6; c <= 10; ++c)
        EXPECT_EQ(grid()->CellBackColor(1, c), 0x800000u) << c;
    EXPECT_EQ(grid()->CellBackColor(1, 0), 0u);
    EXPECT_TRUE(parts(w).players->tmrHideButtons->isActive());
    EXPECT_EQ(parts(w).players->tmrHideButtons->interval(), 3000);

    QTest::keyClick(grid(), Qt::Key_Return); // the default button: Bob buys in
    EXPECT_TRUE(prompts.messages.isEmpty());
    const OpenTournament& t = openTournament();
    for (long i = 1; i <= t.gintPlayerCount(); ++i)
        EXPECT_EQ(t.gtypPlayers[i].TotalBuyin, t.gtypPlayers[i].PlayerName == QStringLiteral("Bob") ? 25 : 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!buttons()->isVisible(), 2000);
    EXPECT_EQ(grid()->CellBackColor(1, 6), 0u);

    // The gap and the empty right group of the last row offer nothing.
    for (const auto& [row, col] : {std::pair {1L, 5L}, std::pair {2L, 8L}}) {
        clickCell(1, 0);
        ASSERT_TRUE(buttons()->isVisible());
        clickCell(row, col);
        EXPECT_FALSE(buttons()->isVisible()) << row << "," << col;
    }
    clickCell(2, 0);
    QMetaObject::invokeMethod(parts(w).players->tmrHideButtons, "timeout", Qt::DirectConnection);
    EXPECT_FALSE(buttons()->isVisible());
}

TEST_F(ActionButtonsTest, ThePlayersExportsOfTheTwoGroupLayoutListEveryPlayer)
{
    openTournament().gstrTournamentName = QStringLiteral("Week 1");
    w->RefreshScreens(true);
    ASSERT_EQ(grid()->Cols(), 11);
    for (const char* entry : {"mnExportPlayerFinish", "mnHPYCSV"}) {
        SCOPED_TRACE(entry);
        QFile::remove(path(QStringLiteral("Week 1.csv")));
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<frmExport*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
        });
        action(entry)->trigger();
        QFile written(path(QStringLiteral("Week 1.csv")));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        const QStringList lines
            = QString::fromUtf8(written.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 4);
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(lines[i + 1].contains(openTournament().gtypPlayers[i + 1].PlayerName))
                << lines[i + 1].toStdString();
        EXPECT_EQ(grid()->Cols(), 11);
        EXPECT_EQ(programSettings().glngPlayerDisplay, 0);
        EXPECT_EQ(programSettings().gintDisplayPointsInGrid, 0);
    }
}

TEST_F(ActionButtonsTest, TheEliminateButtonTakesTheSelectedPlayerOut)
{
    programSettings().gintTrackKills = 0;
    showActive();
    w->RefreshScreens(true);
    clickCell(1, 1); // the first player's seat cell
    ASSERT_TRUE(buttons()->isVisible());
    const long index = w->FindPlayerIndex();
    ASSERT_GT(index, 0);
    const Long id = openTournament().gtypPlayers[index].PlayerID;
    QTest::mouseClick(parts(w).frames.cmdEliminate, Qt::LeftButton);
    const OpenTournament& t = openTournament();
    long out = 0;
    for (long i = 1; i <= t.gintPlayerCount(); ++i)
        if (t.gtypPlayers[i].Finish != 0)
            out = t.gtypPlayers[i].PlayerID;
    EXPECT_EQ(out, id);
    EXPECT_FALSE(buttons()->isVisible());
}

TEST_F(ActionButtonsTest, APlayerWhoIsOutIsNotOfferedASeat)
{
    showActive();
    w->RefreshScreens(true);
    openTournament().gintPlayersPerTable = 4;
    QStringList offered;
    parts(w).seating->pickSeat = [&offered](const QStringList& seats) {
        offered = seats;
        return std::optional<int>();
    };
    QAction* assignSeat = action("mnMovePlayer");
    for (const Integer finish : {0, 3}) {
        clickCell(1, 1);
        const long index = w->FindPlayerIndex();
        ASSERT_GT(index, 0);
        openTournament().gtypPlayers[index].Finish = finish;
        clickCell(1, 1);
        EXPECT_EQ(assignSeat->isEnabled(), finish == 0) << finish;
        offered.clear();
        parts(w).seating->MovePlayer(index);
        EXPECT_EQ(offered.isEmpty(), finish != 0) << finish;
    }
}

TEST_F(ActionButtonsTest, TheLastRowsButtonsGoAboveItRatherThanOverTheCommandRow)
{
    OpenTournament& t = openTournament();
    for (int i = 4; i <= 80; ++i) {
        PlayerRecord& p = t.gtypPlayers.append();
        p.PlayerName = QStringLiteral("Player %1").arg(i);
    }
    showActive();
    for (const QSize size : {QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080)}) {
        w->resize(size);
        w->RefreshScreens(true);
        long last = grid()->TopRow();
        while (last + 1 < grid()->Rows() && grid()->RowIsVisible(last + 1))
            ++last;
        for (const long row : {grid()->TopRow(), last}) {
            clickCell(row, 0);
            ASSERT_TRUE(buttons()->isVisible()) << row;
            const QRect cell = grid()->CellRect(row, 0);
            const QRect selected(grid()->mapTo(w.data(), cell.topLeft()), cell.size());
            const QRect commands = parts(w).frames.frameCommands->geometry();
            EXPECT_FALSE(buttons()->geometry().intersects(commands)) << size.width() << " row " << row;
            EXPECT_FALSE(buttons()->geometry().intersects(selected)) << size.width() << " row " << row;
            // Right under the row, or right above it.
            EXPECT_TRUE(buttons()->y() == selected.bottom() + 1 || buttons()->geometry().bottom() + 1 == selected.top())
                << size.width() << " row " << row;
        }
    }
}

TEST_F(ActionButtonsTest, TabGoesFromTheGridToTheRowsButtonsThenAlongTheCommandRowAsShown)
{
    openTournament().gdblBuyin = 25;
    showActive();
    w->resize(1024, 768);
    w->RefreshScreens(true);
    clickCell(1, 0);
    QMetaObject::invokeMethod(parts(w).players->tmrHideButtons, "timeout", Qt::DirectConnection);
    ASSERT_FALSE(buttons()->isVisible()); // gone with their time
    ASSERT_TRUE(grid()->hasFocus());

    QStringList visited;
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* f = QApplication::focusWidget();
        ASSERT_TRUE(f);
        if (f == grid())
            break;
        visited << f->objectName();
        // Every stop can be seen.
        EXPECT_TRUE(f->isVisible() && w->rect().contains(QRect(f->mapTo(w.data(), QPoint(0, 0)), f->size())))
            << f->objectName().toStdString();
        // The buttons stay while one of them has the focus.
        if (buttons()->isAncestorOf(f)) {
            QMetaObject::invokeMethod(parts(w).players->tmrHideButtons, "timeout", Qt::DirectConnection);
            EXPECT_TRUE(buttons()->isVisible()) << f->objectName().toStdString();
        }
    }
    QStringList expected;
    for (const QPushButton* b : {parts(w).frames.cmdFind, parts(w).frames.cmdEliminate, parts(w).frames.cmdBuyin,
                                 parts(w).frames.cmdAddon, parts(w).frames.cmdMore})
        if (b->isEnabled())
            expected << b->objectName();
    expected << QStringList {"btnClock",    "btnAdd",    "btnTables", "btnView",
                             "btnSettings", "btnExport", "btnHelp",   "btnClose"};
    EXPECT_EQ(visited, expected);
}
