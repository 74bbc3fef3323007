#include "LeagueTestData.h"
#include "core/display/ScreenObjects.h"

#include <QStringList>

namespace {

class ScreenObjectsTest : public LeagueDatabaseTest {
protected:
    ScreenObjectTable table;

    void load(bool large = true, Long playerDisplay = 0)
    {
        table.LoadScreenObjects(db, ScreenFontSizesFor(large, playerDisplay), prompts);
    }
    const ScreenObject& entry(const char* description)
    {
        const Integer i = table.IndexOf(QString::fromLatin1(description));
        EXPECT_GT(i, 0) << description;
        return table.gtypScreenObjects[i];
    }
    void store(const QVariantList& row)
    {
        db.execute(QStringLiteral("INSERT INTO tblFont (Description, LabelText, FontColor, FontName, FontBold, "
                                  "FontItalic, FontSize, HeaderColor) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                   row);
    }
    QList<QVariantList> rows()
    {
        QList<QVariantList> result;
        Recordset rs = db.query(QStringLiteral("SELECT Description, LabelText, FontColor, FontName, FontBold, "
                                               "FontItalic, FontSize, HeaderColor FROM tblFont ORDER BY FontID"));
        for (; !rs.eof(); rs.moveNext()) {
            QVariantList row;
            for (const QString& c : rs.columnNames())
                row << rs.value(c).toString();
            result << row;
        }
        return result;
    }
};

QStringList numbered(const QString& stem, int from, int to)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list << stem + QString::number(i);
    return list;
}

// The clock, chip and payout labels one summary style repeats.
QStringList clockAndChips(const QString& p, bool level, bool payouts)
{
    QStringList list;
    if (level)
        list << p + "Level Indicator";
    list << p + "Timer Label" << p + "Timer Value" << p + "Blinds Label" << p + "Blinds Value";
    list << p + "Chip Values Label" << p + "Chip Amount" << numbered(p + "Chip Amount ", 1, 9);
    if (payouts) {
        list << p + "Payout Label" << p + "Place Value" << numbered(p + "Place ", 2, 5) << p + "Payout Value"
             << numbered(p + "Payout ", 2, 5);
    }
    return list;
}

QStringList summaryValues(const QString& p, bool totalBuy)
{
    QStringList list {p + "Tournament Name Label", p + "Tournament Name Value"};
    if (totalBuy)
        list << p + "Total Buy Label" << p + "Total Buy Value";
    for (const char* name : {"Number Players", "Average Stack", "Next Break", "Next Blinds"})
        list << p + name + " Label" << p + name + " Value";
    return list;
}

QStringList goldenDescriptions()
{
    QStringList list = clockAndChips("", true, true);
    list << clockAndChips("Summary 3 ", false, false) << "Players Grid";
    list << clockAndChips("Summary 1 ", true, true) << summaryValues("Summary 1 ", true);
    list << clockAndChips("Summary 4 ", true, true) << summaryValues("Summary 4 ", false);
    list << "Summary 5 Level Indicator"
         << "Summary 5 Timer Label"
         << "Summary 5 Timer Value"
         << "Summary 5 Blinds Label"
         << "Summary 5 Blinds Value" << summaryValues("Summary 5 ", false);
    list << "BuyIn Label"
         << "BuyIn Value"
         << "Rebuy Label"
         << "Rebuy Value"
         << "AddOn Label"
         << "AddOn Value"
         << "Payouts Grid"
         << "Rules"
         << "Custom Message"
         << "Manager Report"
         << "Table/Seat Chart"
         << "Summary 2 Tournament Label";
    for (const char* name :
         {"# Entries", "# Players", "# Tables", "Avg. Stack", "Total Pot", "Level", "Time Remaining", "Ante", "Blinds",
          "Raises", "Time", "Next Break", "Next Ante", "Next Blinds", "Next Raises"})
        list << QStringLiteral("Summary 2 %1 Label").arg(name) << QStringLiteral("Summary 2 %1 Value").arg(name);
    list << "Awards Grid"
         << "Kills Grid"
         << "Chip Count Grid";
    return list;
}

} // namespace

TEST_F(ScreenObjectsTest, CatalogueHoldsEveryDescriptionInRegistrationOrder)
{
    load();
    QStringList descriptions;
    for (const ScreenObject& e : table.gtypScreenObjects)
        descriptions << e.Description;
    EXPECT_EQ(descriptions, goldenDescriptions());
    EXPECT_EQ(table.gintScreenObjectCount(), 179);
    EXPECT_EQ(table.gtypScreenObjects[table.gintPlayersGridObject].Description, "Players Grid");
    EXPECT_EQ(table.gtypScreenObjects[table.gintRulesObject].Description, "Rules");
    EXPECT_EQ(table.gtypScreenObjects[table.gintCustomMessageObject].Description, "Custom Message");
    for (const ScreenObject& e : table.gtypScreenObjects) {
        EXPECT_TRUE(e.Loaded && e.DefaultFontBold && !e.DefaultFontItalic) << e.Description.toStdString();
        EXPECT_EQ(e.DefaultFontName, "Times New Roman");
        EXPECT_EQ(e.HeaderColor,
                  e.Kind == KindGrid || e.Kind == KindSeatChart ? QVariant(0x00C0C0LL) : QVariant(QString()));
    }
}

TEST_F(ScreenObjectsTest, EntriesCarryControlKindScreenLookAndSizeOfBothSizeSets)
{
    struct Row {
        const char* description;
        const char* control;
        Long kind;
        Long screen;
        bool all;
        const char* label;
        qlonglong color;
        int large, small;
        bool array;
        int arrayIndex;
    };
    const Row expected[] = {
        {"Level Indicator", "lblLevel", 1, 0, true, "", 0x80FF80, 28, 20, false, 0},
        {"Timer Label", "lblTimerCap", 0, 0, true, "Time Remaining", 0x00C0C0, 28, 20, false, 0},
        {"Blinds Label", "lblBlindsCap", 1, 0, true, "", 0x00C0C0, 28, 20, false, 0},
        {"Chip Amount", "lblChipAmount(0)", 1, 0, true, "", 0xFFFFFF, 28, 20, true, 0},
        {"Chip Amount 9", "lblChipAmount(9)", 1, 0, true, "", 0xFFFFFF, 28, 20, true, 9},
        {"Place 2", "lblPlace(1)", 1, 0, true, "", 0xFFFFFF, 28, 20, true, 1},
        {"Payout 5", "lblPayout(4)", 1, 0, true, "", 0xFFFFFF, 28, 20, true, 4},
        {"Summary 3 Timer Label", "lblTimerCap", 0, 8, false, "Time Remaining", 0x00C0C0, 48, 36, false, 0},
        {"Summary 3 Timer Value", "lblTimer", 1, 8, false, "", 0xFFFFFF, 90, 64, false, 0},
        {"Summary 3 Chip Amount 3", "lblChipAmount(3)", 1, 8, false, "", 0xFFFFFF, 70, 50, true, 3},
        {"Players Grid", "grid", 2, 0, false, "", 0xFFFFFF, 20, 14, false, 0},
        {"Summary 1 Total Buy Label", "lblTotalBuyCap", 0, 1, false, "Total $ in Pot", 0x00C0C0, 26, 18, false, 0},
        {"Summary 4 Tournament Name Value", "lblTournament", 1, 13, false, "", 0xFFFFFF, 44, 36, false, 0},
        {"Summary 5 Next Blinds Label", "lblNextBlindsCap", 1, 14, false, "", 0x00C0C0, 26, 18, false, 0},
        {"BuyIn Value", "lblBuyin", 1, 2, false, "", 0xFFFFFF, 36, 30, false, 0},
        {"AddOn Label", "lblAddonCap", 0, 2, false, "Add-On Chips", 0x00C0C0, 26, 18, false, 0},
        {"Payouts Grid", "gridPayouts", 2, 3, false, "", 0xFFFFFF, 32, 22, false, 0},
        {"Rules", "rtbRules", 4, 4, false, "", 0xFFFFFF, 20, 20, false, 0},
        {"Custom Message", "rtbCustomMessage", 4, 5, false, "", 0xFFFFFF, 36, 30, false, 0},
        {"Manager Report", "txtManagerReport", 1, 7, false, "", 0xFFFFFF, 20, 20, false, 0},
        {"Table/Seat Chart", "gridTables", 3, 9, false, "", 0xFFFFFF, 16, 12, false, 0},
        {"Summary 2 Tournament Label", "lblClassicTournamentTitle", 1, 10, false, "", 0xFFFFFF, 30, 26, false, 0},
        {"Summary 2 Level Value", "lblClassicItem(5)", 1, 10, false, "", 0xFFFFFF, 60, 44, false, 0},
        {"Summary 2 Next Ante Label", "lblClassicHeader(12)", 0, 10, false, "Next Ante ", 0x00C0C0, 24, 16, false, 0},
        {"Summary 2 Next Raises Value", "lblClassicItem(14)", 1, 10, false, "", 0xFFFFFF, 30, 26, false, 0},
        {"Chip Count Grid", "gridChipCount", 2, 15, false, "", 0xFFFFFF, 22, 14, false, 0},
    };
    for (const bool large : {true, false}) {
        load(large);
        for (const Row& r : expected) {
            SCOPED_TRACE(r.description);
            const ScreenObject& e = entry(r.description);
            EXPECT_EQ(e.ControlObjectName(), r.control);
            EXPECT_EQ(e.Kind, r.kind);
            EXPECT_EQ(e.Screen, r.screen);
            EXPECT_EQ(e.AllScreens, r.all);
            EXPECT_EQ(e.LabelText, r.label);
            EXPECT_EQ(e.FontColor.toLongLong(), r.color);
            EXPECT_EQ(e.FontSize, large ? r.large : r.small);
            EXPECT_EQ(e.IsArrayItem, r.array);
            EXPECT_EQ(e.ArrayIndex, r.arrayIndex);
        }
    }
    load(true, 1);
    EXPECT_EQ(entry("Players Grid").FontSize, 30);
    load(false, 1);
    EXPECT_EQ(entry("Players Grid").FontSize, 20);
}

TEST_F(ScreenObjectsTest, StoredLooksReplaceTheDefaultsAndUnusableFieldsKeepThem)
{
    store({"Timer Label", "Clock", "49344", "Arial", 1, 2, 31, ""});
    store({"Timer Label", "Second row", "255", "Courier", 1, 1, 12, ""});
    store({"Timer Value", QVariant(), "blue", QVariant(), 2, 1, "huge", ""});
    store({"Blinds Value", "", "-2147483643", "   ", 0, 0, 500, "7"});
    store({"Level Indicator", "x", "8", "Arial", QVariant(), QVariant(), QVariant(), QVariant()});
    store({"Payouts Grid", "", "16777215", "Arial", 1, 0, 3, ""});
    store({"Awards Grid", "", "16777215", "Arial", 1, 0, "12.5", "255"});
    load();
    EXPECT_TRUE(prompts.messages.isEmpty());

    const ScreenObject& timer = entry("Timer Label");
    EXPECT_EQ(timer.LabelText, "Clock");
    EXPECT_EQ(timer.FontColor, QVariant(QStringLiteral("49344")));
    EXPECT_EQ(timer.FontName, "Arial");
    EXPECT_TRUE(timer.FontBold);
    EXPECT_FALSE(timer.FontItalic); // only 1 is true
    EXPECT_EQ(timer.FontSize, 31);

    const ScreenObject& value = entry("Timer Value");
    EXPECT_EQ(value.LabelText, "");
    EXPECT_EQ(value.FontColor.toLongLong(), 0xFFFFFF);
    EXPECT_EQ(value.FontName, "Times New Roman");
    EXPECT_FALSE(value.FontBold);
    EXPECT_TRUE(value.FontItalic);
    EXPECT_EQ(value.FontSize, 48);

    const ScreenObject& blinds = entry("Blinds Value");
    EXPECT_EQ(blinds.FontColor, QVariant(QStringLiteral("-2147483643")));
    EXPECT_EQ(blinds.FontName, "Times New Roman");
    EXPECT_EQ(blinds.FontSize, 48);
    EXPECT_EQ(entry("Level Indicator").FontSize, 28);
    EXPECT_FALSE(entry("Level Indicator").FontBold);
    EXPECT_EQ(entry("Payouts Grid").FontSize, 32);
    EXPECT_EQ(entry("Payouts Grid").HeaderColor.toLongLong(), 0x00C0C0); // a grid needs a header colour
    EXPECT_EQ(entry("Awards Grid").FontSize, 12);
    EXPECT_EQ(entry("Awards Grid").HeaderColor, QVariant(QStringLiteral("255")));
}

TEST_F(ScreenObjectsTest, UnreadableTableGivesDefaultsAndOneMessage)
{
    db.execute(QStringLiteral("DROP TABLE tblFont"));
    load(false);
    EXPECT_EQ(table.gintScreenObjectCount(), 179);
    EXPECT_EQ(entry("Timer Label").LabelText, "Time Remaining");
    EXPECT_EQ(entry("Timer Label").FontSize, 20);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains("tblFont")) << prompts.messages[0].toStdString();
}

TEST_F(ScreenObjectsTest, ScreensTakeTheirOwnEntriesAndSummaryStyle3NoCommonOnes)
{
    load();
    const auto descriptions = [this](Long screen) {
        QStringList list;
        for (const Integer i : table.ScreenObjectsOf(screen))
            list << table.gtypScreenObjects[i].Description;
        return list;
    };
    EXPECT_EQ(descriptions(8), clockAndChips("Summary 3 ", false, false));
    const QStringList common = clockAndChips("", true, true);
    EXPECT_EQ(descriptions(1), common + clockAndChips("Summary 1 ", true, true) + summaryValues("Summary 1 ", true));
    EXPECT_EQ(descriptions(4), common + QStringList {"Rules"});
    EXPECT_EQ(descriptions(0), common + QStringList {"Players Grid"});
}

TEST_F(ScreenObjectsTest, ArrayLookReachesItsOwnElementsOnly)
{
    load();
    struct Case {
        const char* first;
        const char* lastReached;
        int count;
    };
    for (const Case c : {Case {"Chip Amount", "Chip Amount 9", 9}, Case {"Place Value", "Place 5", 4},
                         Case {"Payout Value", "Payout 5", 4}}) {
        const Integer i = table.IndexOf(QString::fromLatin1(c.first));
        table.gtypScreenObjects[i].FontName = QStringLiteral("Arial");
        table.gtypScreenObjects[i].FontSize = 11;
        const QList<Integer> changed = table.CopyArrayLook(i);
        ASSERT_EQ(changed.size(), c.count) << c.first;
        EXPECT_EQ(table.gtypScreenObjects[changed.back()].Description, c.lastReached);
        EXPECT_EQ(table.gtypScreenObjects[changed.back()].FontName, "Arial");
        EXPECT_EQ(table.gtypScreenObjects[changed.back() + 1].FontName, "Times New Roman");
    }
    EXPECT_TRUE(table.CopyArrayLook(table.IndexOf("Chip Amount 3")).isEmpty());
    EXPECT_TRUE(table.CopyArrayLook(table.IndexOf("Timer Label")).isEmpty());
}

TEST_F(ScreenObjectsTest, SaveAddsTheRowOnceThenUpdatesTheFirst)
{
    store({"Rebuy Label", "old", "1", "Arial", 0, 0, 10, ""});
    store({"Rebuy Label", "second", "2", "Arial", 0, 0, 10, ""});
    store({"Timer Label", "Clock", "49344", "Arial", 2, 1, 31, ""});
    load();
    const Integer timer = table.IndexOf("Timer Label");
    const Integer rebuy = table.IndexOf("Rebuy Label");
    const Integer grid = table.IndexOf("Kills Grid");
    table.gtypScreenObjects[rebuy].LabelText = QStringLiteral("Rebuys!");
    table.gtypScreenObjects[grid].FontColor = 255;
    table.SaveScreenObjectFonts(db, {timer, rebuy, grid});
    table.SaveScreenObjectFont(db, grid);
    EXPECT_EQ(rows(),
              (QList<QVariantList> {
                  {"Rebuy Label", "Rebuys!", "1", "Arial", "0", "0", "10", ""},
                  {"Rebuy Label", "second", "2", "Arial", "0", "0", "10", ""},
                  {"Timer Label", "Clock", "49344", "Arial", "0", "1", "31", ""},
                  {"Kills Grid", "", "255", "Times New Roman", "1", "0", "22", "49344"},
              }));
}

TEST_F(ScreenObjectsTest, AFailedSaveOfSeveralLeavesEveryRowAsItWas)
{
    load();
    db.execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON tblFont WHEN NEW.Description = 'Rules' "
                              "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    EXPECT_THROW(table.SaveScreenObjectFonts(db, {table.IndexOf("Timer Label"), table.gintRulesObject}), DatabaseError);
    EXPECT_TRUE(rows().isEmpty());
}

TEST(ScreenObjects, ScreenListNamesEveryScreenOnce)
{
    const QList<ListItem> items = ScreenComboItems(true);
    ASSERT_EQ(items.size(), 16);
    EXPECT_EQ(items[0], (ListItem {"Players/Common Fields on Non-Summary Screens", 0}));
    EXPECT_EQ(ScreenComboItems(false)[0], (ListItem {"Players", 0}));
    EXPECT_EQ(items[2], (ListItem {"Summary Style 2", 10}));
    EXPECT_EQ(items[15], (ListItem {"Manager Report", 7}));
    QList<Long> ids;
    for (const ListItem& i : items)
        ids << i.ItemData;
    std::sort(ids.begin(), ids.end());
    for (Long i = 0; i < 16; ++i)
        EXPECT_EQ(ids[i], i);
}
