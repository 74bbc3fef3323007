#include "gui/display/DisplayLayout.h"

#include "core/display/ScreenContents.h"
#include "core/platform/ProgramTitle.h"
#include "core/platform/Twips.h"
#include "core/store/FittingSize.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SettingsKeys.h"
#include "gui/controls/ChipPicture.h"
#include "gui/controls/ChipShape.h"
#include "gui/controls/ClickableLabel.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/OleColor.h"
#include "gui/controls/RuledFrame.h"
#include "gui/controls/ctlButton.h"
#include "gui/display/DisplayPanels.h"
#include "gui/display/LabelFit.h"
#include "gui/display/PlayersGridPart.h"
#include "gui/display/ScreenController.h"
#include "gui/display/ScreenObjectStyler.h"

#include <QFrame>
#include <QScreen>
#include <QTextEdit>
#include <algorithm>

namespace {

QSize twipsOf(const QWidget* label) { return label->sizeHint() * TwipsPerPixel; }

void place(QWidget* control, const Placed& p)
{
    control->setGeometry(TwipsToPixels(p.Rect));
    control->setVisible(p.Visible);
}

void setBackground(QWidget* widget, OleColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, OleColorToQColor(color));
    palette.setColor(QPalette::Base, OleColorToQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Text that stays legible on a background of any colour.
OleColor contrastingTextColor(OleColor background)
{
    return OleColorToQColor(background).lightness() < 128 ? 0xFFFFFFu : 0u;
}

// A label's text measured at any size in its font, as the label sizes
// itself for it (twips); the label keeps its own font and text.
MeasureText measureIn(QLabel* label)
{
    return [label](const QString& text, int points) {
        const QFont own = label->font();
        const QString shown = label->text();
        QFont font = own;
        font.setPointSize(points);
        label->setFont(font);
        label->setText(text);
        const QSize size = label->sizeHint() * TwipsPerPixel;
        label->setFont(own);
        label->setText(shown);
        return size;
    };
}

// A label's text at a size, as the layout fitted it.
void setFitted(QLabel* label, const FittedText& fitted)
{
    if (fitted.Points <= 0)
        return;
    QFont font = label->font();
    font.setPointSize(fitted.Points);
    label->setFont(font);
    label->setText(fitted.Text);
}

QFont displayFont(int points)
{
    QFont f(QStringLiteral("Times New Roman"), points, QFont::Bold);
    f.setStyleHint(QFont::Serif);
    return f;
}

} // namespace

DisplayLayout::DisplayLayout(DisplayLayoutWindow window, QObject* parent)
    : QObject(parent)
    , w(std::move(window))
{
    setObjectName(QStringLiteral("DisplayLayout"));
    screenWidthTwips = [this] {
        const QScreen* screen = w.window.screen();
        return screen ? PixelsToTwips(screen->geometry().width()) : LargeScreenTwips + 1;
    };
    // Over the chip column, so that a tall chip column never covers a player.
    w.display.grid->raise();
}

void DisplayLayout::AdjustForScreenRes()
{
    sizes = SizeSetFor(screenWidthTwips(), programSettings().glngPlayerDisplay);
    setDefaultLooks();
    AdjustGridDisplays();
}

void DisplayLayout::setDefaultLooks()
{
    // What the screen objects style later; until then the standard screen
    // reads in a bold serif at the size set's sizes.
    DisplayPanels& d = w.display;
    const ScreenFontSizes& f = sizes.Fonts;
    d.lblTimerCap->setText(QStringLiteral("Time Remaining"));
    d.lblChipValuesCap->setText(QStringLiteral("Chips"));
    d.lblPayoutCap->setText(QStringLiteral("Top Pays"));
    QList<QLabel*> captions {d.lblLevel, d.lblTimerCap, d.lblBlindsCap, d.lblChipValuesCap, d.lblPayoutCap};
    for (std::size_t i = 0; i < d.lblChipAmount.size(); ++i)
        captions << d.lblChipAmount[i];
    for (std::size_t i = 0; i < d.lblPlace.size(); ++i)
        captions << d.lblPlace[i] << d.lblPayout[i];
    for (QLabel* l : captions)
        l->setFont(displayFont(f.mintFontLabel));
    for (QLabel* l : {static_cast<QLabel*>(d.lblTimer), static_cast<QLabel*>(d.lblBlinds), d.lblFinished})
        l->setFont(displayFont(f.mintFontValue));
    captions << d.lblTimer << d.lblBlinds;
    const OleColor text = contrastingTextColor(OleColorFromVariant(programSettings().gvarMainBGColor, 0));
    for (QLabel* l : captions)
        SetPaletteColor(l, QPalette::WindowText, text);
    d.grid->setForeColor(text);
    d.grid->setForeColorFixed(text);
}

void DisplayLayout::SetPlayerGridFontSize()
{
    ScreenFontSizes& f = sizes.Fonts;
    f.mintPlayerGridFontSize = f.PlayerGridDefaultFontSize(programSettings().glngPlayerDisplay);
}

void DisplayLayout::AdjustGridDisplays()
{
    FlexGrid* g = w.display.grid;
    const QList<int> widths = PlayersGridColumnWidths(sizes.Large, programSettings().glngPlayerDisplay);
    if (g->Cols() != widths.size())
        w.SetGridCols();
    g->setRedraw(false);
    for (int c = 0; c < widths.size(); ++c)
        g->setColWidth(c, widths[c]);
    SetPlayerGridFontSize();
    // The size set gives the default only: once the screen objects are
    // built, the grid keeps the look stored for it.
    const ScreenObjectTable& objects = screenObjects();
    if (objects.gtypScreenObjects.contains(objects.gintPlayersGridObject)) {
        ApplyScreenObjectFont(&w.window, objects.gtypScreenObjects[objects.gintPlayersGridObject]);
    } else {
        QFont font(QStringLiteral("Arial"), sizes.Fonts.mintPlayerGridFontSize, QFont::Bold);
        g->setFont(font);
    }
    g->setRedraw(true);
}

MainLayoutInput DisplayLayout::layoutInput() const
{
    const DisplayPanels& d = w.display;
    const OpenTournament& t = openTournament();
    MainLayoutInput in;
    in.Client = w.window.size() * TwipsPerPixel;
    in.Sizes = &sizes;
    MainLabelSizes& s = in.Labels;
    s.Level = twipsOf(d.lblLevel);
    s.TimerCap = twipsOf(d.lblTimerCap);
    s.Timer = twipsOf(d.lblTimer);
    s.BlindsCap = twipsOf(d.lblBlindsCap);
    s.Blinds = twipsOf(d.lblBlinds);
    s.ChipValuesCap = twipsOf(d.lblChipValuesCap);
    s.PayoutCap = twipsOf(d.lblPayoutCap);
    for (std::size_t i = 0; i < s.ChipAmount.size(); ++i)
        s.ChipAmount[i] = twipsOf(d.lblChipAmount[i]);
    for (std::size_t i = 0; i < s.Place.size(); ++i) {
        s.Place[i] = twipsOf(d.lblPlace[i]);
        s.Payout[i] = twipsOf(d.lblPayout[i]);
    }
    in.CommandsTop = PixelsToTwips(w.frameCommands->y());
    // The countdown keeps its own size; the blinds read at least as large as
    // the standard screen's captions.
    const int timerPoints = d.lblTimer->font().pointSize();
    in.Timer = {QStringList {d.lblTimer->text()}, timerPoints, timerPoints, measureIn(d.lblTimer)};
    in.Blinds = {BlindsGroups(t, DisplayFormatsOf(programSettings())), d.lblBlinds->font().pointSize(),
                 int(sizes.Fonts.mintFontLabel), measureIn(d.lblBlinds)};
    in.BlindsCapPoints = d.lblBlindsCap->font().pointSize();
    in.ChipAmountPoints = d.lblChipAmount[0]->font().pointSize();
    in.LastChipSlot = t.gintLastChipSlot;
    in.ShowChipsAndPayouts = programSettings().gintShowChipsAndPayouts == 1;
    for (int i = 0; i < ChipSlotCount; ++i)
        in.ChipColor[std::size_t(i)] = t.gstrChipColor.value(i);
    return in;
}

int DisplayLayout::DisplayBottom() const { return w.displayBottom(); }

MainLayoutInput DisplayLayout::basicLayoutInput() const
{
    MainLayoutInput in = layoutInput();
    in.CommandsTop = PixelsToTwips(DisplayBottom());
    return in;
}

void DisplayLayout::apply(const MainLayout& l)
{
    DisplayPanels& d = w.display;
    place(d.lblLevel, l.Level);
    place(d.lblTimerCap, l.TimerCap);
    setFitted(d.lblTimer, l.TimerText);
    setFitted(d.lblBlinds, l.BlindsText);
    place(d.lblTimer, l.Timer);
    place(d.lblBlindsCap, l.BlindsCap);
    place(d.lblBlinds, l.Blinds);
    place(d.lblChipValuesCap, l.ChipValuesCap);
    place(d.lblPayoutCap, l.PayoutCap);
    for (std::size_t i = 0; i < std::size_t(ChipSlotCount); ++i) {
        place(d.shpChip[i], l.Chip[i]);
        place(d.imgChip[i], l.ChipPicture[i]);
        place(d.lblChipAmount[i], l.ChipAmount[i]);
    }
    for (std::size_t i = 0; i < std::size_t(TopPayoutCount); ++i) {
        place(d.lblPlace[i], l.Place[i]);
        place(d.lblPayout[i], l.Payout[i]);
    }
    d.grid->setVisible(l.GridVisible);
}

void DisplayLayout::SetScreenAll()
{
    QFrame* frame = w.display.frameAll;
    frame->hide();
    // However large its stored font, the level keeps to the middle third of
    // the window and to the height of the clock under its caption, clear of
    // the clock, the blinds, the chips and the players.
    const DisplayPanels& d = w.display;
    const int clockHeight = std::max(twipsOf(d.lblTimer).height(), twipsOf(d.lblBlinds).height());
    FitLabelSize(d.lblLevel, PixelsToTwips(w.window.width()) / 3, twipsOf(d.lblTimerCap).height() + clockHeight);
    AdjustChipsAndPayoutsFontAll();
    const MainLayout l = LayoutScreenAll(layoutInput());
    mChipColumnRight = ChipColumnRight(l);
    // Flush right under their caption, a second line too.
    w.display.lblBlinds->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    apply(l);
    frame->show();
}

void DisplayLayout::AdjustChipsAndPayoutsFontAll()
{
    // Top payout rows that reach into the command row even closed up take
    // the largest smaller font at which they all show; the screen's own
    // font comes back the next time the screen is shown.
    constexpr int SmallestPayoutPoints = 8;
    DisplayPanels& d = w.display;
    const auto payoutsFit = [this] { return LayoutScreenAll(layoutInput()).PayoutsFit; };
    if (payoutsFit())
        return;
    const auto setPayoutPoints = [&d](int points) {
        for (std::size_t i = 0; i < d.lblPlace.size(); ++i) {
            for (QLabel* label : {static_cast<QLabel*>(d.lblPlace[i]), static_cast<QLabel*>(d.lblPayout[i])}) {
                QFont font = label->font();
                font.setPointSize(points);
                label->setFont(font);
            }
        }
    };
    const int own = d.lblPlace[0]->font().pointSize();
    setPayoutPoints(LargestFittingSize(std::min(SmallestPayoutPoints, own), own, [&](int points) {
        setPayoutPoints(points);
        return payoutsFit();
    }));
}

void DisplayLayout::AdjustChipsFontBasic()
{
    // Amounts too tall for every chip to show above the command row take the
    // largest smaller font that shows the most chips (a smaller font never
    // shows fewer); the screen's own font
    // comes back the next time the screen is shown.
    constexpr int SmallestAmountPoints = 8;
    DisplayPanels& d = w.display;
    const auto setAmountPoints = [&d](int points) {
        for (QLabel* amount : d.lblChipAmount) {
            QFont font = amount->font();
            font.setPointSize(points);
            amount->setFont(font);
        }
    };
    const auto shownChips = [this] {
        const MainLayout l = LayoutScreenBasic(basicLayoutInput());
        return std::pair {
            std::count_if(l.ChipAmount.begin(), l.ChipAmount.end(), [](const Placed& p) { return p.Visible; }),
            l.ChipAmountsFit};
    };
    const int own = d.lblChipAmount[0]->font().pointSize();
    const int smallest = std::min(SmallestAmountPoints, own);
    setAmountPoints(smallest);
    const auto most = shownChips().first;
    setAmountPoints(LargestFittingSize(smallest, own, [&](int points) {
        setAmountPoints(points);
        const auto [shown, fit] = shownChips();
        return shown == most && fit;
    }));
}

void DisplayLayout::SetScreenBasic()
{
    // The chip amounts make room for the clock block; the captions then fit
    // the block's width, the blinds' never larger than the blinds.
    AdjustChipsFontBasic();
    DisplayPanels& d = w.display;
    const MainLayout fitted = LayoutScreenBasic(basicLayoutInput());
    FitLabelWidth(d.lblTimerCap, fitted.ClockRoom);
    FitLabelWidth(d.lblBlindsCap, fitted.ClockRoom);
    if (fitted.BlindsText.Points > 0 && d.lblBlindsCap->font().pointSize() > fitted.BlindsText.Points) {
        QFont font = d.lblBlindsCap->font();
        font.setPointSize(fitted.BlindsText.Points);
        d.lblBlindsCap->setFont(font);
    }
    d.lblBlinds->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    apply(LayoutScreenBasic(basicLayoutInput()));
    w.display.frameAll->show();
}

void DisplayLayout::Form_Resize()
{
    // Each panel is placed on its own; clamped, none goes off the window.
    w.display.Place(w.window.width(), w.window.height());
    w.placeFrames(w.window.width(), w.window.height());
    w.SetScreen(true);
}

void DisplayLayout::SetColors()
{
    const ProgramSettings& s = programSettings();
    const OleColor main = OleColorFromVariant(s.gvarMainBGColor, 0);
    const OleColor rotating = OleColorFromVariant(s.gvarRotatingBGColor, 0);
    DisplayPanels& d = w.display;
    for (QWidget* widget : {static_cast<QWidget*>(&w.window), static_cast<QWidget*>(d.frameAll), w.frameCommands,
                            static_cast<QWidget*>(d.frameSummary2), static_cast<QWidget*>(d.lblFinished)})
        setBackground(widget, main);
    // The clock's notice reads like the clock, framed in its text colour.
    SetPaletteColor(d.lblFinished, QPalette::WindowText, contrastingTextColor(main));
    // A chip of the background's colour is outlined in the text colour.
    for (ChipShape* chip : d.shpChip)
        chip->setBackdrop(main, contrastingTextColor(main));
    // The rules of the classic table.
    QPalette rules = d.frameSummary2->palette();
    rules.setColor(QPalette::WindowText, OleColorToQColor(contrastingTextColor(main)));
    d.frameSummary2->setPalette(rules);
    for (ctlButton* b : w.commandButtons) {
        b->setBackColor(main);
        b->setForeColor(contrastingTextColor(main));
    }
    for (QWidget* widget : {static_cast<QWidget*>(d.frameSummary), static_cast<QWidget*>(d.frameBuyin),
                            static_cast<QWidget*>(d.txtManagerReport), static_cast<QWidget*>(d.rtbRules),
                            static_cast<QWidget*>(d.rtbCustomMessage)})
        setBackground(widget, rotating);
    // Grid lines and the selection vanish into the background; the kills
    // and chip counts read like the other lists, header row and the room
    // below the last row included.
    for (FlexGrid* g : {d.grid, d.gridPayouts, d.gridAwards, d.gridTables, d.gridKills, d.gridChipCount}) {
        g->setBackColor(rotating);
        g->setBackColorFixed(rotating);
        g->setBackColorBkg(rotating);
        g->setBackColorSel(rotating);
        g->setGridColor(rotating);
        g->setGridColorFixed(rotating);
    }
}

void DisplayLayout::SetScreenSize()
{
    const bool full = programSettings().gintFullScreen == 1;
    const bool wasVisible = w.window.isVisible();
    if (full) {
        w.window.setWindowTitle(QString());
    } else {
        const QString site = ReadSetting(ProductWebSiteKey).trimmed();
        w.window.setWindowTitle(site.isEmpty() ? ProgramTitle() : ProgramTitle() + QStringLiteral(" (") + site + u')');
    }
    if (w.window.windowFlags().testFlag(Qt::FramelessWindowHint) != full)
        w.window.setWindowFlag(Qt::FramelessWindowHint, full);
    if (full) {
        if (const QScreen* screen = w.window.screen())
            w.window.setGeometry(screen->geometry());
        w.window.setWindowState(w.window.windowState() | Qt::WindowFullScreen);
    } else {
        w.window.setWindowState(w.window.windowState() & ~Qt::WindowFullScreen);
        // A window larger than its screen would hide the command row.
        if (const QScreen* screen = w.window.screen())
            w.window.resize(w.window.size().boundedTo(screen->availableGeometry().size()));
    }
    // A change of the frame hides the window; it shows again as it was.
    if (wasVisible && !w.window.isVisible())
        w.window.show();
}

void DisplayLayout::ShowOpening()
{
    if (programSettings().gintFullScreen == 1) {
        w.window.show();
        return;
    }
    // The screen's room first, for a desktop that does not maximise itself.
    if (const QScreen* screen = w.window.screen())
        w.window.setGeometry(screen->availableGeometry());
    w.window.showMaximized();
}
