#include "core/store/HomeStartup.h"

#include "core/platform/Twips.h"
#include "core/store/DAORegister.h"
#include "core/store/DefaultSound.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramDatabase.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SettingsKeys.h"

bool StartupStuff(ProgramSettings& settings)
{
    RegisterLinkHandlerOnce();
    WriteDefaultSoundIfMissing();
    if (!OpenProgramDatabase())
        return false;
    settings.gintUseProxy = ReadIntegerSetting(UseProxyKey);
    return true;
}

void RestoreLastSelection(OpenTournament& t)
{
    t.glngCurrentLeagueID = ReadLongSetting(LastLeagueKey);
    t.glngCurrentTournamentID = ReadLongSetting(LastTournamentKey);
}

void StoreLastSelection(const OpenTournament& t)
{
    WriteSetting(LastLeagueKey, t.glngCurrentLeagueID);
    WriteSetting(LastTournamentKey, t.glngCurrentTournamentID);
}

bool ScreenTooNarrow(int widthPixels) { return PixelsToTwips(widthPixels) < 12000; }

QString CustomerRoomAddress()
{
    QString site = ReadSetting(ProductWebSiteKey).trimmed();
    if (site.isEmpty())
        return QString();
    while (site.endsWith(QLatin1Char('/')))
        site.chop(1);
    return site + QStringLiteral("/customerroom/transfer.asp");
}
