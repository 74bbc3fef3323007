#include "core/setup/WizardSave.h"

#include "core/floor/Levels.h"
#include "core/platform/StoredDate.h"
#include "core/setup/WizardValues.h"
#include "core/store/MoneyRules.h"
#include "core/store/Nz.h"
#include "core/store/OpenTournament.h"
#include "core/store/Payouts.h"
#include "core/store/TournamentChange.h"
#include "core/store/TournamentStore.h"

#include <QRegularExpression>

QString WizardForm::text(const QString& control) const
{
    const auto found = Text.constFind(control);
    if (found == Text.cend())
        throw MissingWizardControl(control);
    return *found;
}

int WizardForm::index(const QString& control) const
{
    const auto found = Index.constFind(control);
    if (found == Index.cend())
        throw MissingWizardControl(control);
    return *found;
}

MissingWizardControl::MissingWizardControl(const QString& control)
    : std::logic_error(QStringLiteral("The tournament set-up has no control named \"%1\"; nothing was stored.")
                           .arg(control)
                           .toStdString())
{
}

namespace {

// What a box's number is held to: a whole number of 16 or 32 bits, money,
// chips or points, or nothing (durations, checked once summed).
enum class Limit { None, Integer16, Long32, Money, Count };

std::optional<QString> refuseTooLarge(double x, Limit limit, const QString& label)
{
    switch (limit) {
    case Limit::Integer16:
        return RefuseTooLarge<Integer>(x, label);
    case Limit::Long32:
        return RefuseTooLarge<Long>(x, label);
    case Limit::Money:
        return RefuseTooLarge<Money>(x, label);
    case Limit::Count:
        return RefuseTooLarge<Count>(x, label);
    case Limit::None:
        break;
    }
    return std::nullopt;
}

// Money and the counts that money and seating are worked out from are never
// below 0: a negative text is refused by its name ("Buy-in cannot be
// negative.").
std::optional<WizardFault> refuseNegative(double value, const QString& control, const char* name, int page)
{
    if (auto message = RefuseNegative(value, QString::fromLatin1(name)))
        return WizardFault {page, control, *message};
    return std::nullopt;
}

// A number beyond its limit is refused by tooLargeLabel where the label of
// the message "... must be numeric." would not name the box.
std::optional<WizardFault> verifyNumeric(const WizardForm& f, const QString& control, const QString& label, int page,
                                         Limit limit = Limit::None, const char* negativeName = nullptr,
                                         const char* tooLargeLabel = nullptr)
{
    double x = 0;
    if (!ReadsAsNumber(f.text(control), &x))
        return WizardFault {page, control, label + QStringLiteral(" must be numeric.")};
    if (negativeName)
        if (auto negative = refuseNegative(x, control, negativeName, page))
            return negative;
    if (auto tooLarge = refuseTooLarge(x, limit, tooLargeLabel ? QString::fromLatin1(tooLargeLabel) : label))
        return WizardFault {page, control, *tooLarge};
    return std::nullopt;
}

struct NumericBox {
    const char* Control;
    const char* Label;
    int Page;
    Limit HeldTo;
    const char* NegativeName; // the name a negative value is refused by; none: negatives are taken
    const char* TooLargeLabel = nullptr; // none: the label
};

constexpr NumericBox BuyinBoxes[] = {
    {"txtBuyin", "Buyin amount", 1, Limit::Money, "Buy-in"},
    {"txtAddonAmount", "Addon Chips, even if not used,", 1, Limit::Money, "Add-on amount",
     "Add-on Amount, even if not used,"},
    {"txtAddonChipValue", "Addon Chips Value, even if not used,", 1, Limit::Count, "Add-on chip value"},
    {"txtBuyinChipValue", "Buyin chip value", 1, Limit::Count, "Buy-in chip value"},
    {"txtRebuy", "Rebuy amount, even if not used,", 1, Limit::Money, "Rebuy amount"},
    {"txtRebuyChipValue", "Rebuy chip value, even if not used,", 1, Limit::Count, "Rebuy chip value"},
    {"txtTakeAmount", "House Fee", 1, Limit::Money, "House fee"},
    {"txtEstNumPlayers", "Estimated Number of Players", 1, Limit::Integer16, "Estimated number of players"},
    {"txtEstNumRebuys", "Estimated Number of Rebuys", 1, Limit::Integer16, "Estimated number of rebuys"},
    {"txtEstNumAddons", "Estimated Number of Addons", 1, Limit::Integer16, "Estimated number of add-ons"},
    {"txtEstDurationHour", "Estimated Duration of Tournament", 3, Limit::None, nullptr},
    {"txtEstDurationMin", "Estimated Duration of Tournament", 3, Limit::None, nullptr},
    {"txtEstTimeforBreaks", "Estimated Time for Breaks", 3, Limit::Integer16, nullptr},
    {"txtEstNumBreaks", "Estimated Number of Breaks", 3, Limit::Integer16, nullptr},
};

// The current level's boxes, which the clock runs from with manual or
// doubling blinds (the level table sets them otherwise).
constexpr NumericBox CurrentLevelBoxes[] = {
    {"txtLittleBlind", "Small Blind", 3, Limit::Count, "Small blind"},
    {"txtBigBlind", "Big Blind", 3, Limit::Count, "Big blind"},
    {"txtSmallRaise", "Small Raise", 3, Limit::Count, "Small raise"},
    {"txtBigRaise", "Big Raise", 3, Limit::Count, "Big raise"},
    {"txtAnte", "Ante", 3, Limit::Count, "Ante"},
    {"txtMinutesPerSession", "Minutes per Session", 3, Limit::Long32, "Minutes per session"},
};

constexpr NumericBox PointsBoxes[] = {
    {"txtPointsAllPlayers", "Auto-Points Value, even if not used,", 4, Limit::Count, nullptr},
    {"txtPointsByPosition", "Auto-Points Value, even if not used,", 4, Limit::Count, nullptr},
    {"txtBountyAllDollars", "Bounty $ Value, even if not used,", 5, Limit::Money, "Bounty amount"},
    {"txtBountyAllPoints", "Bounty Points Value, even if not used,", 5, Limit::Count, "Bounty points"},
};

std::optional<WizardFault> verifyAll(const WizardForm& f, const auto& boxes)
{
    for (const NumericBox& b : boxes)
        if (auto fault = verifyNumeric(f, QString::fromLatin1(b.Control), QString::fromLatin1(b.Label), b.Page,
                                       b.HeldTo, b.NegativeName, b.TooLargeLabel))
            return fault;
    return std::nullopt;
}

constexpr int SessionColumn = 5;
constexpr int BreakColumn = 6;

// A level cell by its place in a level row: the grid's header, which names
// it when it is no number or too large, and the name it is refused by below
// 0; the session minutes have their own check.
struct LevelCell {
    const char* Header;
    const char* NegativeName;
};
constexpr LevelCell LevelCells[] = {
    {"Ante", "Ante"},
    {"Small Blind", "Small blind"},
    {"Big Blind", "Big blind"},
    {"Small Raise", "Small raise"},
    {"Big Raise", "Big raise"},
    {"Session Time (Min.)", nullptr},
    {"Break Time (Min.)", "Break time"},
};

std::optional<QString> levelCellFault(const QString& text, int cell, long level)
{
    const QString header = QString::fromLatin1(LevelCells[cell].Header);
    double x = 0;
    if (!ReadsAsNumber(text, &x))
        return header + QStringLiteral(" must be numeric.");
    if (cell == SessionColumn) {
        if (auto tooLarge = RefuseTooLarge<Integer>(x, header))
            return tooLarge;
        // Below one minute the clock would never move on.
        if (x < 0)
            return QStringLiteral("Session time of level %1 cannot be negative.").arg(level);
        if (RoundHalfEven(x) <= 0)
            return QStringLiteral("Session time of level %1 cannot be 0.").arg(level);
        return std::nullopt;
    }
    if (auto negative = RefuseNegative(x, QString::fromLatin1(LevelCells[cell].NegativeName)))
        return negative;
    // Break minutes load as a 16-bit whole number; blinds, antes and
    // raises are chips.
    if (cell == BreakColumn)
        return RefuseTooLarge<Integer>(x, header);
    return RefuseTooLarge<Count>(x, header);
}

std::optional<WizardFault> checkLevels(WizardForm& f)
{
    const QString grid = QStringLiteral("gridLevels");
    // The level grid shows a level row's values from its column 1 on.
    const auto fault = [&](long level, int cell, const QString& message) {
        return WizardFault {3, grid, message, level, cell + 1};
    };
    for (long n = 1; n <= f.Levels.size(); ++n) {
        LevelRow& row = f.Levels[n - 1];
        ZeroBlanks(row);
        for (int cell = 0; cell < int(row.size()); ++cell)
            if (auto message = levelCellFault(row[cell], cell, n))
                return fault(n, cell, *message);
    }
    if (!f.Levels.isEmpty() && NzDouble(f.Levels.last()[BreakColumn]) != 0)
        return fault(f.Levels.size(), BreakColumn,
                     QStringLiteral("You cannot schedule a break after the last session."));
    return std::nullopt;
}

// Percentages share out the pool: the places and the house together can
// take all of it and no more, or place 1 (or the house) would get what is
// left of less than nothing. The row to show (the first, for the total) and
// the message.
std::optional<std::pair<long, QString>> checkPercentages(const WizardForm& f)
{
    if (f.index(QStringLiteral("cmbPayoutType")) != OpenTournament::PayPercentages)
        return std::nullopt;
    QList<double> percents;
    for (const PayoutRow& row : f.Payouts)
        percents << NzDouble(row.Payout);
    if (const QList<long> above = RowsAboveWholePool(percents); !above.isEmpty())
        return std::pair(above.first(),
                         QStringLiteral("The payout of %1 cannot be above 100%.").arg(PayoutRowName(above.first())));
    if (const double total = PercentTotal(percents); total > 100)
        return std::pair(0L,
                         QStringLiteral("The payouts add up to %1: the places and the house can take 100% of "
                                        "the prize pool at most.")
                             .arg(PercentText(total)));
    return std::nullopt;
}

std::optional<WizardFault> checkPayouts(const WizardForm& f)
{
    // Grid row 1 is the house, row k + 1 place k; column 1 the amount,
    // column 2 the points.
    const QString grid = QStringLiteral("grid");
    const auto fault = [&](long r, long column, const QString& message) {
        return WizardFault {4, grid, message, r + 1, column};
    };
    // Prizes are texts, but points are stored with them too.
    if (f.index(QStringLiteral("cmbPayoutType")) < OpenTournament::PayPrizes) {
        for (long r = 0; r < f.Payouts.size(); ++r)
            if (!ReadsAsNumber(f.Payouts[r].Payout))
                return fault(
                    r, 1, QStringLiteral("Payouts must be numeric.    Set to 0 if you don't want to have a payout."));
        for (long r = 0; r < f.Payouts.size(); ++r)
            if (!ReadsAsNumber(f.Payouts[r].Points))
                return fault(r, 2,
                             QStringLiteral("Points must be numeric.  Set to 0 if you don't want to include points."));
        for (long r = 0; r < f.Payouts.size(); ++r)
            if (auto negative = refuseNegative(NzDouble(f.Payouts[r].Payout), grid, "Payouts", 4))
                return fault(r, 1, negative->Message);
        if (auto over = checkPercentages(f))
            return fault(over->first, 1, over->second);
        // A percentage is held to 100 by its own check.
        if (f.index(QStringLiteral("cmbPayoutType")) == OpenTournament::PayFixedAmounts)
            for (long r = 0; r < f.Payouts.size(); ++r)
                if (auto tooLarge = RefuseTooLarge<Money>(NzDouble(f.Payouts[r].Payout), QStringLiteral("Payout")))
                    return fault(r, 1, *tooLarge);
    }
    // Stored in single precision.
    for (long r = 0; r < f.Payouts.size(); ++r)
        if (auto tooLarge = RefuseTooLarge<Count>(NzDouble(f.Payouts[r].Points), QStringLiteral("Points")))
            return fault(r, 2, *tooLarge);
    return std::nullopt;
}

} // namespace

std::optional<WizardFault> CheckWizardForm(WizardForm& f, const std::function<bool(const QString&)>& validateName)
{
    if (f.NewTourney && !validateName(f.text(QStringLiteral("txtName"))))
        return WizardFault {0, QStringLiteral("txtName"), QString()};
    if (!ReadDateBox(f.text(QStringLiteral("txtDate"))))
        return WizardFault {0, QStringLiteral("txtDate"), QStringLiteral("Invalid tournament date.")};
    const QString perTable = QStringLiteral("txtMaxPlayersPerTable");
    if (auto fault = verifyNumeric(f, perTable, QStringLiteral("Players per table"), 0, Limit::Integer16))
        return fault;
    if (RoundHalfEven(NzDouble(f.text(perTable))) < 1)
        return WizardFault {0, perTable, QStringLiteral("Players per table must be at least 1.")};
    if (auto fault = checkLevels(f))
        return fault;
    if (f.index(QStringLiteral("chkAllowAddon")) == 1) {
        const int first = f.index(QStringLiteral("cmbAddonLevel1"));
        const int second = f.index(QStringLiteral("cmbAddonLevel2"));
        if (first > second && second != 0)
            return WizardFault {1, QStringLiteral("cmbAddonLevel1"),
                                QStringLiteral("The levels set for add-on are not valid.  The 2nd level cannot be "
                                               "lower than the 1st level.")};
    }
    if (auto fault = verifyAll(f, BuyinBoxes))
        return fault;
    const double duration = NzDouble(f.text(QStringLiteral("txtEstDurationHour"))) * 60
        + NzDouble(f.text(QStringLiteral("txtEstDurationMin")));
    if (auto tooLarge = RefuseTooLarge<Integer>(duration, QStringLiteral("Estimated Duration of Tournament")))
        return WizardFault {3, QStringLiteral("txtEstDurationHour"), *tooLarge};
    // The clock runs from the current level's boxes with manual or doubling
    // blinds: a slip in one is refused, never read as 0. With the level table
    // they are hidden and set from the table.
    if (f.index(QStringLiteral("cmbPresets")) != BlindModeLevelTable) {
        if (auto fault = verifyAll(f, CurrentLevelBoxes))
            return fault;
    } else {
        for (const NumericBox& b : CurrentLevelBoxes)
            if (const QString control = QString::fromLatin1(b.Control);
                verifyNumeric(f, control, QString(), b.Page, b.HeldTo))
                f.Text[control] = QStringLiteral("0");
    }
    for (int i = 0; i < 10; ++i)
        if (auto fault = verifyNumeric(f, WizardControlName("txtChipAmount", i), QStringLiteral("Chip values"), 2,
                                       Limit::Count, "Chip values", "Chip value"))
            return fault;
    for (int i = 0; i < 10; ++i) {
        const QString count = WizardControlName("cmbNumChips", i);
        if (auto fault = refuseNegative(NzDouble(f.text(count)), count, "Chips per player", 2))
            return fault;
        if (auto tooLarge = RefuseTooLarge<Integer>(NzDouble(f.text(count)), QStringLiteral("Chips per player")))
            return WizardFault {2, count, *tooLarge};
    }
    if (auto fault = checkPayouts(f))
        return fault;
    return verifyAll(f, PointsBoxes);
}

std::optional<QDate> ReadDateBox(const QString& text)
{
    static const QRegularExpression us(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QString t = text.trimmed();
    QDate day;
    if (const auto m = us.match(t); m.hasMatch())
        day = QDate(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
    else if (const auto m = iso.match(t); m.hasMatch())
        day = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!day.isValid())
        return std::nullopt;
    return day;
}

QString CutPictureLocation(int pictureType, const QString& location)
{
    QString cut = location.trimmed();
    if (cut.isEmpty())
        return cut;
    static const QStringList pictures {QStringLiteral("jpg"), QStringLiteral("bmp"), QStringLiteral("gif")};
    const qsizetype slash = cut.lastIndexOf(QLatin1Char('/'));
    if (pictureType == 1 && pictures.contains(cut.right(3).toLower()) && slash >= 0)
        cut = cut.left(slash);
    if (cut.endsWith(QLatin1Char('/')))
        cut.chop(1);
    return cut;
}

QList<Integer> PlayersToUnseat(const OpenTournament& t, Integer playersPerTable)
{
    QList<Integer> unseat;
    for (Integer k = 1; k <= t.gintPlayerCount(); ++k)
        if (t.gtypPlayers[k].Seat > playersPerTable)
            unseat.append(k);
    return unseat;
}

QList<Integer> ApplyWizardForm(const WizardForm& f, OpenTournament& t)
{
    const auto text = [&](const char* control) { return f.text(QString::fromLatin1(control)); };
    const auto num = [&](const char* control) { return NzDouble(text(control)); };
    const auto whole = [&](const char* control) { return NzInteger(num(control)); };
    const auto index = [&](const char* control) { return Integer(f.index(QString::fromLatin1(control))); };

    t.gstrTournamentName = text("txtName");
    t.gvarTournamentDate = DateTimeOf(ReadDateBox(text("txtDate")).value_or(QDate()));
    t.glngMinutesPerSession = NzLong(num("txtMinutesPerSession"));
    t.gintPlayersPerTable = whole("txtMaxPlayersPerTable");
    t.gdblSmall = num("txtLittleBlind");
    t.gdblBig = num("txtBigBlind");
    t.gdblSmallRaise = num("txtSmallRaise");
    t.gdblBigRaise = num("txtBigRaise");
    const Integer level = Integer(index("cmbLevel") + 1);
    if (level != t.gintBlindsLevel)
        t.gblnOnBreak = false; // a changed level ends a running break
    t.gintBlindsLevel = level;
    t.gintAutoDoubleBlind = index("cmbPresets");
    t.gdblAnte = num("txtAnte");
    t.gdblBuyin = num("txtBuyin");
    t.gintPayAsPercentages = index("cmbPayoutType");
    t.gintNumberPaid = Integer(index("cmbNumPaid") + 1);
    t.gintRoundTo = whole("cmbRound");
    for (int i = 0; i < OpenTournament::ChipSlots; ++i) {
        t.gdblChipAmount[i] = NzDouble(f.text(WizardControlName("txtChipAmount", i)));
        t.gstrChipColor[i] = f.text(WizardControlName("cmbChipColor", i));
        t.gintStartingChipCount[i] = NzInteger(NzDouble(f.text(WizardControlName("cmbNumChips", i))));
        t.gstrChipPicture[i] = f.text(WizardControlName("txtChipPicture", i));
    }
    t.gintEstNumberofPlayers = whole("txtEstNumPlayers");
    t.gintEstNumberofRebuys = whole("txtEstNumRebuys");
    t.gintEstNumberofAddons = whole("txtEstNumAddons");
    t.gintEstDurationOfTournament = NzInteger(num("txtEstDurationHour") * 60 + num("txtEstDurationMin"));
    t.gintEstTimeForBreaks = whole("txtEstTimeforBreaks");
    t.gintEstNumberofBreaks = whole("txtEstNumBreaks");
    t.glngNotifyWhenTablesCanBeReduced = index("cmbTATableNotify");
    t.gintAllowRebuys = index("chkAllowRebuys");
    t.gintAllowAddons = index("chkAllowAddon");
    t.gdblBuyinChipValue = num("txtBuyinChipValue");
    t.gdblRebuyAmount = num("txtRebuy");
    t.gdblRebuyChipValue = num("txtRebuyChipValue");
    t.gintNumberRebuys = index("cmbNumRebuysAllowed");
    t.gintRebuyUntilLevel = index("cmbRebuyLevel");
    t.gdblAddonAmount = num("txtAddonAmount");
    t.gdblAddonChipValue = num("txtAddonChipValue");
    t.gintNumberAddons = index("cmbAddonNumAllowed");
    t.gintAddonLevel1 = index("cmbAddonLevel1");
    t.gintAddonLevel2 = index("cmbAddonLevel2");
    t.gdblHouseTakeAmount = num("txtTakeAmount");
    t.gstrRules = f.Rules;
    t.gstrCustomMessage = f.CustomMessage;
    t.gintCustomPictureType = index("cmbCustomPictureType");
    t.gstrCustomPictureLocation = CutPictureLocation(t.gintCustomPictureType, text("txtFile"));
    t.gintUseAutoPointsAll = index("chkPointsAllPlayers");
    t.gintUseAutoPointsbyPosition = index("chkPointsByPosition");
    t.gdblAutoPointsAllPlayers = num("txtPointsAllPlayers");
    t.gdblAutoPointsByPositionFactor = num("txtPointsByPosition");
    t.gintAutoBountyType = index("cmbBountyAll");
    t.gdblAutoBountyDollars = num("txtBountyAllDollars");
    t.gdblAutoBountyPoints = num("txtBountyAllPoints");

    t.RedimLevels(long(f.Levels.size()));
    for (long n = 1; n <= f.Levels.size(); ++n) {
        const LevelRow& row = f.Levels[n - 1];
        t.gdblLevelAnte[n] = NzDouble(row[0]);
        t.gdblLevelSmallBlind[n] = NzDouble(row[1]);
        t.gdblLevelBigBlind[n] = NzDouble(row[2]);
        t.gdblLevelSmallRaise[n] = NzDouble(row[3]);
        t.gdblLevelBigRaise[n] = NzDouble(row[4]);
        t.gintLevelSessionTime[n] = NzInteger(NzDouble(row[SessionColumn]));
        t.gdblLevelBreakAfter[n] = NzDouble(row[BreakColumn]);
        if (n <= f.Reminders.size()) {
            t.gstrLevelReminder[n] = f.Reminders[n - 1].first;
            t.gblnLevelWaitOnReminder[n] = f.Reminders[n - 1].second;
        }
    }

    // A new tournament starts without entrants, so its seats are not
    // touched; an earlier tournament's players stay where they are.
    QList<Integer> unseated;
    if (f.NewTourney) {
        t.ClearPlayers();
    } else {
        unseated = PlayersToUnseat(t, t.gintPlayersPerTable);
        for (Integer k : unseated)
            t.gtypPlayers[k].Table = t.gtypPlayers[k].Seat = 0;
    }

    t.gdblPayout.redimPreserve(t.gintNumberPaid);
    t.gstrPayoutPrize.redimPreserve(t.gintNumberPaid);
    t.gsngPayoutPoints.redimPreserve(t.gintNumberPaid);
    t.gdblCalculatedPayout.redimPreserve(t.gintNumberPaid);
    for (long e = 0; e <= t.gintNumberPaid && e < f.Payouts.size(); ++e) {
        const PayoutRow& row = f.Payouts[e];
        if (t.gintPayAsPercentages == OpenTournament::PayPrizes) {
            t.gdblPayout[e] = 0;
            t.gstrPayoutPrize[e] = row.Payout;
        } else {
            t.gdblPayout[e] = NzDouble(row.Payout);
        }
        t.gsngPayoutPoints[e] = Narrow<Single>(NzDouble(row.Points));
    }

    if (f.AwardPlaceholder || f.Awards.isEmpty()) {
        t.gtypAwards.clear();
    } else {
        t.gtypAwards.redim(1, long(f.Awards.size()));
        for (long i = 1; i <= f.Awards.size(); ++i) {
            const auto& row = f.Awards[i - 1];
            AwardRecord& a = t.gtypAwards[i];
            a.AwardID = NzLong(NzDouble(row[0]));
            a.IsBounty = NzInteger(NzDouble(row[1]));
            a.BountyPlayerID = NzLong(NzDouble(row[2]));
            a.Description = row[3];
            a.Payout = NzDouble(row[4]);
            a.Points = NzDouble(row[5]);
            a.AwardedToPlayerID = NzLong(NzDouble(row[6]));
        }
    }
    CalculatePayouts(t);
    return unseated;
}

void SaveWizardForm(Database& db, OpenTournament& t, const WizardForm& form)
{
    ChangeTournament(db, t, [&](OpenTournament& copy) {
        const QList<Integer> changed = ApplyWizardForm(form, copy);
        SaveTournamentPlayers(db, copy, std::set<long>(changed.begin(), changed.end()));
        // The tournament is stored as the clock will run it: at its current
        // level of the table, not at the manual boxes, so that the stored
        // row and the clock agree from the first moment. A new one starts
        // off any break.
        SetLevel(copy, copy.gintBlindsLevel);
        if (form.NewTourney)
            ResetTourney(copy);
        SaveTournament(db, copy, form.NewTourney);
    });
}
