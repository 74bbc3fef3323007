#include "core/display/ScreenCatalogue.h"

namespace {

const std::array<ScreenEntry, 16> Screens {{
    {0, "mnViewPlayers", "&Players", "Ctrl+P", "grid"},
    {1, "mnViewSummary1", "Summary Style &1", "Ctrl+M", "frameSummary"},
    {10, "mnViewSummary2", "Summary Style &2", "Ctrl+N", "frameSummary2"},
    {8, "mnViewBasic", "Summary Style &3", "Ctrl+O", ""},
    {13, "mnViewSummary4", "Summary Style &4", "Ctrl+U", "frameSummary"},
    {14, "mnViewSummary5", "Summary Style &5", "Ctrl+W", "frameSummary"},
    {9, "mnViewTables", "&Table/Seat Chart", "Ctrl+T", "gridTables"},
    {2, "mnViewBuyin", "&Buyin Info", "", "frameBuyin"},
    {3, "mnViewPayouts", "P&ayouts", "", "gridPayouts"},
    {11, "mnViewAwards", "Bounties/A&wards", "", "gridAwards"},
    {12, "mnViewKills", "&Kills", "", "gridKills"},
    {15, "mnViewChipCount", "Chip Co&unt", "", "gridChipCount"},
    {4, "mnViewRules", "&Rules", "", "rtbRules"},
    {5, "mnViewCustomMessage", "&Custom Message", "", "rtbCustomMessage"},
    {6, "mnViewCustomPicture", "Custom P&icture", "", "imgCustomPicture"},
    {7, "mnViewManager", "&Manager Report", "", "txtManagerReport"},
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
