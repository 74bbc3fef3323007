#include "LeagueTestData.h"
#include "core/store/NameValidation.h"
#include "core/store/OpenTournament.h"

#include <ostream>

namespace {

// The three checks run the same rules on different tables.
struct NameKind {
    const char* label;
    QString required;
    QString taken;
};

void PrintTo(const NameKind& kind, std::ostream* os) { *os << kind.label; }

class NameValidationTest : public LeagueDatabaseTest, public ::testing::WithParamInterface<NameKind> {
protected:
    void SetUp() override
    {
        LeagueDatabaseTest::SetUp();
        league = addLeague(QStringLiteral("Home league"));
    }

    // Adds a row of the kind under test; returns its key.
    Long add(const QString& name)
    {
        const QString kind = QString::fromUtf8(GetParam().label);
        if (kind == QLatin1String("League"))
            return addLeague(name);
        if (kind == QLatin1String("Tournament"))
            return addTournament(league, name);
        return addPlayer(name);
    }

    bool validate(const QString& name, Long key)
    {
        const QString kind = QString::fromUtf8(GetParam().label);
        if (kind == QLatin1String("League"))
            return ValidateLeagueName(db, name, key);
        if (kind == QLatin1String("Tournament"))
            return ValidateTournamentName(db, league, name, key);
        return ValidatePlayerName(db, name, key);
    }

    Long league = 0;
};

} // namespace

TEST_P(NameValidationTest, EmptyOrBlankNameIsRequired)
{
    EXPECT_FALSE(validate(QString(), 0));
    EXPECT_FALSE(validate(QStringLiteral(""), -1));
    // Blanks only would show as an empty line in every list.
    EXPECT_FALSE(validate(QStringLiteral("  "), 0));
    EXPECT_EQ(prompts.messages, QStringList(3, GetParam().required));

    prompts.messages.clear();
    EXPECT_TRUE(validate(QStringLiteral(" a "), 0));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_P(NameValidationTest, TakenNameIsRefusedUnlessItIsTheRowsOwn)
{
    const Long own = add(QStringLiteral("Friday"));
    const Long other = add(QStringLiteral("Saturday"));

    EXPECT_TRUE(validate(QStringLiteral("Friday"), own));
    EXPECT_TRUE(validate(QStringLiteral("Sunday"), 0));
    EXPECT_TRUE(prompts.messages.isEmpty());

    EXPECT_FALSE(validate(QStringLiteral("Friday"), 0));
    EXPECT_FALSE(validate(QStringLiteral("Friday"), -1));
    EXPECT_FALSE(validate(QStringLiteral("Friday"), other));
    EXPECT_EQ(prompts.messages, QStringList(3, GetParam().taken));
}

TEST_P(NameValidationTest, NamesDifferingOnlyInCaseClashBeyondAsciiToo)
{
    add(QStringLiteral("Friday Night"));
    add(QStringLiteral("Ärger Über Öl"));

    EXPECT_FALSE(validate(QStringLiteral("FRIDAY night"), 0));
    EXPECT_FALSE(validate(QStringLiteral("ärger über öl"), 0));
    EXPECT_EQ(prompts.messages, QStringList(2, GetParam().taken));

    // Spaces count: no trimming.
    EXPECT_TRUE(validate(QStringLiteral("Friday Night "), 0));
}

TEST_P(NameValidationTest, ApostrophesAreCheckedAsPlainText)
{
    const Long joes = add(QStringLiteral("Joe's 'Place'"));
    EXPECT_TRUE(validate(QStringLiteral("Joe's 'Place'"), joes));
    EXPECT_TRUE(validate(QStringLiteral("Joe''s 'Place'"), 0));
    EXPECT_TRUE(validate(QStringLiteral("x' OR '1'='1"), 0));
    EXPECT_TRUE(prompts.messages.isEmpty());

    EXPECT_FALSE(validate(QStringLiteral("JOE'S 'PLACE'"), 0));
    EXPECT_EQ(prompts.messages, QStringList {GetParam().taken});
}

INSTANTIATE_TEST_SUITE_P(Kinds, NameValidationTest,
                         ::testing::Values(NameKind {"League", "League name required.", "League name already exists."},
                                           NameKind {"Tournament", "Tournament name required.",
                                                     "Tournament name already exists in this league."},
                                           NameKind {"Player", "Player name required.", "Player name already exists."}),
                         [](const auto& info) { return std::string(info.param.label); });

// The form that callers use takes the league from the open tournament.
using ProgramNameValidation = LeagueDatabaseTest;

TEST_F(ProgramNameValidation, TournamentNamesClashOnlyWithinTheCurrentLeague)
{
    const Long friday = addLeague(QStringLiteral("Friday"));
    const Long saturday = addLeague(QStringLiteral("Saturday"));
    addTournament(saturday, QStringLiteral("Week 1"));
    setProgramDatabase(&db);

    OpenTournament& open = openTournament();
    const Long before = open.glngCurrentLeagueID;
    open.glngCurrentLeagueID = friday;
    EXPECT_TRUE(ValidateTournamentName(QStringLiteral("Week 1"), 0));
    open.glngCurrentLeagueID = saturday;
    EXPECT_FALSE(ValidateTournamentName(QStringLiteral("week 1"), 0));
    open.glngCurrentLeagueID = before;

    EXPECT_EQ(prompts.messages, QStringList {QStringLiteral("Tournament name already exists in this league.")});
}
