#include "core/setup/NewTournament.h"

#include "core/floor/AwardBookkeeping.h"
#include "core/platform/StoredDate.h"
#include "core/store/OpenTournament.h"

#include <QStringList>

QString SampleRules()
{
    return QStringList {QStringLiteral("Sample Tournament Rules"), QStringLiteral("1.  Minimum bet is the big blind."),
                        QStringLiteral("2.  Check raising is allowed."),
                        QStringLiteral("3.  One card is burned before the flop, turn, and river.")}
        .join(QStringLiteral("\r\n\r\n"));
}

QString SampleCustomMessage()
{
    QString text;
    for (const char* line : {"Sample Custom Message", "Join us at our next tournament!", "50+5 Buyin",
                             "When:  Jan. 1 2005, 7:00PM", "Where:  Varnel's"})
        text += QString::fromUtf8(line) + QStringLiteral("\r\n\r\n");
    return text;
}

OpenTournament makeBlankTournament(const QDate& today)
{
    OpenTournament t;
    t.glngMinutesPerSession = 30;
    t.gintPlayersPerTable = 8;
    t.gdblSmall = 25;
    t.gdblBig = 50;
    t.gintBlindsLevel = 1;
    t.gintAutoDoubleBlind = 2;
    t.gdblBuyin = 20;
    t.gintPayAsPercentages = OpenTournament::PayPercentages;
    t.gintNumberPaid = 3;
    t.gintRoundTo = 1;
    const double amounts[] = {25, 50, 100, 500};
    const char* colours[] = {"White", "Blue", "Red", "Black"};
    for (int s = 0; s < OpenTournament::ChipSlots; ++s) {
        t.gdblChipAmount[s] = s < 4 ? amounts[s] : 0;
        t.gstrChipColor[s] = s < 4 ? QString::fromLatin1(colours[s]) : QStringLiteral("Not Used");
    }
    t.gintEstNumberofPlayers = 20;
    t.gintEstDurationOfTournament = 180;
    t.gintEstTimeForBreaks = 10;
    t.gintEstNumberofBreaks = 2;
    t.gdblBuyinChipValue = 1000;
    t.gdblRebuyAmount = 20;
    t.gdblRebuyChipValue = 1000;
    t.gintNumberRebuys = 1;
    t.gintRebuyUntilLevel = 3;
    t.gstrRules = SampleRules();
    t.gstrCustomMessage = SampleCustomMessage();
    t.ResetLevels();
    t.RedimPayouts();
    const double shares[] = {0, 60, 30, 10};
    for (long k = 0; k <= 3; ++k)
        t.gdblPayout[k] = shares[k];
    t.gvarTournamentDate = DateTimeOf(today);
    return t;
}

OpenTournament prepareCopy(const OpenTournament& source, const QDate& today)
{
    OpenTournament t = source;
    t.glngCurrentTournamentID = 0;
    t.gstrTournamentName.clear();
    t.gintBlindsLevel = 1;
    t.gblnOnBreak = false;
    t.gstrNextBreak.clear();
    t.ClearPlayers();
    ClearAwardRecipients(t);
    t.gvarTournamentDate = DateTimeOf(today);
    return t;
}
