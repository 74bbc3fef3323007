#include "core/store/Awards.h"

#include "core/store/OpenTournament.h"

Integer FindBountyAward(const OpenTournament& t, Long PlayerID)
{
    for (long i = t.gtypAwards.lower(); i <= t.gtypAwards.upper(); ++i)
        if (t.gtypAwards[i].BountyPlayerID == PlayerID)
            return static_cast<Integer>(i);
    return 0;
}
