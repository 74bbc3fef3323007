#pragma once

#include "core/display/ScreenGrid.h"
#include "core/display/ScreenMaps.h"
#include "core/platform/ColorNumber.h"
#include "core/platform/ModelTypes.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class OpenTournament;
class ProgramSettings;

// The settings the screens' texts depend on.
struct DisplayFormats {
    QString MoneyFormat; // gstrMoneyFormat
    QString CurrencySymbol; // gstrCurrencySymbol
    Integer TableID = 0; // 1: tables named by letters
    Integer SeatID = 0; // 1: seats named by letters
};
DisplayFormats DisplayFormatsOf(const ProgramSettings& s);

// A caption and its value, as a pair of labels shows them.
struct CaptionAndValue {
    QString Caption;
    QString Value;

    bool operator==(const CaptionAndValue&) const = default;
};

// The blinds line of the main display: the current ante, blinds and raises.
CaptionAndValue BlindsLine(const OpenTournament& t, const DisplayFormats& f);
// The amounts of the blinds line, each group on its own: the ante, the
// blinds, the raises, those above 0 (the line is them two blanks apart).
QStringList BlindsGroups(const OpenTournament& t, const DisplayFormats& f);

// One chip slot of the chip column. Which of its parts show is the
// layout's to decide.
struct ChipSlot {
    QString AmountText;
    std::optional<OleColor> Fill; // nothing: the shape keeps its colour
    std::optional<QString> Picture; // the picture file of a "Custom Picture" slot

    bool operator==(const ChipSlot&) const = default;
};

struct ChipPanel {
    std::array<ChipSlot, 10> Slots;
    Integer LastChipSlot = 0; // gintLastChipSlot: the highest slot in use, 0 when none
};
ChipPanel ChipPanelOf(const OpenTournament& t, const DisplayFormats& f);

// The edge a chip shape is drawn with, from colours as they are painted (no
// system colours): a thin dark edge, or, for a chip of the display's own
// background colour (a black chip on the black display), an outline in the
// display's text colour, so that its shape shows.
struct ChipEdge {
    OleColor Color = 0;
    int Pixels = 1;

    bool operator==(const ChipEdge&) const = default;
};
ChipEdge ChipEdgeOf(OleColor fill, OleColor background, OleColor text);

// The five top-payout labels. Every label drops the currency symbol
// together as soon as one shown amount reaches 100,000; prize mode shows
// the prize texts; places beyond those paid show 0 in the money format.
std::array<QString, 5> TopPayoutTexts(const OpenTournament& t, const DisplayFormats& f);

// The figures both summaries show.
struct SummaryFigures {
    Integer Remaining = 0;
    Integer TablesInPlay = 0; // tables with at least one player seated
    double Pot = 0; // buy-ins, rebuys and add-ons of every entrant
    double Chips = 0; // chip value of every entrant
    QString AverageStack; // chips over the players left, all of them when none is left
    QString PotText;
};
SummaryFigures SummaryFiguresOf(const OpenTournament& t, const DisplayFormats& f);

// Summary styles 1, 4 and 5 (the next-break label is the clock's).
struct SummaryTexts {
    QString Tournament;
    QString TotalBuy;
    QString AveStack;
    QString NumPlayers;
    CaptionAndValue NextBlinds;

    bool operator==(const SummaryTexts&) const = default;
};
SummaryTexts SummaryOf(const OpenTournament& t, const DisplayFormats& f);

// What the blinds will be at the next level, by how blinds advance: doubled,
// the level table's next level, "Final Level" at the last level (or past
// it, or with no levels), "NA" when blinds do not advance.
CaptionAndValue NextBlindsLine(const OpenTournament& t, const DisplayFormats& f);

// Summary style 2: the title and the fifteen rows. A row left empty here
// (nothing) is written by someone else (the clock) or not at all.
struct Summary2Texts {
    QString Title;
    std::array<std::optional<QString>, 15> Headers;
    std::array<std::optional<QString>, 15> Items;
};
// TimerText is what the countdown label shows now.
Summary2Texts Summary2Of(const OpenTournament& t, const DisplayFormats& f, const QString& TimerText);

// The buy-in screen: buy-in, rebuys and add-ons, lines split by a line feed.
struct BuyinTexts {
    QString Buyin;
    QString Rebuy;
    QString Addon;

    bool operator==(const BuyinTexts&) const = default;
};
BuyinTexts BuyinOf(const OpenTournament& t, const DisplayFormats& f);

// The manager report, lines joined by carriage return and line feed; its
// export writes the same text.
QString ManagerReportText(const OpenTournament& t, const DisplayFormats& f);

// The grids of the payouts, awards, kills, chip-count and seat-chart
// screens. Kills and chip counts run highest first; equal ones keep the
// entrants' order.
ScreenGrid PayoutsGrid(const OpenTournament& t, const DisplayFormats& f);
ScreenGrid AwardsGrid(const OpenTournament& t);
ScreenGrid KillsGrid(const OpenTournament& t);
// Rows carries the player of each row below the header.
ScreenGrid ChipCountGrid(const OpenTournament& t, ChipCountMap& Rows);
// Tables four across in bands of a header row, one row per seat and an
// empty row. Every name cell, taken or open, carries its table, seat and
// player (0 when open) in Cells; every other cell stands for nothing.
ScreenGrid SeatChartGrid(const OpenTournament& t, const DisplayFormats& f, SeatChartMap& Cells);
