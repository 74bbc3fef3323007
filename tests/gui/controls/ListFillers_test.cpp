#include "LeagueTestData.h"
#include "gui/controls/ListFillers.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalSpy>

namespace {

class ListFillersTest : public LeagueDatabaseTest {
protected:
    void SetUp() override
    {
        LeagueDatabaseTest::SetUp();
        setProgramDatabase(&db);
    }
};

QList<std::pair<QString, QVariant>> entries(const QComboBox& combo)
{
    QList<std::pair<QString, QVariant>> result;
    for (int i = 0; i < combo.count(); ++i)
        result.append({combo.itemText(i), combo.itemData(i)});
    return result;
}

QList<std::pair<QString, QVariant>> entries(const QListWidget& list)
{
    QList<std::pair<QString, QVariant>> result;
    for (int i = 0; i < list.count(); ++i)
        result.append({list.item(i)->text(), list.item(i)->data(Qt::UserRole)});
    return result;
}

} // namespace

TEST_F(ListFillersTest, ComboGetsLeaguesWithTheirKeysAndNoSelection)
{
    const Long beta = addLeague(QStringLiteral("beta"));
    const Long alpha = addLeague(QStringLiteral("Alpha"));
    QComboBox combo;
    combo.addItem(QStringLiteral("stale"), 99);
    combo.setCurrentIndex(0);
    QSignalSpy changed(&combo, &QComboBox::currentIndexChanged);

    FillLeagueCombo(&combo);
    EXPECT_EQ(entries(combo),
              (QList<std::pair<QString, QVariant>> {{QStringLiteral("Alpha"), QVariant(int(alpha))},
                                                    {QStringLiteral("beta"), QVariant(int(beta))}}));
    EXPECT_EQ(combo.itemData(0).typeId(), QMetaType::Int);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(ListFillersTest, ListBoxGetsPlayersOutsideTheLeagueAndNoSelection)
{
    const Long friday = addLeague(QStringLiteral("Friday"));
    addPlayer(QStringLiteral("Anna"), {friday});
    const Long bob = addPlayer(QStringLiteral("Bob O'Hara"));
    QListWidget list;
    list.addItem(QStringLiteral("stale"));
    list.setCurrentRow(0);

    FillPlayersNotInLeague(&list, friday);
    EXPECT_EQ(entries(list),
              (QList<std::pair<QString, QVariant>> {{QStringLiteral("Bob O'Hara"), QVariant(int(bob))}}));
    EXPECT_EQ(list.currentRow(), -1);
    EXPECT_TRUE(list.selectedItems().isEmpty());
}

TEST_F(ListFillersTest, EitherControlListsEveryLeaguesTournamentsForLeagueZero)
{
    const Long friday = addLeague(QStringLiteral("Friday"));
    const Long saturday = addLeague(QStringLiteral("Saturday"));
    const Long first = addTournament(friday, QStringLiteral("Week 1"), QStringLiteral("2024-01-05 19:00:00"));
    const Long second = addTournament(saturday, QStringLiteral("Week 1"), QStringLiteral("2024-01-06 19:00:00"));
    const QList<std::pair<QString, QVariant>> newestFirst {{QStringLiteral("Week 1"), QVariant(int(second))},
                                                           {QStringLiteral("Week 1"), QVariant(int(first))}};
    QComboBox combo;
    QListWidget list;

    FillTournamentCombo(&combo, 0, true);
    FillTournamentCombo(&list, 0, true);
    EXPECT_EQ(entries(combo), newestFirst);
    EXPECT_EQ(entries(list), newestFirst);

    FillTournamentCombo(&combo, friday, false);
    EXPECT_EQ(entries(combo), (QList<std::pair<QString, QVariant>> {{QStringLiteral("Week 1"), QVariant(int(first))}}));
}

TEST_F(ListFillersTest, FailedQueryLeavesTheControlAsItWas)
{
    QComboBox combo;
    combo.addItem(QStringLiteral("Friday"), 3);
    db.close();
    EXPECT_THROW(FillLeagueCombo(&combo), DatabaseError);
    EXPECT_EQ(combo.count(), 1);
}
