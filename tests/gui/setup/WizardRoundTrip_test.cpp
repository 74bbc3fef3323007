#include "WizardFixture.h"
#include "core/platform/Database.h"
#include "core/store/TournamentStore.h"

#include <QCheckBox>
#include <QMap>
#include <QPushButton>

namespace {

using StoredRow = QMap<QString, QString>;

QString number(double x) { return QString::number(x, 'g', 15); }

// Every column of the tournament's rows of a table, as text, in the order
// given; the table's own row key is left out.
QList<StoredRow> storedRows(Database& db, const char* table, const char* order, Long id, const char* key = nullptr)
{
    Recordset rows = db.query(QStringLiteral("SELECT * FROM %1 WHERE TournamentID = ? ORDER BY %2")
                                  .arg(QString::fromLatin1(table), QString::fromLatin1(order)),
                              {id});
    QList<StoredRow> all;
    for (; !rows.eof(); rows.moveNext()) {
        StoredRow row;
        for (const QString& column : rows.columnNames())
            if (column != QLatin1String(key)) {
                const QVariant value = rows.value(column);
                row.insert(column, value.typeId() == QMetaType::Double ? number(value.toDouble()) : value.toString());
            }
        all.append(row);
    }
    return all;
}

void expectRows(const QList<StoredRow>& stored, const QList<StoredRow>& expected, const char* table)
{
    ASSERT_EQ(stored.size(), expected.size()) << table;
    for (qsizetype r = 0; r < stored.size(); ++r) {
        EXPECT_EQ(stored[r].keys().join(u' ').toStdString(), expected[r].keys().join(u' ').toStdString())
            << table << " row " << r << ": every column is compared";
        for (auto it = expected[r].cbegin(); it != expected[r].cend(); ++it)
            EXPECT_EQ(stored[r].value(it.key()), it.value()) << table << " row " << r << " " << it.key().toStdString();
    }
}

} // namespace

class WizardRoundTrip : public WizardFixture {
protected:
    void check(const char* box, bool on = true) { c<QCheckBox>(QString::fromLatin1(box))->setChecked(on); }
    ctlDataEntryGrid* grid(const char* name) const { return c<ctlDataEntryGrid>(QString::fromLatin1(name)); }
};

// Every box, list, check and grid of every page is set away from what the
// tournament held; Finish stores each of them where it belongs.
TEST_F(WizardRoundTrip, EveryFieldOfEveryPageIsStoredAsEntered)
{
    SaveTournament(db, t, true);
    const Long id = t.glngCurrentTournamentID;
    open();

    // Basics
    type("txtName", QStringLiteral("Week 1 Final"));
    type("txtDate", QStringLiteral("4/9/2026"));
    type("txtMaxPlayersPerTable", QStringLiteral("9"));
    // Buying in
    type("txtBuyin", QStringLiteral("35"));
    type("txtBuyinChipValue", QStringLiteral("1500"));
    type("txtTakeAmount", QStringLiteral("5"));
    check("chkAllowRebuys");
    type("txtRebuy", QStringLiteral("25"));
    type("txtRebuyChipValue", QStringLiteral("1200"));
    choose("cmbNumRebuysAllowed", 3);
    check("chkAllowAddon");
    type("txtAddonAmount", QStringLiteral("15"));
    type("txtAddonChipValue", QStringLiteral("2000"));
    choose("cmbAddonNumAllowed", 2);
    type("txtEstNumPlayers", QStringLiteral("30"));
    type("txtEstNumRebuys", QStringLiteral("7"));
    type("txtEstNumAddons", QStringLiteral("11"));
    // Chips: nine colours, then a picture.
    const double amounts[] = {1, 5, 25, 100, 500, 1000, 5000, 10000, 25000, 100000};
    for (int i = 0; i < frmAddEditTournament::ChipRows; ++i) {
        choose(QStringLiteral("cmbChipColor(%1)").arg(i).toLatin1(), i == 9 ? 1 : i + 2);
        type(QStringLiteral("txtChipAmount(%1)").arg(i).toLatin1(), number(amounts[i]));
        choose(QStringLiteral("cmbNumChips(%1)").arg(i).toLatin1(), i + 3);
        type(QStringLiteral("txtChipPicture(%1)").arg(i).toLatin1(), QStringLiteral("/srv/chips/%1.png").arg(i));
    }
    // Levels: twelve, the tournament at the fourth.
    choose("cmbNumLevels", 11);
    for (long n = 1; n <= 12; ++n) {
        const QStringList cells {number(n),
                                 number(10 * n),
                                 number(20 * n),
                                 number(20 * n),
                                 number(40 * n),
                                 number(10 + n),
                                 n == 4       ? "15"
                                     : n == 8 ? "5"
                                              : "0"};
        for (int col = 0; col < cells.size(); ++col)
            grid("gridLevels")->setTextMatrix(n, col + 1, cells[col]);
    }
    choose("cmbLevel", 3);
    choose("cmbRebuyLevel", 4);
    choose("cmbAddonLevel1", 2);
    choose("cmbAddonLevel2", 5);
    type("txtEstDurationHour", QStringLiteral("4"));
    type("txtEstDurationMin", QStringLiteral("25"));
    type("txtEstNumBreaks", QStringLiteral("3"));
    type("txtEstTimeforBreaks", QStringLiteral("12"));
    // Payouts and points: fixed amounts to five places.
    choose("cmbRound", 3);
    choose("cmbPayoutType", 0);
    choose("cmbNumPaid", 4);
    const QStringList payouts {"40", "500", "300", "150", "80", "40"};
    const QStringList points {"0", "10", "7.5", "5", "3", "1"};
    for (int r = 0; r < payouts.size(); ++r) {
        grid("grid")->setTextMatrix(r + 1, 1, payouts[r]);
        grid("grid")->setTextMatrix(r + 1, 2, points[r]);
    }
    check("chkPointsAllPlayers");
    type("txtPointsAllPlayers", QStringLiteral("2.5"));
    check("chkPointsByPosition");
    type("txtPointsByPosition", QStringLiteral("1.5"));
    // Bounties and awards
    choose("cmbBountyAll", 2);
    type("txtBountyAllDollars", QStringLiteral("10"));
    type("txtBountyAllPoints", QStringLiteral("3"));
    answerAward([](frmAddEditAward& d) {
        bounty(d, 0);
        d.txtDollars->setText(QStringLiteral("20"));
        d.txtPoints->setText(QStringLiteral("1"));
    });
    c<QPushButton>(QStringLiteral("cmdNewAward"))->click();
    answerAward([](frmAddEditAward& d) {
        award(d, QStringLiteral("High Hand"), QStringLiteral("50"));
        d.txtPoints->setText(QStringLiteral("-2"));
    });
    c<QPushButton>(QStringLiteral("cmdNewAward"))->click();
    // Reminders
    grid("gridReminders")->setTextMatrix(2, 1, QStringLiteral("Colour up the 1s"));
    grid("gridReminders")->setTextMatrix(2, 2, QStringLiteral("Yes"));
    grid("gridReminders")->setTextMatrix(6, 1, QStringLiteral("Last rebuy level"));
    grid("gridReminders")->setTextMatrix(6, 2, QStringLiteral("No"));
    // Advanced
    w->mstrRules = QStringLiteral("No rebuys after level 4.");
    w->mstrCustomMessage = QStringLiteral("Final table at 11.");
    choose("cmbCustomPictureType", 1);
    type("txtFile", QStringLiteral("/srv/promo"));
    choose("cmbTATableNotify", 2);

    c<QPushButton>(QStringLiteral("cmdFinish"))->click();
    ASSERT_TRUE(w->mbOKed) << prompts.messages.join(QLatin1Char('|')).toStdString();

    StoredRow tournament {
        {"TournamentID", number(id)},
        {"LeagueID", number(t.glngCurrentLeagueID)},
        {"TournamentName", "Week 1 Final"},
        {"Date", "2026-04-09 00:00:00"},
        {"PlayersPerTable", "9"},
        // The clock runs level 4 of the table: its values are the current ones.
        {"BlindsLevel", "4"},
        {"Ante", "4"},
        {"Small", "40"},
        {"Big", "80"},
        {"SmallRaise", "80"},
        {"BigRaise", "160"},
        {"MinutesPerSession", "14"},
        {"AutoDoubleBlind", "2"},
        {"Numberlevels", "12"},
        {"Buyin", "35"},
        {"BuyinChipValue", "1500"},
        {"HouseTakeAmount", "5"},
        {"AllowRebuys", "1"},
        {"RebuyAmount", "25"},
        {"RebuyChipValue", "1200"},
        {"NumberRebuys", "3"},
        {"RebuyUntilLevel", "4"},
        {"AllowAddons", "1"},
        {"AddonAmount", "15"},
        {"AddonChipValue", "2000"},
        {"NumberAddons", "2"},
        {"AddonLevel1", "2"},
        {"AddonLevel2", "5"},
        {"EstNumberofPlayers", "30"},
        {"EstNumberofRebuys", "7"},
        {"EstNumberofAddons", "11"},
        {"EstDurationOfTournament", "265"},
        {"EstTimeForBreaks", "12"},
        {"EstNumberofBreaks", "3"},
        {"PayAsPercentages", "0"},
        {"Numberpaid", "5"},
        {"roundto", "25"},
        {"UseAutoPointsAll", "1"},
        {"AutoPointsAllPlayers", "2.5"},
        {"UseAutoPointsbyPosition", "1"},
        {"AutoPointsByPositionFactor", "1.5"},
        {"gintAutoBountyType", "2"},
        {"gdblAutoBountyDollars", "10"},
        {"gdblAutoBountyPoints", "3"},
        {"Rules", "No rebuys after level 4."},
        {"CustomMessage", "Final table at 11."},
        {"CustomPictureType", "1"},
        {"CustomPictureLocation", "/srv/promo"},
        {"NotifyWhenTablesCanBeReduced", "2"},
    };
    const QStringList colours = ChipColorListNames();
    for (int i = 0; i < frmAddEditTournament::ChipRows; ++i) {
        const QString n = number(i + 1);
        tournament.insert(QStringLiteral("ChipColor") + n, colours.value(i == 9 ? 1 : i + 2));
        tournament.insert(QStringLiteral("ChipAmount") + n, number(amounts[i]));
        tournament.insert(QStringLiteral("StartingChipCount") + n, number(i + 3));
        tournament.insert(QStringLiteral("ChipPicture") + n, QStringLiteral("/srv/chips/%1.png").arg(i));
    }
    expectRows(storedRows(db, "tblTournament", "TournamentID", id), {tournament}, "tblTournament");

    QList<StoredRow> levels;
    for (long n = 1; n <= 12; ++n)
        levels.append({{"TournamentID", number(id)},
                       {"LevelNumber", number(n)},
                       {"Ante", number(n)},
                       {"SmallBlind", number(10 * n)},
                       {"BigBlind", number(20 * n)},
                       {"SmallRaise", number(20 * n)},
                       {"BigRaise", number(40 * n)},
                       {"SessionTime", number(10 + n)},
                       {"BreakAfter",
                        n == 4       ? "15"
                            : n == 8 ? "5"
                                     : "0"},
                       {"Reminder",
                        n == 2       ? "Colour up the 1s"
                            : n == 6 ? "Last rebuy level"
                                     : ""},
                       {"WaitOnReminder", n == 2 ? "1" : "0"}});
    expectRows(storedRows(db, "tblLevel", "LevelNumber", id, "LevelID"), levels, "tblLevel");

    QList<StoredRow> places;
    for (int r = 0; r < payouts.size(); ++r)
        places.append({{"TournamentID", number(id)},
                       {"Position", number(r)},
                       {"Payout", payouts[r]},
                       {"Points", points[r]},
                       {"Prize", ""}});
    expectRows(storedRows(db, "tblPayout", "Position", id), places, "tblPayout");

    const QList<StoredRow> awards {
        {{"TournamentID", number(id)},
         {"IsBounty", "1"},
         {"BountyPlayerID", number(anna)},
         {"Description", "Bounty on anna"},
         {"Payout", "20"},
         {"Points", "1"},
         {"AwardedToPlayerID", "0"}},
        {{"TournamentID", number(id)},
         {"IsBounty", "0"},
         {"BountyPlayerID", "0"},
         {"Description", "High Hand"},
         {"Payout", "50"},
         {"Points", "-2"},
         {"AwardedToPlayerID", "0"}},
    };
    expectRows(storedRows(db, "tblAward", "AwardID", id, "AwardID"), awards, "tblAward");
}

// The current-level boxes are the tournament's own only outside the level
// table: with doubling blinds they are stored as typed.
TEST_F(WizardRoundTrip, TheCurrentLevelBoxesAreStoredAsTypedOutsideTheLevelTable)
{
    SaveTournament(db, t, true);
    open();
    choose("cmbPresets", 1);
    const char* boxes[]
        = {"txtAnte", "txtLittleBlind", "txtBigBlind", "txtSmallRaise", "txtBigRaise", "txtMinutesPerSession"};
    const QStringList typed {"3", "15", "30", "30", "60", "17"};
    for (int i = 0; i < typed.size(); ++i)
        type(boxes[i], typed[i]);
    c<QPushButton>(QStringLiteral("cmdFinish"))->click();
    ASSERT_TRUE(w->mbOKed) << prompts.messages.join(QLatin1Char('|')).toStdString();
    const StoredRow row = storedRows(db, "tblTournament", "TournamentID", t.glngCurrentTournamentID).value(0);
    QStringList stored;
    for (const char* column : {"Ante", "Small", "Big", "SmallRaise", "BigRaise", "MinutesPerSession"})
        stored << row.value(QString::fromLatin1(column));
    EXPECT_EQ(stored, typed);
    EXPECT_EQ(row.value(QStringLiteral("AutoDoubleBlind")), QStringLiteral("1"));
}
