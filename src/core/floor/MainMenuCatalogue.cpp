#include "core/floor/MainMenuCatalogue.h"

#include "core/store/ScreenCatalogue.h"

namespace {

using Kind = MenuEntry::Kind;

struct Row {
    const char* Entry; // "-" for a separator, ">" prefix for a sub-menu
    const char* Caption;
    const char* Key;
};

void add(std::vector<MenuEntry>& out, const QString& menu, std::initializer_list<Row> rows)
{
    for (const Row& r : rows) {
        const QString entry = QString::fromUtf8(r.Entry);
        if (entry == QLatin1String("-"))
            out.push_back({menu, Kind::Separator, {}, {}, {}});
        else if (entry.startsWith(u'>'))
            out.push_back({menu, Kind::SubMenu, entry.mid(1), QString::fromUtf8(r.Caption), {}});
        else
            out.push_back({menu, Kind::Action, entry, QString::fromUtf8(r.Caption), QString::fromUtf8(r.Key)});
    }
}

std::vector<MenuEntry> build()
{
    std::vector<MenuEntry> m;
    const QString view = QStringLiteral("mnPopup");
    for (const ScreenEntry& s : ScreenCatalogue())
        m.push_back(
            {view, Kind::Action, QString::fromUtf8(s.Entry), QString::fromUtf8(s.Caption), QString::fromUtf8(s.Key)});
    add(m, view,
        {{"-", "", ""},
         {"mnRotate", "Rotate (On/Off)", "Ctrl+R"},
         {"mnDisplayOptions", "Rotating Scr&eens Options...", ""},
         {"mnToggleScreen", "Toggle Screen", "F12"},
         {"-", "", ""},
         {"mnAppearance", "Appeara&nce Settings...", ""},
         {"mnFonts", "&Fonts && Colors...", ""},
         {"mnSounds", "So&unds && Notifications...", ""},
         {"mnShowToolBar", "Show Toolbar", ""},
         {"-", "", ""},
         {"mnCalc", "Calculator", ""}});
    add(m, QStringLiteral("mnMorePopup"),
        {{"mnAward", "Award &Bounty or Other Special Award...", "Ctrl+B"},
         {"mnClearAwards", "Clear All Bounties/Spec&ial Awards", ""},
         {"mnManualAdjustPayout", "&Manually Adjust Payout/Points...", ""},
         {"-", "", ""},
         {"mnClearAll", "&Clear Buyin, Rebuys, and Addons", ""},
         {"mnAddPlayers", "&Add/Remove Players...", ""},
         {"-", "", ""},
         {"mnMovePlayer", "Assign this Player a &Seat...", ""},
         {"mnUnassignPlayersSeat", "&Unassign this Player's Seat", ""}});
    add(m, QStringLiteral("mnExportPopup"),
        {{"mnExportSignInTourney", "Create Sign In Sheet for Registrants...", ""},
         {"mnExportSignInLeague", "Create Sign In Sheet for Everyone in League...", ""},
         {"-", "", ""},
         {"mnExportPlayerFinish", "&Player Buyin/Finish List...", ""},
         {"mnExportPlayerAddress", "Player &Address/Phone List...", ""},
         {"mnExportZorvaneReport", "Z&orvane Report...", ""},
         {"mnExportSeatChart", "Table && Seat C&hart...", ""},
         {">mnSpecialExports", "&Special Exports", ""}});
    add(m, QStringLiteral("mnSpecialExports"), {{"mnHPYCSV", "HPT Format CSV ", ""}});
    add(m, QStringLiteral("mnClockPopup"),
        {{"mnClockStart", "&Start Clock", "F1"},
         {"mnClockPause", "&Pause Clock", "F2"},
         {"-", "", ""},
         {"mnSkipLevel", "S&kip to Next Level/Break", "F3"},
         {"mnClockReset", "&Reset Clock for Current Session/Break", ""},
         {"mnAddMinute", "Add &1 Minute to Clock", ""},
         {"-", "", ""},
         {"mnHandTimer", "&Hand Timer...", "F4"},
         {"-", "", ""},
         {"mnAdjustClockSettings", "&Adjust Session Settings or Change Active Level...", "Ctrl+S"}});
    add(m, QStringLiteral("mnTablePopup"),
        {{"mnAssignSeatsAll", "Assign &All Players Seats - Initial Seating", "Ctrl+H"},
         {"mnAssignSeatsNew", "Assign &New Players Seats - Late Entrants", ""},
         {"mnClearSeats", "&Clear All Seat Assignments", ""},
         {"-", "", ""},
         {"mnBalanceTables", "&Balance Tables - Balance Tables as Players Go Out", "Ctrl+L"},
         {"mnReduceTables", "Manually &Reduce Tables...", ""},
         {"-", "", ""},
         {"mnViewTables2", "&View Table/Seat Chart", ""}});
    add(m, QStringLiteral("mnMovePlayerPopup"),
        {{"mnMovePlayerFromSeatChart", "&Move this Player to Another Seat...", ""},
         {"mnUnassignPlayersSeatFromSeatChart", "&Unassign this Player's Seat", ""},
         {"mnMovePlayerToSeat", "&Assign a Player to this Seat...", ""},
         {"-", "", ""},
         {"mnEliminate", "&Eliminate", ""},
         {"mnBuyin", "&Rebuy", ""},
         {"mnAddon", "&Addon", ""},
         {"-", "", ""},
         {"mnAward2", "Award &Bounty or Other Special Award...", ""},
         {"mnClearAwards2", "Clear All Bounties/Spec&ial Awards", ""},
         {"mnManualAdjustPayout2", "&Manually Adjust Payout/Points...", ""}});
    add(m, QStringLiteral("mnPlayersPopup"),
        {{"mnAddRemovePlayers", "&Add/Remove Players in This Tournament", "Ctrl+A"},
         {"mnGotoPlayerScreen", "&Go To Players Screen for Player Elimination or Rebuy", ""}});
    add(m, QStringLiteral("mnChipCountPopup"), {{"mnAssignChipCount", "&Assign Chip Count...", ""}});
    return m;
}

} // namespace

const std::vector<MenuEntry>& MainMenuCatalogue()
{
    static const std::vector<MenuEntry> catalogue = build();
    return catalogue;
}
