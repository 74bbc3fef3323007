#include "core/display/ScreenContents.h"

#include "core/floor/BlindsText.h"
#include "core/floor/FloorEntries.h"
#include "core/floor/Levels.h"
#include "core/floor/TablesInPlay.h"
#include "core/store/ChipColors.h"
#include "core/store/MoneyFormat.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramSettings.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

namespace {

constexpr double LargePayout = 100000; // from here the top payouts drop the currency symbol

// The five blinds figures, in the order the blinds texts take them.
struct Blinds {
    double ante = 0;
    double smallRaise = 0;
    double bigRaise = 0;
    double small = 0;
    double big = 0;

    Blinds doubled() const { return {ante * 2, smallRaise * 2, bigRaise * 2, small * 2, big * 2}; }
};

Blinds currentBlinds(const OpenTournament& t)
{
    return {t.gdblAnte, t.gdblSmallRaise, t.gdblBigRaise, t.gdblSmall, t.gdblBig};
}

Blinds levelBlinds(const OpenTournament& t, long level)
{
    return {t.gdblLevelAnte[level], t.gdblLevelSmallRaise[level], t.gdblLevelBigRaise[level],
            t.gdblLevelSmallBlind[level], t.gdblLevelBigBlind[level]};
}

CaptionAndValue blindsText(const OpenTournament& t, const Blinds& b, bool next, const DisplayFormats& f)
{
    QString header;
    QString values;
    BuildBlindsStrings(header, values, b.ante, b.smallRaise, b.bigRaise, b.small, b.big, next, t.gintBlindsLevel,
                       f.MoneyFormat);
    return {header.trimmed(), values.trimmed()};
}

// How the next level's blinds are found.
enum class NextKind { Doubled, FromTable, Final, None };

NextKind nextKind(const OpenTournament& t)
{
    if (t.gintAutoDoubleBlind == BlindModeDoubling)
        return NextKind::Doubled;
    if (t.gintAutoDoubleBlind != BlindModeLevelTable)
        return NextKind::None;
    // A level at or past the last (the table may have been shortened), or no
    // levels at all, has no next level to read.
    const long next = long(t.gintBlindsLevel) + 1;
    return next >= 1 && next <= LevelCount(t) && t.gdblLevelSmallBlind.contains(next) ? NextKind::FromTable
                                                                                      : NextKind::Final;
}

Blinds nextBlinds(const OpenTournament& t, NextKind kind)
{
    switch (kind) {
    case NextKind::Doubled:
        return currentBlinds(t).doubled();
    case NextKind::FromTable:
        return levelBlinds(t, long(t.gintBlindsLevel) + 1);
    default:
        return currentBlinds(t);
    }
}

QString countOr(long n, const char* none) { return n != 0 ? QString::number(n) : QString::fromLatin1(none); }

QString dateText(const QVariant& date)
{
    if (!date.isValid() || date.isNull())
        return QString();
    if (date.typeId() == QMetaType::QDateTime || date.typeId() == QMetaType::QDate)
        return QLocale().toString(date.toDate(), QLocale::ShortFormat);
    return date.toString();
}

} // namespace

DisplayFormats DisplayFormatsOf(const ProgramSettings& s)
{
    return {s.gstrMoneyFormat, s.gstrCurrencySymbol, s.gintTableID, s.gintSeatID};
}

CaptionAndValue BlindsLine(const OpenTournament& t, const DisplayFormats& f)
{
    return blindsText(t, currentBlinds(t), false, f);
}

QStringList BlindsGroups(const OpenTournament& t, const DisplayFormats& f)
{
    const Blinds b = currentBlinds(t);
    QStringList groups;
    for (const ClassicBlindsRow& row :
         LoadClassicBlinds(b.ante, b.small, b.big, b.smallRaise, b.bigRaise, false, f.MoneyFormat))
        if (!row.values.isEmpty())
            groups << row.values;
    return groups;
}

ChipPanel ChipPanelOf(const OpenTournament& t, const DisplayFormats& f)
{
    ChipPanel panel;
    const QString chipFormat = f.CurrencySymbol + QStringLiteral("##0");
    for (int i = 0; i < OpenTournament::ChipSlots; ++i) {
        ChipSlot& slot = panel.Slots[std::size_t(i)];
        const QString color = t.gstrChipColor.value(i);
        slot.AmountText = FormatMoney(t.gdblChipAmount.value(i), chipFormat);
        if (color != QLatin1String(ChipNotUsed))
            panel.LastChipSlot = static_cast<Integer>(i);
        slot.Fill = ChipColorByName(color);
        if (color == QLatin1String(ChipCustomPicture))
            slot.Picture = t.gstrChipPicture.value(i);
    }
    return panel;
}

ChipEdge ChipEdgeOf(OleColor fill, OleColor background, OleColor text)
{
    constexpr int OutlinePixels = 2; // read from across the room
    if (fill == background)
        return {text, OutlinePixels};
    return {};
}

std::array<QString, 5> TopPayoutTexts(const OpenTournament& t, const DisplayFormats& f)
{
    std::array<QString, 5> texts;
    texts.fill(FormatMoney(0, f.MoneyFormat));
    const int shown = t.gintNumberPaid > 4 ? 5 : t.gintNumberPaid;
    const bool prizes = t.gintPayAsPercentages == OpenTournament::PayPrizes;
    bool fits = true;
    for (int k = 1; k <= shown; ++k) {
        if (!prizes && t.gdblCalculatedPayout.value(k) >= LargePayout)
            fits = false;
    }
    for (int k = 1; k <= shown; ++k) {
        const double amount = t.gdblCalculatedPayout.value(k);
        QString& text = texts[std::size_t(k - 1)];
        if (prizes)
            text = t.gstrPayoutPrize.value(k);
        else
            text = FormatMoney(amount, fits ? f.MoneyFormat : QStringLiteral("#,##0"));
    }
    return texts;
}

SummaryFigures SummaryFiguresOf(const OpenTournament& t, const DisplayFormats& f)
{
    SummaryFigures s;
    Integer tableCount = 0;
    BoundedArray<TableOccupancy> tables;
    ListTablesInPlay(t, tableCount, tables);
    for (const TableOccupancy& table : tables) {
        if (table.SeatedCount >= 1)
            ++s.TablesInPlay;
    }
    s.Remaining = static_cast<Integer>(t.gintPlayerCount() - NumberFinished(t));
    for (const PlayerRecord& p : t.gtypPlayers) {
        s.Pot += p.TotalBuyin + p.TotalRebuy + p.TotalAddon;
        s.Chips += p.TotalChipValue;
    }
    s.AverageStack = FormatMoney(s.Remaining > 0 ? s.Chips / s.Remaining : s.Chips, f.MoneyFormat);
    s.PotText = FormatMoney(s.Pot, f.MoneyFormat);
    return s;
}

CaptionAndValue NextBlindsLine(const OpenTournament& t, const DisplayFormats& f)
{
    const NextKind kind = nextKind(t);
    CaptionAndValue line = blindsText(t, nextBlinds(t, kind), true, f);
    if (kind == NextKind::Final)
        line.Value = QStringLiteral("Final Level");
    else if (kind == NextKind::None)
        line.Value = QStringLiteral("NA");
    return line;
}

SummaryTexts SummaryOf(const OpenTournament& t, const DisplayFormats& f)
{
    const SummaryFigures s = SummaryFiguresOf(t, f);
    SummaryTexts texts;
    texts.Tournament = t.gstrTournamentName;
    texts.TotalBuy = s.PotText;
    texts.AveStack = s.AverageStack;
    texts.NumPlayers = QStringLiteral("%1 Plyrs on %2 Tbls").arg(s.Remaining).arg(s.TablesInPlay);
    texts.NextBlinds = NextBlindsLine(t, f);
    return texts;
}

Summary2Texts Summary2Of(const OpenTournament& t, const DisplayFormats& f, const QString& TimerText)
{
    const SummaryFigures s = SummaryFiguresOf(t, f);
    Summary2Texts texts;
    texts.Title = t.gstrTournamentName;
    auto& items = texts.Items;
    auto& headers = texts.Headers;
    items[0] = QString::number(t.gintPlayerCount());
    items[1] = QString::number(s.Remaining);
    items[2] = QString::number(s.TablesInPlay);
    items[3] = s.AverageStack;
    items[4] = s.PotText;
    if (t.gintAutoDoubleBlind == BlindModeLevelTable)
        items[5] = t.gblnOnBreak ? QStringLiteral("BREAK!") : QString::number(t.gintBlindsLevel);
    else
        items[5] = QString();
    items[6] = TimerText;
    const auto classic = [&](const Blinds& b, bool next, std::size_t first) {
        const auto rows = LoadClassicBlinds(b.ante, b.small, b.big, b.smallRaise, b.bigRaise, next, f.MoneyFormat);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            headers[first + i] = rows[i].header;
            items[first + i] = rows[i].values;
        }
    };
    classic(currentBlinds(t), false, 7);
    const NextKind kind = nextKind(t);
    if (kind == NextKind::None) {
        for (std::size_t i = 12; i <= 14; ++i) {
            headers[i] = QString();
            items[i] = QString();
        }
    } else {
        classic(nextBlinds(t, kind), true, 12);
        if (kind == NextKind::Final) {
            for (std::size_t i = 12; i <= 14; ++i)
                items[i] = QStringLiteral("Final Level");
        }
    }
    return texts;
}

BuyinTexts BuyinOf(const OpenTournament& t, const DisplayFormats& f)
{
    const auto money = [&f](double amount) { return FormatMoney(amount, f.MoneyFormat); };
    const QChar lf(u'\n');
    BuyinTexts texts;
    texts.Buyin = money(t.gdblBuyin);
    if (t.gdblHouseTakeAmount != 0)
        texts.Buyin += QStringLiteral(" + ") + money(t.gdblHouseTakeAmount) + QStringLiteral(" Entry Fee");
    texts.Buyin += lf + QStringLiteral(" for ") + money(t.gdblBuyinChipValue) + QStringLiteral(" in Chips");
    if (t.gintAllowRebuys < 1) {
        texts.Rebuy = QStringLiteral("Rebuys are not permitted.");
    } else {
        texts.Rebuy = money(t.gdblRebuyAmount) + QStringLiteral(" for ") + money(t.gdblRebuyChipValue)
            + QStringLiteral(" in Chips") + lf + QStringLiteral("Number Allowed: ")
            + countOr(t.gintNumberRebuys, "Unlimited") + lf + QStringLiteral("Until Level: ")
            + countOr(t.gintRebuyUntilLevel, "Any");
    }
    if (t.gintAllowAddons < 1) {
        texts.Addon = QStringLiteral("Chip Add-ons are not permitted.");
    } else {
        texts.Addon = money(t.gdblAddonAmount) + QStringLiteral(" for ") + money(t.gdblAddonChipValue)
            + QStringLiteral(" in Chips") + lf + QStringLiteral("Number Allowed: ")
            + countOr(t.gintNumberAddons, "Unlimited") + lf + QStringLiteral("Inbetween Levels: ")
            + countOr(t.gintAddonLevel1, "Start") + QStringLiteral(" to ") + countOr(t.gintAddonLevel2, "Finish");
    }
    return texts;
}

QString ManagerReportText(const OpenTournament& t, const DisplayFormats& f)
{
    const auto money = [&f](double amount) { return FormatMoney(amount, f.MoneyFormat); };
    double buyins = 0;
    double rebuys = 0;
    double addons = 0;
    double chips = 0;
    for (const PlayerRecord& p : t.gtypPlayers) {
        buyins += p.TotalBuyin;
        rebuys += p.TotalRebuy;
        addons += p.TotalAddon;
        chips += p.TotalChipValue;
    }
    // The entry fee counts once for every entrant listed.
    const double houseFees = t.gdblHouseTakeAmount * t.gintPlayerCount();
    const double housePayout = t.gintNumberPaid < 1 ? 0 : t.gdblCalculatedPayout.value(0);
    const QStringList lines {
        QString(),
        QString(),
        QStringLiteral("Tournament:  ") + t.gstrTournamentName,
        QStringLiteral("Date:  ") + dateText(t.gvarTournamentDate),
        QString(),
        QStringLiteral("Total in Pot:  ") + money(buyins + rebuys + addons),
        QStringLiteral("Total From Buyins:  ") + money(buyins),
        QStringLiteral("Total From Rebuys:  ") + money(rebuys),
        QStringLiteral("Total From Add-ons:  ") + money(addons),
        QString(),
        QStringLiteral("Total Number of Entrants:  ") + QString::number(t.gintPlayerCount()),
        QStringLiteral("Total House Fees:  ") + money(houseFees),
        QStringLiteral("House Payout from Pot:  ") + money(housePayout),
        QString(),
        QStringLiteral("Total Chips in Play:  ") + money(chips),
    };
    return lines.join(QStringLiteral("\r\n"));
}
