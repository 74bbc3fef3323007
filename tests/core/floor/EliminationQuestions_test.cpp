#include "FieldBuilder.h"
#include "core/floor/EliminationQuestions.h"

#include <gtest/gtest.h>

TEST(EliminationQuestions, AskedOnACopyThenGivenAgainInOrder)
{
    const OpenTournament t = FieldOf(4, 10);
    QList<QList<long>> offered;
    auto answer = [&](enum KillAnswer::Kind kind) {
        return [&offered, kind](const KillQuestion&, const QList<long>& stillIn, const QList<long>&) {
            offered << stillIn;
            return KillAnswer {kind, kind == KillAnswer::Chosen ? 3L : 0L};
        };
    };
    EXPECT_FALSE(AskEliminationQuestions(t, 2, true, answer(KillAnswer::Cancelled)));
    const auto answers = AskEliminationQuestions(t, 2, true, answer(KillAnswer::Chosen));
    ASSERT_TRUE(answers);
    ASSERT_EQ(answers->size(), 1U);
    EXPECT_EQ(offered.last(), (QList<long> {1, 3, 4}));
    EXPECT_EQ(t.gtypPlayers[2].Finish, 0) << "the tournament itself is not touched";

    const AskKiller replay = ReplayKillAnswers(*answers);
    EXPECT_EQ(replay({}).PlayerIndex, 3);
    EXPECT_EQ(replay({}).Kind, KillAnswer::Skipped) << "past the answers";
}
