#include "gui/display/RotatingLayouts.h"

#include "core/display/CustomPictures.h"
#include "core/platform/Prompter.h"
#include "core/platform/Twips.h"
#include "core/store/FittingSize.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramSettings.h"
#include "core/store/ScreenCatalogue.h"
#include "gui/controls/ChipPicture.h"
#include "gui/controls/ChipShape.h"
#include "gui/controls/ClickableLabel.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/PictureFile.h"
#include "gui/controls/RuledFrame.h"
#include "gui/display/DisplayLayout.h"
#include "gui/display/DisplayPanels.h"
#include "gui/display/LabelFit.h"
#include "gui/display/ScreenController.h"
#include "gui/display/ScreenRefresh.h"

#include <QDir>
#include <QLabel>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace {

// The grids' fonts shrink for a whole name (WholeNameChars), down to the
// smallest size.
constexpr int SmallestGridPoints = 8;

QSize twipsOf(const QWidget* label) { return label->sizeHint() * TwipsPerPixel; }

LabelPair measure(QLabel* cap, QLabel* value, int roomTwips)
{
    FitLabelWidth(cap, roomTwips);
    FitLabelWidth(value, roomTwips);
    return {twipsOf(cap), twipsOf(value)};
}

void place(QWidget* control, const QRect& twips) { control->setGeometry(TwipsToPixels(twips)); }

void place(QWidget* cap, QWidget* value, const PlacedPair& p)
{
    place(cap, p.Cap);
    place(value, p.Value);
}

int twipsX(const QWidget* control) { return PixelsToTwips(control->x()); }

} // namespace

RotatingLayouts::RotatingLayouts(RotatingLayoutsWindow window, QObject* parent)
    : QObject(parent)
    , w(std::move(window))
    , mDefaultPicture(QStringLiteral(":/pictures/custom.png"))
{
    setObjectName(QStringLiteral("RotatingLayouts"));
    mPictureTwips = mDefaultPicture.size() * TwipsPerPixel;
}

void RotatingLayouts::LayoutScreen(Long screen)
{
    using Layout = void (RotatingLayouts::*)();
    static constexpr std::pair<Long, Layout> Layouts[] = {
        {Summary1Screen, &RotatingLayouts::SetScreenSummary},
        {BuyinScreen, &RotatingLayouts::SetScreenBuyin},
        {PayoutsScreen, &RotatingLayouts::SetScreenPayouts},
        {CustomPictureScreen, &RotatingLayouts::SetScreenCustomPicture},
        {TablesScreen, &RotatingLayouts::SetScreenTables},
        {Summary2Screen, &RotatingLayouts::SetScreenSummary2},
        {AwardsScreen, &RotatingLayouts::SetScreenAwards},
        {KillsScreen, &RotatingLayouts::SetScreenKills},
        {Summary4Screen, &RotatingLayouts::SetScreenSummary4},
        {Summary5Screen, &RotatingLayouts::SetScreenSummary5},
        {ChipCountScreen, &RotatingLayouts::SetScreenChipCount},
    };
    for (const auto& [id, layout] : Layouts)
        if (id == screen)
            return (this->*layout)();
}

RotatingInput RotatingLayouts::input() const
{
    const DisplayPanels& d = w.display;
    RotatingInput in;
    in.WindowWidth = PixelsToTwips(w.window.width());
    in.SidePanelWidth = w.layout->sizes.SidePanelWidth;
    in.ChipColumnRight = w.layout->mChipColumnRight;
    in.SidePanel = programSettings().gintShowChipsAndPayouts == 1;
    in.Summary5Placed = w.screens->mblnSummary5Placed;
    in.ChipValuesCapTop = PixelsToTwips(d.lblChipValuesCap->y());
    in.CommandsTop = PixelsToTwips(w.layout->DisplayBottom());
    in.TimerCapLeft = twipsX(d.lblTimerCap);
    in.PayoutsLeft = twipsX(d.gridPayouts);
    in.AwardsLeft = twipsX(d.gridAwards);
    in.KillsLeft = twipsX(d.gridKills);
    in.ChipCountLeft = twipsX(d.gridChipCount);
    in.Picture = mPictureTwips;
    return in;
}

void RotatingLayouts::SetRotatingScreenLocations()
{
    DisplayPanels& d = w.display;
    const RotatingLayout l = locations();
    place(d.grid, l.Grid);
    // The names take the room the seats and figures do not need.
    const QList<int> names = PlayersGridNameColumns(programSettings().glngPlayerDisplay != 1);
    fitNameColumns(d.grid,
                   [&](const QList<int>& needs, int inner) { return NameColumnsTakeTheRest(needs, names, inner); });
    place(d.txtManagerReport, l.ManagerReport);
    place(d.frameSummary, l.Summary);
    place(d.rtbRules, l.Rules);
    place(d.rtbCustomMessage, l.CustomMessage);
    place(d.frameBuyin, l.Buyin);
    place(d.gridTables, l.Tables);
    place(d.gridPayouts, l.Payouts);
    place(d.gridAwards, l.Awards);
    place(d.gridKills, l.Kills);
    place(d.gridChipCount, l.ChipCount);
    place(d.imgCustomPicture, l.Picture);
}

SummaryPairs RotatingLayouts::measureSummary(int style, int frameWidth)
{
    const DisplayPanels& d = w.display;
    const SummaryRooms room = SummaryRoomsFor(style, frameWidth);
    return {measure(d.lblTournamentCap, d.lblTournament, room.Tournament),
            measure(d.lblTotalBuyCap, d.lblTotalBuy, room.TotalBuy),
            measure(d.lblAveStackCap, d.lblAveStack, room.AveStack),
            measure(d.lblNumPlayersCap, d.lblNumPlayers, room.NumPlayers),
            measure(d.lblNextBreakCap, d.lblNextBreak, room.NextBreak),
            measure(d.lblNextBlindsCap, d.lblNextBlinds, room.NextBlinds)};
}

void RotatingLayouts::applySummary(const SummaryLayout& l, bool withTotalBuy)
{
    DisplayPanels& d = w.display;
    d.lblTotalBuyCap->setVisible(withTotalBuy);
    d.lblTotalBuy->setVisible(withTotalBuy);
    place(d.lblTournamentCap, d.lblTournament, l.Tournament);
    if (withTotalBuy)
        place(d.lblTotalBuyCap, d.lblTotalBuy, l.TotalBuy);
    place(d.lblAveStackCap, d.lblAveStack, l.AveStack);
    place(d.lblNumPlayersCap, d.lblNumPlayers, l.NumPlayers);
    place(d.lblNextBreakCap, d.lblNextBreak, l.NextBreak);
    place(d.lblNextBlindsCap, d.lblNextBlinds, l.NextBlinds);
}

void RotatingLayouts::SetScreenSummary()
{
    w.refresher->LoadSummary();
    const int width = locations().Summary.width();
    applySummary(LayoutSummary1(width, measureSummary(1, width)), true);
}

void RotatingLayouts::SetScreenSummary4()
{
    w.refresher->LoadSummary();
    const int width = locations().Summary.width();
    applySummary(LayoutSummary4(width, measureSummary(4, width)), false);
}

void RotatingLayouts::SetScreenSummary5()
{
    hideChipsAndPayouts();
    w.screens->mblnSummary5Placed = true;
    w.refresher->LoadSummary();
    // The labels fit the frame as the rotating screens' locations place it.
    const QRect frame = locations().Summary;
    const SummaryLayout l = LayoutSummary5(frame, measureSummary(5, frame.width()));
    place(w.display.frameSummary, l.Frame);
    applySummary(l, false);
}

void RotatingLayouts::hideChipsAndPayouts()
{
    DisplayPanels& d = w.display;
    d.lblChipValuesCap->hide();
    for (std::size_t i = 0; i < d.lblChipAmount.size(); ++i) {
        d.lblChipAmount[i]->hide();
        d.shpChip[i]->hide();
        d.imgChip[i]->hide();
    }
    d.lblPayoutCap->hide();
    for (std::size_t i = 0; i < d.lblPlace.size(); ++i) {
        d.lblPlace[i]->hide();
        d.lblPayout[i]->hide();
    }
}

void RotatingLayouts::SetScreenSummary2()
{
    DisplayPanels& d = w.display;
    w.refresher->LoadSummary2();
    // After the texts: filling them shows the clock again.
    hideChipsAndPayouts();
    for (QWidget* clock : d.clockLabels())
        clock->hide();

    const auto layout = [&] {
        Summary2Sizes sizes;
        sizes.Title = twipsOf(d.lblClassicTournamentTitle);
        for (std::size_t i = 0; i < d.lblClassicHeader.size(); ++i) {
            sizes.HeaderHeight[i] = twipsOf(d.lblClassicHeader[i]).height();
            sizes.ItemHeight[i] = twipsOf(d.lblClassicItem[i]).height();
        }
        return LayoutSummary2(PixelsToTwips(w.window.width()), PixelsToTwips(w.frameCommands->y()), sizes);
    };
    // Each text fits its column (the highest blinds in a quarter of the
    // width); the rows then take the heights of the fonts that fit.
    const Summary2Layout columns = layout();
    FitLabelWidth(d.lblClassicTournamentTitle, columns.Title.width());
    for (std::size_t i = 0; i < d.lblClassicHeader.size(); ++i) {
        FitLabelWidth(d.lblClassicHeader[i], columns.Header[i].width());
        FitLabelWidth(d.lblClassicItem[i], columns.Item[i].width());
    }
    const Summary2Layout l = layout();
    place(d.frameSummary2, l.Frame);
    place(d.lblClassicTournamentTitle, l.Title);
    for (std::size_t i = 0; i < d.lblClassicHeader.size(); ++i) {
        place(d.lblClassicHeader[i], l.Header[i]);
        place(d.lblClassicItem[i], l.Item[i]);
    }
    QList<QLine> rules {TwipsToPixels(l.Border1), TwipsToPixels(l.Border2)};
    for (const QLine& rule : l.BorderHor)
        rules << TwipsToPixels(rule);
    d.frameSummary2->setRules(rules);
}

void RotatingLayouts::SetScreenBuyin()
{
    DisplayPanels& d = w.display;
    const QRect frame = locations().Buyin;
    const int width = frame.width();
    const BuyinLayout l
        = LayoutBuyin(width, frame.top(), measure(d.lblBuyinCap, d.lblBuyin, width),
                      measure(d.lblRebuyCap, d.lblRebuy, width), measure(d.lblAddonCap, d.lblAddon, width));
    place(d.lblBuyinCap, d.lblBuyin, l.Buyin);
    place(d.lblRebuyCap, d.lblRebuy, l.Rebuy);
    place(d.lblAddonCap, d.lblAddon, l.Addon);
}

void RotatingLayouts::layoutGrid(FlexGrid* grid, GridScreen kind, QRect RotatingLayout::*place, long cols)
{
    grid->move(TwipsToPixels(ListGridLeft(locations().Grid.left())), grid->y());
    if (cols > 0)
        grid->setCols(cols);
    // Against the rectangle the grid ends up in.
    ::place(grid, locations().*place);
    if (kind == GridScreen::Tables)
        // The chart's rows use its height: its font may grow to twice its
        // own size while every row still fits. Four tables across leave the
        // names little room: the seats take their numbers and the cell's
        // margins and nothing more, the names whatever is left.
        fitNameColumns(grid, SeatChartColumnWidths, grid->SizeFillingHeight(2 * grid->WantedPoints()), 0);
    else
        fitColumns(grid, [kind](int inner) { return GridColumnWidths(kind, inner); });
}

void RotatingLayouts::fitColumns(FlexGrid* grid, const std::function<QList<int>(int innerWidth)>& widthsFor)
{
    fitWithin(grid, [&](long inner) {
        const QList<int> widths = widthsFor(int(inner));
        for (long c = 0; c < widths.size() && c < grid->Cols(); ++c)
            grid->setColWidth(c, widths[c]);
        grid->FitFont(WholeNameChars, SmallestGridPoints);
    });
}

void RotatingLayouts::fitNameColumns(FlexGrid* grid, const NameWidths& widthsFor, int startPoints, qreal spareChars)
{
    fitWithin(grid, [&](long inner) {
        grid->FitFontAndWidths(
            WholeNameChars, SmallestGridPoints, [&](const QList<int>& needs) { return widthsFor(needs, int(inner)); },
            startPoints, spareChars);
    });
}

void RotatingLayouts::fitWithin(FlexGrid* grid, const std::function<void(long innerWidth)>& fitTo)
{
    grid->setRedraw(false);
    // The font that fits changes the rows' height, and with it whether the
    // vertical scroll bar takes room from the columns: the columns follow
    // until they stay within the room, keeping the narrower room when a
    // smaller font would just bring the scroll bar back.
    long inner = grid->InnerWidth();
    fitTo(inner);
    for (int pass = 0; pass < 3; ++pass) {
        const long now = grid->InnerWidth();
        if (now == inner)
            break;
        if (now > inner) {
            fitTo(now);
            if (grid->InnerWidth() < now) {
                fitTo(inner);
                break;
            }
        } else {
            fitTo(now);
        }
        inner = now;
    }
    grid->setRedraw(true);
}

void RotatingLayouts::SetScreenPayouts()
{
    layoutGrid(w.display.gridPayouts, GridScreen::Payouts, &RotatingLayout::Payouts);
}

void RotatingLayouts::SetScreenAwards()
{
    layoutGrid(w.display.gridAwards, GridScreen::Awards, &RotatingLayout::Awards);
}

void RotatingLayouts::SetScreenKills()
{
    layoutGrid(w.display.gridKills, GridScreen::Kills, &RotatingLayout::Kills, 3);
}

void RotatingLayouts::SetScreenChipCount()
{
    layoutGrid(w.display.gridChipCount, GridScreen::ChipCount, &RotatingLayout::ChipCount);
}

void RotatingLayouts::SetScreenTables()
{
    layoutGrid(w.display.gridTables, GridScreen::Tables, &RotatingLayout::Tables, 11);
}

bool RotatingLayouts::loadPicture(const QString& path)
{
    // Read for the screen the window is on: a picture larger than the
    // screen shows scaled down in any case.
    const PictureFile file = ReadPictureFile(path, &w.window);
    const QImage& image = file.Image;
    if (image.isNull()) {
        reportUnreadable(path, file.Error);
        return false;
    }
    const QPixmap picture = QPixmap::fromImage(image);
    w.display.imgCustomPicture->setPixmap(picture);
    mPictureTwips = picture.size() * TwipsPerPixel;
    return true;
}

void RotatingLayouts::reportUnreadable(const QString& path, const QString& reason)
{
    // Once for each file, after the screen is shown: the rotation comes
    // back to the picture every few seconds.
    if (mReportedPictures.contains(path))
        return;
    mReportedPictures.insert(path);
    const QString text = QStringLiteral("The picture %1 cannot be shown (%2); the built-in picture shows instead.")
                             .arg(QDir::toNativeSeparators(path), reason);
    QTimer::singleShot(0, this, [text] { prompter().message(text); });
}

void RotatingLayouts::SetScreenCustomPicture()
{
    // Whatever fails leaves the built-in picture, without a message.
    w.display.imgCustomPicture->setPixmap(mDefaultPicture);
    mPictureTwips = mDefaultPicture.size() * TwipsPerPixel;
    const OpenTournament& t = openTournament();
    const QString location = t.gstrCustomPictureLocation;
    if (location.isEmpty())
        return;
    if (t.gintCustomPictureType == 0) {
        loadPicture(location);
        return;
    }
    const QDir folder(location);
    const QString shown
        = ShowNextCustomPicture(CustomPictureNames(location), mstrLastCustomPicture,
                                [&](const QString& name) { return loadPicture(folder.filePath(name)); });
    if (!shown.isEmpty())
        mstrLastCustomPicture = shown;
}
