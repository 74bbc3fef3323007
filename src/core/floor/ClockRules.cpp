#include "core/floor/ClockRules.h"

#include "core/store/PlayEventSound.h"
#include "core/store/ProgramSettings.h"

#include <QLocale>

bool CheckPlayTimerSound(ProgramSettings& settings, Long lngMinutesRemaining, Long lngSecondsRemaining,
                         Long lngSecondsAtInterval, int intEvent, Long lngSecondsInThisSession)
{
    if (!settings.gtypSounds.contains(intEvent))
        return false;
    bool& played = settings.gtypSounds[intEvent].Played;
    const Long remaining = lngMinutesRemaining * 60 + lngSecondsRemaining;
    if (remaining <= lngSecondsAtInterval) {
        if (!played && lngSecondsInThisSession >= lngSecondsAtInterval) {
            PlayEventSound(settings, intEvent);
            played = true;
            return true;
        }
    } else {
        played = false;
    }
    return false;
}

NoticeChange FiveMinuteNotice(Long secondsAtStart, Long minutes, Long seconds, bool noticesOn, bool noticeVisible,
                              bool onBreak)
{
    if (secondsAtStart / 60.0 > minutes && minutes >= 1 && minutes % 5 == 0 && seconds == 0 && noticesOn
        && !noticeVisible && !onBreak)
        return NoticeChange::Show;
    if (noticeVisible && seconds > 5 && seconds < 55)
        return NoticeChange::Hide;
    return NoticeChange::None;
}

QString FiveMinuteNoticeText(Long minutes) { return QStringLiteral("%1 Minutes Remaining").arg(minutes); }

bool EndOfSessionNotice(Long secondsLeft, bool noticesOn) { return secondsLeft <= 5 && noticesOn; }

QString EndOfSessionText(bool onBreak)
{
    return onBreak ? QStringLiteral("End of Break") : QStringLiteral("End of Session");
}

QString ClockCaption(int intType)
{
    if (intType == 1)
        return QStringLiteral("Clock: Running");
    if (intType == 0)
        return QStringLiteral("Clock: Not Running");
    return QString();
}

QString WallClockText(const QTime& time) { return QLocale::c().toString(time, QStringLiteral("h:mm AP")); }
