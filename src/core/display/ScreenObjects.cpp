#include "core/display/ScreenObjects.h"

#include "core/display/FontsEditor.h"
#include "core/platform/ColorNumber.h"
#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/store/ScreenCatalogue.h"

#include <QHash>
#include <cmath>

namespace {

constexpr qlonglong CaptionColor = 0x00C0C0;
constexpr qlonglong ValueColor = 0xFFFFFF;
constexpr qlonglong LevelColor = 0x80FF80;
constexpr qlonglong GridHeaderColor = 0x00C0C0;
constexpr Integer FixedTextSize = 20; // rules and manager report

using SizeOf = Integer ScreenFontSizes::*;

// The screen groups that repeat the family of clock, chip and summary labels.
enum Group : unsigned { Common = 1, Style3 = 2, Style1 = 4, Style4 = 8, Style5 = 16 };

struct GroupRow {
    Group group;
    Long screen;
    bool allScreens;
    const char* prefix;
};

// In registration order.
constexpr GroupRow Groups[] = {
    {Common, PlayersScreen, true, ""},
    {Style3, Summary3Screen, false, "Summary 3 "},
    {Style1, Summary1Screen, false, "Summary 1 "},
    {Style4, Summary4Screen, false, "Summary 4 "},
    {Style5, Summary5Screen, false, "Summary 5 "},
};

// How the other elements of an array family are described.
enum class Numbering { None, ByIndex, ByPlace };

struct FamilyRow {
    const char* description;
    const char* control;
    Long kind;
    const char* labelText;
    qlonglong color;
    SizeOf size;
    SizeOf style3Size; // the size on Summary Style 3
    unsigned groups;
    int elements; // 1 for a single control
    Numbering numbering;
    const char* elementPrefix; // the numbered descriptions' stem
};

using S = ScreenFontSizes;
constexpr unsigned C3145 = Common | Style3 | Style1 | Style4 | Style5;
constexpr unsigned C314 = Common | Style3 | Style1 | Style4;
constexpr unsigned C145 = Common | Style1 | Style4 | Style5;
constexpr unsigned C14 = Common | Style1 | Style4;
constexpr unsigned S145 = Style1 | Style4 | Style5;

// clang-format off
constexpr FamilyRow Families[] = {
    {"Level Indicator", "lblLevel", KindValueLabel, "", LevelColor, &S::mintFontLabel, &S::mintFontLabel, C145, 1, Numbering::None, ""},
    {"Timer Label", "lblTimerCap", KindCaptionLabel, "Time Remaining", CaptionColor, &S::mintFontLabel, &S::mintFontSummary3Label, C3145, 1, Numbering::None, ""},
    {"Timer Value", "lblTimer", KindValueLabel, "", ValueColor, &S::mintFontValue, &S::mintFontSummary3Value, C3145, 1, Numbering::None, ""},
    {"Blinds Label", "lblBlindsCap", KindValueLabel, "", CaptionColor, &S::mintFontLabel, &S::mintFontSummary3Label, C3145, 1, Numbering::None, ""},
    {"Blinds Value", "lblBlinds", KindValueLabel, "", ValueColor, &S::mintFontValue, &S::mintFontSummary3Value, C3145, 1, Numbering::None, ""},
    {"Chip Values Label", "lblChipValuesCap", KindCaptionLabel, "Chips", CaptionColor, &S::mintFontLabel, &S::mintFontSummary3Label, C314, 1, Numbering::None, ""},
    {"Chip Amount", "lblChipAmount", KindValueLabel, "", ValueColor, &S::mintFontLabel, &S::mintFontSummary3Chips, C314, 10, Numbering::ByIndex, "Chip Amount "},
    {"Payout Label", "lblPayoutCap", KindCaptionLabel, "Top Pays", CaptionColor, &S::mintFontLabel, &S::mintFontLabel, C14, 1, Numbering::None, ""},
    {"Place Value", "lblPlace", KindValueLabel, "", ValueColor, &S::mintFontLabel, &S::mintFontLabel, C14, 5, Numbering::ByPlace, "Place "},
    {"Payout Value", "lblPayout", KindValueLabel, "", ValueColor, &S::mintFontLabel, &S::mintFontLabel, C14, 5, Numbering::ByPlace, "Payout "},
    {"Tournament Name Label", "lblTournamentCap", KindCaptionLabel, "Tournament Summary for", CaptionColor, &S::mintFontSummaryLabel, &S::mintFontSummaryLabel, S145, 1, Numbering::None, ""},
    {"Tournament Name Value", "lblTournament", KindValueLabel, "", ValueColor, &S::mintFontSummaryValue, &S::mintFontSummaryValue, S145, 1, Numbering::None, ""},
    {"Total Buy Label", "lblTotalBuyCap", KindCaptionLabel, "Total $ in Pot", CaptionColor, &S::mintFontSummaryLabel, &S::mintFontSummaryLabel, Style1, 1, Numbering::None, ""},
    {"Total Buy Value", "lblTotalBuy", KindValueLabel, "", ValueColor, &S::mintFontSummaryValue, &S::mintFontSummaryValue, Style1, 1, Numbering::None, ""},
    {"Number Players Label", "lblNumPlayersCap", KindCaptionLabel, "#Players / Tables", CaptionColor, &S::mintFontSummaryLabel, &S::mintFontSummaryLabel, S145, 1, Numbering::None, ""},
    {"Number Players Value", "lblNumPlayers", KindValueLabel, "", ValueColor, &S::mintFontSummaryValue, &S::mintFontSummaryValue, S145, 1, Numbering::None, ""},
    {"Average Stack Label", "lblAveStackCap", KindCaptionLabel, "Avg. Chip Stack", CaptionColor, &S::mintFontSummaryLabel, &S::mintFontSummaryLabel, S145, 1, Numbering::None, ""},
    {"Average Stack Value", "lblAveStack", KindValueLabel, "", ValueColor, &S::mintFontSummaryValue, &S::mintFontSummaryValue, S145, 1, Numbering::None, ""},
    {"Next Break Label", "lblNextBreakCap", KindCaptionLabel, "Next Break", CaptionColor, &S::mintFontSummaryLabel, &S::mintFontSummaryLabel, S145, 1, Numbering::None, ""},
    {"Next Break Value", "lblNextBreak", KindValueLabel, "", ValueColor, &S::mintFontSummaryValue, &S::mintFontSummaryValue, S145, 1, Numbering::None, ""},
    {"Next Blinds Label", "lblNextBlindsCap", KindValueLabel, "", CaptionColor, &S::mintFontSummaryLabel, &S::mintFontSummaryLabel, S145, 1, Numbering::None, ""},
    {"Next Blinds Value", "lblNextBlinds", KindValueLabel, "", ValueColor, &S::mintFontSummaryValue, &S::mintFontSummaryValue, S145, 1, Numbering::None, ""},
};

// The entries of one screen each, in registration order; the players grid
// stands between Summary Style 3 and Summary Style 1, the list grids last.
struct SingleRow {
    const char* description;
    const char* control;
    Long kind;
    Long screen;
    const char* labelText;
    qlonglong color;
    SizeOf size; // nullptr: the fixed size
};

constexpr SingleRow PlayersGrid
    = {"Players Grid", "grid", KindGrid, PlayersScreen, "", ValueColor, &S::mintPlayerGridFontSize};

constexpr SingleRow Singles[] = {
    {"BuyIn Label", "lblBuyinCap", KindCaptionLabel, BuyinScreen, "Buyin", CaptionColor, &S::mintFontSummaryLabel},
    {"BuyIn Value", "lblBuyin", KindValueLabel, BuyinScreen, "", ValueColor, &S::mintFontBuyinValue},
    {"Rebuy Label", "lblRebuyCap", KindCaptionLabel, BuyinScreen, "Rebuys", CaptionColor, &S::mintFontSummaryLabel},
    {"Rebuy Value", "lblRebuy", KindValueLabel, BuyinScreen, "", ValueColor, &S::mintFontBuyinValue},
    {"AddOn Label", "lblAddonCap", KindCaptionLabel, BuyinScreen, "Add-On Chips", CaptionColor, &S::mintFontSummaryLabel},
    {"AddOn Value", "lblAddon", KindValueLabel, BuyinScreen, "", ValueColor, &S::mintFontBuyinValue},
    {"Payouts Grid", "gridPayouts", KindGrid, PayoutsScreen, "", ValueColor, &S::mintPayoutsGridFontSize},
    {"Rules", "rtbRules", KindRichText, RulesScreen, "", ValueColor, nullptr},
    {"Custom Message", "rtbCustomMessage", KindRichText, CustomMessageScreen, "", ValueColor, &S::mintFontBuyinValue},
    {"Manager Report", "txtManagerReport", KindValueLabel, ManagerReportScreen, "", ValueColor, nullptr},
    {"Table/Seat Chart", "gridTables", KindSeatChart, TablesScreen, "", ValueColor, &S::mintSeatChartFontSize},
};

constexpr SingleRow ListGrids[] = {
    {"Awards Grid", "gridAwards", KindGrid, AwardsScreen, "", ValueColor, &S::mintListGridFontSize},
    {"Kills Grid", "gridKills", KindGrid, KillsScreen, "", ValueColor, &S::mintListGridFontSize},
    {"Chip Count Grid", "gridChipCount", KindGrid, ChipCountScreen, "", ValueColor, &S::mintListGridFontSize},
};
// clang-format on

// The rows of Summary Style 2: name and caption; rows 5 to 9 show big values.
struct Summary2Row {
    const char* name;
    const char* labelText;
};

constexpr Summary2Row Summary2Rows[] = {
    {"# Entries", "# Entries"},
    {"# Players", "# Players"},
    {"# Tables", "# Tables"},
    {"Avg. Stack", "Avg. Stack"},
    {"Total Pot", "Total Pot"},
    {"Level", "Level"},
    {"Time Remaining", "Time Remaining"},
    {"Ante", "Ante"},
    {"Blinds", "Blinds"},
    {"Raises", "Raises"},
    {"Time", "Time"},
    {"Next Break", "Next Break"},
    {"Next Ante", "Next Ante "},
    {"Next Blinds", "Next Blinds "},
    {"Next Raises", "Next Raises "},
};

bool isGrid(Long kind) { return kind == KindGrid || kind == KindSeatChart; }

// The first tblFont row of each description, in FontID order.
using StoredRows = QHash<QString, QHash<QString, QVariant>>;

StoredRows readStoredRows(Database& db)
{
    StoredRows rows;
    Recordset rs = db.query(QStringLiteral("SELECT * FROM tblFont ORDER BY FontID"));
    const QStringList columns = rs.columnNames();
    for (; !rs.eof(); rs.moveNext()) {
        const QString description = rs.value(QStringLiteral("Description")).toString();
        if (rows.contains(description))
            continue;
        QHash<QString, QVariant> row;
        for (const QString& column : columns)
            row.insert(column.toLower(), rs.value(column));
        rows.insert(description, row);
    }
    return rows;
}

// A stored size the display can use, as the editor keeps sizes.
bool usableSize(const QVariant& stored, Integer& size)
{
    bool ok = false;
    const double value = stored.toDouble(&ok);
    if (!stored.isValid() || !ok)
        return false;
    const std::optional<Integer> kept = EditorFontSize(value);
    if (kept)
        size = *kept;
    return kept.has_value();
}

// The stored look over the defaults; a field that cannot be used keeps its
// default.
void applyStored(ScreenObject& e, const QHash<QString, QVariant>& row)
{
    const auto field = [&row](const char* name) { return row.value(QString::fromLatin1(name).toLower()); };
    const QVariant label = field("LabelText");
    if (label.isValid())
        e.LabelText = label.toString();
    const QVariant color = field("FontColor");
    if (IsColorNumber(color))
        e.FontColor = color;
    const QVariant name = field("FontName");
    if (name.isValid() && !name.toString().trimmed().isEmpty())
        e.FontName = name.toString();
    e.FontBold = field("FontBold").toLongLong() == 1;
    e.FontItalic = field("FontItalic").toLongLong() == 1;
    usableSize(field("FontSize"), e.FontSize);
    const QVariant header = field("HeaderColor");
    if (IsColorNumber(header) || (header.isValid() && header.toString().isEmpty() && !isGrid(e.Kind)))
        e.HeaderColor = header.toString().isEmpty() ? QVariant(QString()) : header;
}

struct Builder {
    ScreenObjectTable& table;
    const ScreenFontSizes& sizes;
    const StoredRows& stored;

    Integer add(const QString& description, const QString& control, int controlIndex, Long kind, Long screen,
                bool allScreens, qlonglong color, Integer size, const QString& labelText, bool isArrayItem,
                Integer arrayIndex)
    {
        ScreenObject e;
        e.Description = description;
        e.ControlName = control;
        e.ControlIndex = controlIndex;
        e.Kind = kind;
        e.Screen = screen;
        e.AllScreens = allScreens;
        e.DefaultLabelText = labelText;
        e.DefaultFontColor = color;
        e.DefaultFontName = QStringLiteral("Times New Roman");
        e.DefaultFontBold = true;
        e.DefaultFontItalic = false;
        e.DefaultFontSize = size;
        e.DefaultHeaderColor = isGrid(kind) ? QVariant(GridHeaderColor) : QVariant(QString());
        e.IsArrayItem = isArrayItem;
        e.ArrayIndex = arrayIndex;
        ResetScreenObjectFont(e);
        const auto row = stored.constFind(description);
        if (row != stored.constEnd())
            applyStored(e, *row);
        e.Loaded = true;
        table.gtypScreenObjects.append(e);
        return table.gintScreenObjectCount();
    }

    Integer add(const SingleRow& r)
    {
        const Integer size = r.size ? sizes.*r.size : FixedTextSize;
        return add(QString::fromLatin1(r.description), QString::fromLatin1(r.control), -1, r.kind, r.screen, false,
                   r.color, size, QString::fromLatin1(r.labelText), false, 0);
    }

    void addGroup(const GroupRow& g)
    {
        const QString prefix = QString::fromLatin1(g.prefix);
        for (const FamilyRow& f : Families) {
            if (!(f.groups & g.group))
                continue;
            const Integer size = sizes.*(g.group == Style3 ? f.style3Size : f.size);
            const bool array = f.elements > 1;
            for (int i = 0; i < f.elements; ++i) {
                QString description = prefix + QString::fromLatin1(f.description);
                if (i > 0) {
                    const int number = f.numbering == Numbering::ByPlace ? i + 1 : i;
                    description = prefix + QString::fromLatin1(f.elementPrefix) + QString::number(number);
                }
                add(description, QString::fromLatin1(f.control), array ? i : -1, f.kind, g.screen, g.allScreens,
                    f.color, size, QString::fromLatin1(f.labelText), array, static_cast<Integer>(i));
            }
        }
    }

    void addSummary2()
    {
        const QString prefix = QStringLiteral("Summary 2 ");
        add(prefix + QStringLiteral("Tournament Label"), QStringLiteral("lblClassicTournamentTitle"), -1,
            KindValueLabel, Summary2Screen, false, ValueColor, sizes.mintFontSummary2Value, QString(), false, 0);
        int i = 0;
        for (const Summary2Row& r : Summary2Rows) {
            const QString name = QString::fromLatin1(r.name);
            const Integer valueSize = (i >= 5 && i <= 9) ? sizes.mintFontSummary2Big : sizes.mintFontSummary2Value;
            add(prefix + name + QStringLiteral(" Label"), QStringLiteral("lblClassicHeader"), i, KindCaptionLabel,
                Summary2Screen, false, CaptionColor, sizes.mintFontSummary2Label, QString::fromLatin1(r.labelText),
                false, 0);
            add(prefix + name + QStringLiteral(" Value"), QStringLiteral("lblClassicItem"), i, KindValueLabel,
                Summary2Screen, false, ValueColor, valueSize, QString(), false, 0);
            ++i;
        }
    }
};

// The stored form of a colour: its decimal digits, or the text as read.
QString colorText(const QVariant& color) { return color.toString(); }

void writeRow(Database& db, const ScreenObject& e)
{
    Recordset rs = db.openTable(QStringLiteral("tblFont"), QStringLiteral("WHERE Description = ? ORDER BY FontID"),
                                {e.Description});
    if (rs.recordCount() < 1) {
        rs.addNew();
        rs.setValue(QStringLiteral("Description"), e.Description);
    } else {
        rs.moveFirst();
        rs.edit();
    }
    rs.setValue(QStringLiteral("LabelText"), e.LabelText);
    rs.setValue(QStringLiteral("FontColor"), colorText(e.FontColor));
    rs.setValue(QStringLiteral("FontName"), e.FontName);
    rs.setValue(QStringLiteral("FontBold"), e.FontBold ? 1 : 0);
    rs.setValue(QStringLiteral("FontItalic"), e.FontItalic ? 1 : 0);
    rs.setValue(QStringLiteral("FontSize"), static_cast<int>(e.FontSize));
    rs.setValue(QStringLiteral("HeaderColor"), colorText(e.HeaderColor));
    rs.update();
}

} // namespace

ScreenFontSizes ScreenFontSizesFor(bool Large, Long PlayerDisplay)
{
    ScreenFontSizes s;
    if (!Large) {
        s.mintPlayerGridOneColumnDefautFontSize = 20;
        s.mintPlayerGridTwoColumnDefautFontSize = 14;
        s.mintFontLabel = 20;
        s.mintFontValue = 40;
        s.mintFontSummaryLabel = 18;
        s.mintFontBuyinValue = 30;
        s.mintFontSummaryValue = 36;
        s.mintFontSummary2Label = 16;
        s.mintFontSummary2Value = 26;
        s.mintFontSummary2Big = 44;
        s.mintFontSummary3Label = 36;
        s.mintFontSummary3Chips = 50;
        s.mintFontSummary3Value = 64;
        s.mintPayoutsGridFontSize = 22;
        s.mintListGridFontSize = 14;
        s.mintSeatChartFontSize = 12;
    }
    s.mintPlayerGridFontSize = s.PlayerGridDefaultFontSize(PlayerDisplay);
    return s;
}

QString ScreenObject::ControlObjectName() const
{
    return ControlIndex < 0 ? ControlName : QStringLiteral("%1(%2)").arg(ControlName).arg(ControlIndex);
}

void ResetScreenObjectFont(ScreenObject& Entry)
{
    Entry.LabelText = Entry.DefaultLabelText;
    Entry.FontColor = Entry.DefaultFontColor;
    Entry.FontName = Entry.DefaultFontName;
    Entry.FontBold = Entry.DefaultFontBold;
    Entry.FontItalic = Entry.DefaultFontItalic;
    Entry.FontSize = Entry.DefaultFontSize;
    Entry.HeaderColor = Entry.DefaultHeaderColor;
}

void ScreenObjectTable::clear()
{
    gtypScreenObjects.clear();
    gintPlayersGridObject = 0;
    gintRulesObject = 0;
    gintCustomMessageObject = 0;
}

void ScreenObjectTable::LoadScreenObjects(Database& db, const ScreenFontSizes& Sizes, Prompter& prompts)
{
    clear();
    StoredRows stored;
    try {
        stored = readStoredRows(db);
    } catch (const DatabaseError& e) {
        prompts.message(QStringLiteral("The stored fonts and colors could not be read, so the display shows its "
                                       "built-in look:\n")
                        + QString::fromUtf8(e.what()));
    }
    Builder b {*this, Sizes, stored};
    b.addGroup(Groups[0]);
    b.addGroup(Groups[1]);
    gintPlayersGridObject = b.add(PlayersGrid);
    for (int g = 2; g < 5; ++g)
        b.addGroup(Groups[g]);
    for (const SingleRow& r : Singles) {
        const Integer index = b.add(r);
        if (qstrcmp(r.description, "Rules") == 0)
            gintRulesObject = index;
        else if (qstrcmp(r.description, "Custom Message") == 0)
            gintCustomMessageObject = index;
    }
    b.addSummary2();
    for (const SingleRow& r : ListGrids)
        b.add(r);
}

QList<Integer> ScreenObjectTable::ScreenObjectsOf(Long ScreenId) const
{
    QList<Integer> result;
    for (Integer i = 1; i <= gintScreenObjectCount(); ++i) {
        const ScreenObject& e = gtypScreenObjects[i];
        if (ScreenId == Summary3Screen ? e.Screen == Summary3Screen : (e.Screen == ScreenId || e.AllScreens))
            result.append(i);
    }
    return result;
}

QList<Integer> ScreenObjectTable::CopyArrayLook(Integer Index)
{
    QList<Integer> result;
    if (!gtypScreenObjects.contains(Index))
        return result;
    const ScreenObject& first = gtypScreenObjects[Index];
    if (!first.IsArrayItem || first.ArrayIndex != 0)
        return result;
    for (Integer j = Index + 1; j <= gintScreenObjectCount(); ++j) {
        ScreenObject& e = gtypScreenObjects[j];
        if (!e.IsArrayItem || e.ArrayIndex == 0)
            break;
        e.LabelText = first.LabelText;
        e.FontColor = first.FontColor;
        e.FontName = first.FontName;
        e.FontBold = first.FontBold;
        e.FontItalic = first.FontItalic;
        e.FontSize = first.FontSize;
        e.HeaderColor = first.HeaderColor;
        result.append(j);
    }
    return result;
}

void ScreenObjectTable::SaveScreenObjectFont(Database& db, Integer Index) const
{
    writeRow(db, gtypScreenObjects[Index]);
}

void ScreenObjectTable::SaveScreenObjectFonts(Database& db, const QList<Integer>& Indexes) const
{
    Transaction transaction(db);
    for (const Integer i : Indexes)
        writeRow(db, gtypScreenObjects[i]);
    transaction.commit();
}

Integer ScreenObjectTable::IndexOf(const QString& Description) const
{
    for (Integer i = 1; i <= gintScreenObjectCount(); ++i) {
        if (gtypScreenObjects[i].Description == Description)
            return i;
    }
    return 0;
}

ScreenObjectTable& screenObjects()
{
    static ScreenObjectTable table;
    return table;
}

QList<ListItem> ScreenComboItems(bool AllFields)
{
    struct Row {
        const char* text;
        Long id;
    };
    static constexpr Row rows[] = {
        {"Summary Style 1", Summary1Screen},     {"Summary Style 2", Summary2Screen},
        {"Summary Style 3", Summary3Screen},     {"Summary Style 4", Summary4Screen},
        {"Summary Style 5", Summary5Screen},     {"Table & Seat Chart", TablesScreen},
        {"Buyin Details", BuyinScreen},          {"Payouts", PayoutsScreen},
        {"Bounties & Awards", AwardsScreen},     {"Kills", KillsScreen},
        {"Chip Count", ChipCountScreen},         {"Rules", RulesScreen},
        {"CustomMessage", CustomMessageScreen},  {"CustomPicture", CustomPictureScreen},
        {"Manager Report", ManagerReportScreen},
    };
    QList<ListItem> items;
    items.append(
        {AllFields ? QStringLiteral("Players/Common Fields on Non-Summary Screens") : QStringLiteral("Players"),
         PlayersScreen});
    for (const Row& r : rows)
        items.append({QString::fromLatin1(r.text), r.id});
    return items;
}
