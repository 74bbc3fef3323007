#include "gui/home/frmStats.h"

#include "core/platform/Database.h"
#include "core/platform/ReportFailures.h"
#include "core/platform/Twips.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/CommandButton.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/ListFillers.h"
#include "gui/controls/ctlButton.h"
#include "gui/shared/Exports.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int HeaderRowTwips = 500;
constexpr int TotalPayColumn = 4;
constexpr int RightCentre = 7;

// Designed places, in twips.
constexpr int ListLeft = 120;
constexpr int ListTop = 360;
constexpr int ListWidth = 2535;
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 375;
constexpr int GridLeft = 2760;
constexpr int GridTop = 120;
constexpr int Gap = 120;

ctlButton* flatButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* b = new ctlButton(parent);
    b->setObjectName(name);
    b->setCaption(caption);
    b->resize(TwipsToPixels(ButtonWidth), TwipsToPixels(495));
    return b;
}

} // namespace

frmStats::frmStats(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmStats"));
    setWindowTitle(QStringLiteral("League Stats"));
    setSizeGripEnabled(true);

    Label1 = new QLabel(QStringLiteral("Tournaments to Include:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(TwipsToPixels(QRect(ListLeft, 120, ListWidth, 240)));
    lstTournaments = new QListWidget(this);
    lstTournaments->setObjectName(QStringLiteral("lstTournaments"));
    cmdRefresh = CommandButton(this, QStringLiteral("cmdRefresh"), QStringLiteral("Refresh"));
    cmdCheckAll = CommandButton(this, QStringLiteral("cmdCheckAll"), QStringLiteral("Check All"));
    cmdUncheckAll = CommandButton(this, QStringLiteral("cmdUncheckAll"), QStringLiteral("Uncheck All"));
    grid = new FlexGrid(this);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setFont(QFont(QStringLiteral("Times New Roman"), 9));
    // The header row is two lines high: the longer captions wrap. The names
    // keep to one line.
    grid->setFixedRowsWordwrap(true);
    btnExport = flatButton(this, QStringLiteral("btnExport"), QStringLiteral("Export"));
    btnClose = flatButton(this, QStringLiteral("btnClose"), QStringLiteral("Close"));

    connect(cmdRefresh, &QPushButton::clicked, this, &frmStats::cmdRefresh_Click);
    connect(cmdCheckAll, &QPushButton::clicked, this, &frmStats::cmdCheckAll_Click);
    connect(cmdUncheckAll, &QPushButton::clicked, this, &frmStats::cmdUncheckAll_Click);
    connect(btnExport, &ctlButton::Click, this, &frmStats::btnExport_Click);
    connect(btnClose, &ctlButton::Click, this, &frmStats::btnClose_Click);
    connect(grid, &FlexGrid::MouseUp, this, &frmStats::grid_MouseUp);

    // Small enough for any screen, large enough that no margin of the
    // layout turns negative.
    setMinimumSize(TwipsToPixels(7800), TwipsToPixels(4800));
    resize(TwipsToPixels(13200), TwipsToPixels(7800));
}

void frmStats::Form_Load()
{
    ReportFailures([this] {
        FillTournamentCombo(lstTournaments, openTournament().glngCurrentLeagueID, false);
        setAllChecks(true);
        LoadStats();
    });
}

void frmStats::LoadStats()
{
    QList<Long> chosen;
    for (int i = 0; i < lstTournaments->count(); ++i) {
        const QListWidgetItem* item = lstTournaments->item(i);
        if (item->checkState() == Qt::Checked)
            chosen << item->data(Qt::UserRole).toInt();
    }
    // Computed before the grid is touched: a failure leaves it as it was.
    mStats = LeagueStats(gobjDatabase(), openTournament().glngCurrentLeagueID, chosen);

    grid->setRedraw(false);
    grid->Clear();
    grid->setCols(StatsColumnCount);
    grid->setRows(static_cast<long>(mStats.size()) + 1);
    grid->setFixedRows(1);
    grid->setFixedCols(1);
    grid->setRowHeight(0, HeaderRowTwips);
    const QStringList headers = StatsHeaders(programSettings().gstrCurrencySymbol);
    for (int col = 0; col < StatsColumnCount; ++col) {
        grid->setTextMatrix(0, col, headers[col]);
        if (col > 0)
            grid->setColAlignment(col, RightCentre);
    }
    grid->setCol(TotalPayColumn);
    SortGrid();
    // A sort moves the rows, not the texts: the widths hold for every order.
    std::array<int, StatsColumnCount> figuresNeed {};
    for (int col = 1; col < StatsColumnCount; ++col)
        figuresNeed[static_cast<std::size_t>(col)] = static_cast<int>(grid->WholeTextsWidth(col));
    const auto widths = StatsColumnWidths(figuresNeed);
    grid->setRedraw(false);
    for (int col = 0; col < StatsColumnCount; ++col)
        grid->setColWidth(col, widths[static_cast<std::size_t>(col)]);
    grid->setRedraw(true);
}

void frmStats::SortGrid()
{
    grid->setRedraw(false);
    SortStats(mStats, static_cast<int>(grid->Col()), mbSortAscending);
    showRows();
    mbSortAscending = !mbSortAscending;
    grid->setRedraw(true);
}

void frmStats::showRows()
{
    for (std::size_t k = 0; k < mStats.size(); ++k) {
        const QStringList cells = StatsRowTexts(mStats[k]);
        for (int col = 0; col < StatsColumnCount; ++col)
            grid->setTextMatrix(static_cast<long>(k) + 1, col, cells[col]);
    }
}

void frmStats::grid_MouseUp(int, int, float, float Y)
{
    // A click on a header sorts by its column, the names' column too.
    if (Y >= grid->RowHeight(0) || grid->MouseCol() < 0)
        return;
    grid->setCol(grid->MouseCol());
    SortGrid();
}

void frmStats::setAllChecks(bool checked)
{
    for (int i = 0; i < lstTournaments->count(); ++i)
        lstTournaments->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void frmStats::cmdRefresh_Click()
{
    ReportFailures([this] { LoadStats(); });
}

void frmStats::cmdCheckAll_Click() { setAllChecks(true); }

void frmStats::cmdUncheckAll_Click() { setAllChecks(false); }

void frmStats::btnExport_Click() { ExportGridToCsv(*grid, QStringLiteral("Stats.csv"), QString()); }

void frmStats::btnClose_Click() { close(); }

void frmStats::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // In twips over the window's inside; the minimum size keeps every
    // size positive.
    const int w = PixelsToTwips(width());
    const int h = PixelsToTwips(height());
    const int closeWidth = PixelsToTwips(btnClose->width());
    const int closeHeight = PixelsToTwips(btnClose->height());
    const int listHeight = h - ListTop - 3 * Gap - 2 * ButtonHeight;
    lstTournaments->setGeometry(TwipsToPixels(QRect(ListLeft, ListTop, ListWidth, listHeight)));
    grid->setGeometry(TwipsToPixels(QRect(GridLeft, GridTop, w - GridLeft - Gap, h - GridTop - closeHeight - 2 * Gap)));
    const int closeLeft = w - closeWidth - Gap;
    const int closeTop = h - closeHeight - Gap;
    btnClose->move(TwipsToPixels(closeLeft), TwipsToPixels(closeTop));
    btnExport->move(TwipsToPixels(closeLeft - PixelsToTwips(btnExport->width()) - 60), TwipsToPixels(closeTop));
    const int refreshTop = ListTop + listHeight + Gap;
    cmdRefresh->setGeometry(TwipsToPixels(QRect(ListLeft, refreshTop, ListWidth, ButtonHeight)));
    const int checkTop = refreshTop + ButtonHeight + Gap;
    cmdCheckAll->setGeometry(TwipsToPixels(QRect(ListLeft, checkTop, ButtonWidth, ButtonHeight)));
    cmdUncheckAll->setGeometry(
        TwipsToPixels(QRect(ListLeft + ListWidth - ButtonWidth, checkTop, ButtonWidth, ButtonHeight)));
}
