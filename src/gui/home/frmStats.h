#pragma once

#include "core/store/LeagueStats.h"

#include <QDialog>
#include <vector>

class FlexGrid;
class QLabel;
class QListWidget;
class QPushButton;
class ctlButton;

// "League Stats": one row per member of the current league with his totals
// over the tournaments ticked in the list. A click on a column's header
// sorts by it, the direction flipping at every sort; Export writes the grid
// as shown.
class frmStats : public QDialog {
    Q_OBJECT
public:
    explicit frmStats(QWidget* parent = nullptr);

    QLabel* Label1;
    QListWidget* lstTournaments; // item data: TournamentID
    QPushButton* cmdRefresh;
    QPushButton* cmdCheckAll;
    QPushButton* cmdUncheckAll;
    FlexGrid* grid;
    ctlButton* btnExport;
    ctlButton* btnClose;

    // Fills the list with the current league's tournaments, ticks them all
    // and computes.
    void Form_Load();
    // Recomputes from the ticked tournaments and sorts by Total Pay.
    void LoadStats();
    // Sorts the member rows by the grid's current column; the cells keep the
    // texts LoadStats wrote.
    void SortGrid();

    void cmdRefresh_Click();
    void cmdCheckAll_Click();
    void cmdUncheckAll_Click();
    void btnExport_Click();
    void btnClose_Click();
    void grid_MouseUp(int Button, int Shift, float X, float Y);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void setAllChecks(bool checked);
    void showRows();

    std::vector<MemberStats> mStats; // in the order of the grid's rows 1..n
    bool mbSortAscending = false;
};
