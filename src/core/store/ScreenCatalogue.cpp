#include "core/store/ScreenCatalogue.h"

namespace {

const std::array<ScreenEntry, 16> Screens {{
    {PlayersScreen, "mnViewPlayers", "&Players", "Ctrl+P", "grid"},
    {Summary1Screen, "mnViewSummary1", "Summary Style &1", "Ctrl+M", "frameSummary"},
    {Summary2Screen, "mnViewSummary2", "Summary Style &2", "Ctrl+N", "frameSummary2"},
    {Summary3Screen, "mnViewBasic", "Summary Style &3", "Ctrl+O", ""},
    {Summary4Screen, "mnViewSummary4", "Summary Style &4", "Ctrl+U", "frameSummary"},
    {Summary5Screen, "mnViewSummary5", "Summary Style &5", "Ctrl+W", "frameSummary"},
    {TablesScreen, "mnViewTables", "&Table/Seat Chart", "Ctrl+T", "gridTables"},
    {BuyinScreen, "mnViewBuyin", "&Buyin Info", "", "frameBuyin"},
    {PayoutsScreen, "mnViewPayouts", "P&ayouts", "", "gridPayouts"},
    {AwardsScreen, "mnViewAwards", "Bounties/A&wards", "", "gridAwards"},
    {KillsScreen, "mnViewKills", "&Kills", "", "gridKills"},
    {ChipCountScreen, "mnViewChipCount", "Chip Co&unt", "", "gridChipCount"},
    {RulesScreen, "mnViewRules", "&Rules", "", "rtbRules"},
    {CustomMessageScreen, "mnViewCustomMessage", "&Custom Message", "", "rtbCustomMessage"},
    {CustomPictureScreen, "mnViewCustomPicture", "Custom P&icture", "", "imgCustomPicture"},
    {ManagerReportScreen, "mnViewManager", "&Manager Report", "", "txtManagerReport"},
}};

} // namespace

const std::array<ScreenEntry, 16>& ScreenCatalogue() { return Screens; }

const ScreenEntry& ScreenById(Long Id)
{
    for (const ScreenEntry& s : Screens)
        if (s.Id == Id)
            return s;
    return Screens.front();
}

QString ViewButtonCaption(Long Id) { return QStringLiteral("View: ") + QString::fromUtf8(ScreenById(Id).Caption); }

Long NextToggleScreen(Long Current)
{
    return Current >= LastScreen || Current < FirstScreen ? FirstScreen : Current + 1;
}

bool IsStoredRichText(const QString& Text)
{
    // What the rules editor stores; anything else, even text holding tags,
    // shows as it was typed.
    const QString head = Text.trimmed().left(16);
    return head.startsWith(QLatin1String("<!DOCTYPE HTML"), Qt::CaseInsensitive)
        || head.startsWith(QLatin1String("<html"), Qt::CaseInsensitive);
}
