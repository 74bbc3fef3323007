#pragma once

#include <QDate>
#include <QString>

class OpenTournament;

// The two starts of a new tournament, each a complete value of its own: the
// open tournament is replaced only when the wizard's save succeeds. League
// fields are the caller's to set.

// Fixed defaults: ten levels, 25/50, three places paid 60/30/10 percent,
// four chip colours in use, rebuys and add-ons off, sample rules and
// message, dated today.
OpenTournament makeBlankTournament(const QDate& today);

// Every setting, level, payout and award of an earlier tournament, under no
// name and no id, dated today, at level 1, with no entrants and no award
// held by anybody.
OpenTournament prepareCopy(const OpenTournament& source, const QDate& today);

QString SampleRules();
QString SampleCustomMessage();
