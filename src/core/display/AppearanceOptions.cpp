#include "core/display/AppearanceOptions.h"

#include "core/store/MoneyFormat.h"
#include "core/store/Nz.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SettingsKeys.h"

#include <algorithm>

namespace {

Integer ticked(Integer value) { return value == 1 ? 1 : 0; }

QVariant colorNumber(OleColor color) { return QVariant(static_cast<Long>(color)); }

} // namespace

AppearanceValues AppearanceShown(const ProgramSettings& s)
{
    AppearanceValues v;
    v.PlayerDisplay = s.glngPlayerDisplay == 1 ? 1 : 0;
    v.DisplayPointsInGrid = ticked(s.gintDisplayPointsInGrid);
    v.ShowChipsAndPayouts = ticked(s.gintShowChipsAndPayouts);
    v.CurrencySymbol = s.gstrCurrencySymbol;
    v.CommaSeparator = NzDouble(s.gstrCommaSeparator) == 1 ? 1 : 0;
    v.MainBGColor = OleColorFromVariant(s.gvarMainBGColor, 0);
    v.RotatingBGColor = OleColorFromVariant(s.gvarRotatingBGColor, 0);
    v.TableID = ticked(s.gintTableID);
    v.SeatID = ticked(s.gintSeatID);
    v.HandTimer = std::clamp(s.gintHandTimer, ShortestHandTimer, LongestHandTimer);
    v.FullScreen = ticked(s.gintFullScreen);
    v.AutoScroll = ticked(s.gintAutoScroll);
    v.TrackKills = ticked(s.gintTrackKills);
    return v;
}

AppearanceValues DefaultAppearance(const AppearanceValues& Shown, Long StoredLayout)
{
    AppearanceValues v = Shown;
    v.FullScreen = 0;
    v.PlayerDisplay = StoredLayout == 1 ? 1 : 0;
    v.DisplayPointsInGrid = 1;
    v.ShowChipsAndPayouts = 1;
    v.TableID = 0;
    v.SeatID = 0;
    v.MainBGColor = 0;
    v.RotatingBGColor = 0;
    v.AutoScroll = 1;
    return v;
}

void StoreAppearance(ProgramSettings& s, const AppearanceValues& v)
{
    s.glngPlayerDisplay = v.PlayerDisplay;
    s.gintDisplayPointsInGrid = v.DisplayPointsInGrid;
    s.gintTableID = v.TableID;
    s.gintSeatID = v.SeatID;
    s.gintHandTimer = v.HandTimer;
    s.gintShowChipsAndPayouts = v.ShowChipsAndPayouts;
    s.gstrCurrencySymbol = v.CurrencySymbol;
    s.gstrCommaSeparator = QString::number(v.CommaSeparator);
    s.gvarMainBGColor = colorNumber(v.MainBGColor);
    s.gvarRotatingBGColor = colorNumber(v.RotatingBGColor);
    s.gintFullScreen = v.FullScreen;
    s.gintAutoScroll = v.AutoScroll;
    s.gintTrackKills = v.TrackKills;

    const QString display = QString::fromLatin1(DisplaySection);
    auto write = [&display](const char* key, const QVariant& value) {
        WriteIniValue(display, QString::fromLatin1(key), value);
    };
    write("PlayerDisplay", s.glngPlayerDisplay);
    write("DisplayPointsInGrid", s.gintDisplayPointsInGrid);
    write("ShowChipsAndPayouts", s.gintShowChipsAndPayouts);
    write("CurrencySymbol", s.gstrCurrencySymbol);
    write("CommaSeparator", s.gstrCommaSeparator);
    s.gstrMoneyFormat = MoneyFormat(s.gstrCurrencySymbol, s.gstrCommaSeparator);
    write("MainBGColor", s.gvarMainBGColor);
    write("RotatingBGColor", s.gvarRotatingBGColor);
    write("TableID", s.gintTableID);
    write("SeatID", s.gintSeatID);
    write("HandTimer", s.gintHandTimer);
    write("FullScreen", s.gintFullScreen);
    write("AutoScroll", s.gintAutoScroll);
    write("TrackKills", s.gintTrackKills);
}
