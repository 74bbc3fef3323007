#include "gui/display/DisplayPanels.h"

#include "gui/controls/Named.h"

#include "core/platform/Twips.h"
#include "gui/controls/ChipPicture.h"
#include "gui/controls/ChipShape.h"
#include "gui/controls/ClickableLabel.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/RuledFrame.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QTextEdit>

namespace {

ClickableLabel* label(QWidget* parent, const QString& name) { return named(new ClickableLabel(parent), name); }

FlexGrid* flexGrid(QWidget* parent, const char* name)
{
    auto* g = named(new FlexGrid(parent), QString::fromLatin1(name));
    g->setHidePartlyShownRows(true);
    g->hide();
    return g;
}

QFrame* frame(QWidget* parent, const char* name)
{
    auto* f = named(new QFrame(parent), QString::fromLatin1(name));
    f->hide();
    return f;
}

QTextEdit* textBox(QWidget* parent, const char* name)
{
    auto* t = named(new QTextEdit(parent), QString::fromLatin1(name));
    t->setReadOnly(true);
    t->hide();
    return t;
}

QLabel* plainLabel(QWidget* parent, const QString& name) { return named(new QLabel(parent), name); }

} // namespace

DisplayPanels::DisplayPanels(QWidget* window)
{
    frameAll = frame(window, "frameAll");
    frameAll->show();
    lblLevel = label(frameAll, QStringLiteral("lblLevel"));
    lblTimerCap = label(frameAll, QStringLiteral("lblTimerCap"));
    lblTimer = label(frameAll, QStringLiteral("lblTimer"));
    lblBlindsCap = label(frameAll, QStringLiteral("lblBlindsCap"));
    lblBlinds = label(frameAll, QStringLiteral("lblBlinds"));
    lblChipValuesCap = label(frameAll, QStringLiteral("lblChipValuesCap"));
    lblPayoutCap = label(frameAll, QStringLiteral("lblPayoutCap"));
    for (std::size_t i = 0; i < lblChipAmount.size(); ++i) {
        lblChipAmount[i] = label(frameAll, QStringLiteral("lblChipAmount(%1)").arg(i));
        // Made before the grid, so that a tall chip column never covers a
        // player.
        shpChip[i] = named(new ChipShape(frameAll), QStringLiteral("shpChip(%1)").arg(i));
        imgChip[i] = named(new ChipPicture(frameAll), QStringLiteral("imgChip(%1)").arg(i));
        shpChip[i]->hide();
        imgChip[i]->hide();
    }
    for (std::size_t i = 0; i < lblPlace.size(); ++i) {
        lblPlace[i] = label(frameAll, QStringLiteral("lblPlace(%1)").arg(i));
        lblPayout[i] = label(frameAll, QStringLiteral("lblPayout(%1)").arg(i));
    }
    lblBlinds->setToolTip(QStringLiteral("Adjust blinds..."));
    lblBlindsCap->setToolTip(QStringLiteral("Adjust blinds..."));
    lblChipValuesCap->setToolTip(QStringLiteral("Adjust chip values..."));
    for (ClickableLabel* l : lblChipAmount)
        l->setToolTip(QStringLiteral("Adjust chip values..."));
    for (std::size_t i = 0; i < lblPlace.size(); ++i) {
        lblPlace[i]->setToolTip(QStringLiteral("Edit Payouts..."));
        lblPayout[i]->setToolTip(QStringLiteral("Edit Payouts..."));
    }
    lblPayoutCap->setToolTip(QStringLiteral("Click to view all payouts..."));
    lblTimer->setToolTip(QStringLiteral("Adjust minutes per session..."));
    lblTimerCap->setToolTip(QStringLiteral("Adjust minutes per session..."));
    grid = flexGrid(frameAll, "grid");
    grid->show();

    frameSummary = frame(window, "frameSummary");
    for (auto [member, name] : {std::pair {&lblTournamentCap, "lblTournamentCap"},
                                {&lblTournament, "lblTournament"},
                                {&lblTotalBuyCap, "lblTotalBuyCap"},
                                {&lblTotalBuy, "lblTotalBuy"},
                                {&lblNumPlayersCap, "lblNumPlayersCap"},
                                {&lblNumPlayers, "lblNumPlayers"},
                                {&lblAveStackCap, "lblAveStackCap"},
                                {&lblAveStack, "lblAveStack"},
                                {&lblNextBreakCap, "lblNextBreakCap"},
                                {&lblNextBreak, "lblNextBreak"},
                                {&lblNextBlindsCap, "lblNextBlindsCap"},
                                {&lblNextBlinds, "lblNextBlinds"}})
        *member = plainLabel(frameSummary, QString::fromLatin1(name));
    frameSummary2 = named(new RuledFrame(window), QStringLiteral("frameSummary2"));
    frameSummary2->hide();
    lblClassicTournamentTitle = plainLabel(frameSummary2, QStringLiteral("lblClassicTournamentTitle"));
    lblClassicTournamentTitle->setAlignment(Qt::AlignCenter);
    for (std::size_t i = 0; i < lblClassicItem.size(); ++i) {
        lblClassicHeader[i] = plainLabel(frameSummary2, QStringLiteral("lblClassicHeader(%1)").arg(i));
        lblClassicItem[i] = plainLabel(frameSummary2, QStringLiteral("lblClassicItem(%1)").arg(i));
        // Each text in the middle of its column.
        lblClassicHeader[i]->setAlignment(Qt::AlignCenter);
        lblClassicItem[i]->setAlignment(Qt::AlignCenter);
    }
    frameBuyin = frame(window, "frameBuyin");
    for (auto [member, name] : {std::pair {&lblBuyinCap, "lblBuyinCap"},
                                {&lblBuyin, "lblBuyin"},
                                {&lblRebuyCap, "lblRebuyCap"},
                                {&lblRebuy, "lblRebuy"},
                                {&lblAddonCap, "lblAddonCap"},
                                {&lblAddon, "lblAddon"}}) {
        *member = plainLabel(frameBuyin, QString::fromLatin1(name));
        // A value of two lines keeps both in the middle.
        (*member)->setAlignment(Qt::AlignCenter);
    }
    gridPayouts = flexGrid(window, "gridPayouts");
    gridAwards = flexGrid(window, "gridAwards");
    gridKills = flexGrid(window, "gridKills");
    gridChipCount = flexGrid(window, "gridChipCount");
    gridTables = flexGrid(window, "gridTables");
    // Eight tables of ten fill the chart at 1024x768: its rows are set close
    // so that their names keep a size the room can read.
    gridTables->setRowPadding(2);
    txtManagerReport = textBox(window, "txtManagerReport");
    rtbRules = textBox(window, "rtbRules");
    rtbCustomMessage = textBox(window, "rtbCustomMessage");
    imgCustomPicture = named(new QLabel(window), QStringLiteral("imgCustomPicture"));
    imgCustomPicture->setAlignment(Qt::AlignCenter);
    // Shown at its place's size: a large picture is scaled down to fit.
    imgCustomPicture->setScaledContents(true);
    imgCustomPicture->hide();

    // The clock's notices: the panel spans the window but draws nothing and
    // lets every click through to the controls under it; only the label, as
    // large as its text and centred, shows.
    picFinished = frame(window, "picFinished");
    picFinished->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblFinished = named(new QLabel(picFinished), QStringLiteral("lblFinished"));
    lblFinished->setAlignment(Qt::AlignCenter);
    lblFinished->setFrameShape(QFrame::Box);
    lblFinished->setLineWidth(3);
    lblFinished->setMargin(TwipsToPixels(120));
    auto* centred = new QGridLayout(picFinished);
    centred->setContentsMargins(0, 0, 0, 0);
    centred->addWidget(lblFinished, 0, 0, Qt::AlignCenter);
}

std::array<QWidget*, 5> DisplayPanels::clockLabels() const
{
    return {lblTimerCap, lblTimer, lblBlindsCap, lblBlinds, lblLevel};
}

std::array<QWidget*, 12> DisplayPanels::screenPanels() const
{
    return {frameSummary, frameSummary2,    gridPayouts, gridAwards,       gridKills,  gridChipCount,
            gridTables,   txtManagerReport, rtbRules,    rtbCustomMessage, frameBuyin, imgCustomPicture};
}

QWidget* DisplayPanels::panel(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    if (name == QLatin1String("grid"))
        return grid;
    for (QWidget* w : screenPanels())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

void DisplayPanels::Place(int width, int height)
{
    frameAll->setGeometry(0, 0, width, height);
    picFinished->setGeometry(0, 0, width, height);
}
