#pragma once

#include "TestSupport.h"
#include "core/platform/Database.h"
#include "core/platform/ModelTypes.h"
#include "core/store/DatabaseSchema.h"

#include <initializer_list>

// A database at the current layout in the test's data folder, with helpers
// that add leagues, players, memberships and tournaments.
class LeagueDatabaseTest : public DataFolderTest {
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        db.open(path(QStringLiteral("zr.mdb")));
        CreateBaseSchema(db);
        ASSERT_TRUE(CheckDatabaseVersion(db));
        prompts.messages.clear();
    }

    Long addLeague(const QString& name)
    {
        db.execute(QStringLiteral("INSERT INTO tblLeague (LeagueName) VALUES (?)"), {name});
        return static_cast<Long>(db.lastInsertId());
    }

    Long addPlayer(const QString& name, std::initializer_list<Long> leagues = {})
    {
        db.execute(QStringLiteral("INSERT INTO tblPlayer (PlayerName) VALUES (?)"), {name});
        const Long id = static_cast<Long>(db.lastInsertId());
        for (Long league : leagues)
            addMember(league, id);
        return id;
    }

    void addMember(Long league, const QVariant& player)
    {
        db.execute(QStringLiteral("INSERT INTO tblLeagueXPlayer (LeagueID, PlayerID) VALUES (?, ?)"), {league, player});
    }

    // date: "yyyy-MM-dd HH:mm:ss" as stored, or a null QString for none.
    Long addTournament(Long league, const QString& name, const QString& date = {})
    {
        db.execute(QStringLiteral("INSERT INTO tblTournament (LeagueID, TournamentName, Date) VALUES (?, ?, ?)"),
                   {league, name, date.isNull() ? QVariant() : QVariant(date)});
        return static_cast<Long>(db.lastInsertId());
    }

    Database db;
};
