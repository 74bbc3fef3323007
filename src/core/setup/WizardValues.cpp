#include "core/setup/WizardValues.h"

#include "core/store/ChipColors.h"
#include "core/store/Nz.h"
#include "core/store/PlainNumberText.h"

#include <QDate>

QString WizardControlName(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

QString WizardDateText(const QVariant& date)
{
    if (!date.isValid() || date.isNull())
        return QString();
    const QDate day = date.toDate();
    return day.isValid() ? day.toString(QStringLiteral("M/d/yyyy")) : QString();
}

Integer WorkingInteger(const QString& text)
{
    // Clamped here rather than converted with NzInteger: a number too large
    // for a count must not end the program in a change handler.
    return Clamped<Integer>(WorkingDouble(text));
}

double WorkingDouble(const QString& text) { return NzDouble(QVariant(text)); }

Integer JoinDuration(const QString& hours, const QString& minutes)
{
    const double total = double(WorkingInteger(hours)) * 60 + WorkingInteger(minutes);
    return WorkingInteger(PlainNumberText(total));
}

DurationParts SplitDuration(Integer minutes) { return {QString::number(minutes / 60), QString::number(minutes % 60)}; }

EstimateInputs WizardWorkingValues::Inputs() const
{
    EstimateInputs in;
    in.Players = mintEstPlayers;
    in.Rebuys = mintEstRebuys;
    in.Addons = mintEstAddons;
    in.Buyin = mdblBuyin;
    in.BuyinChips = mdblBuyinChipValue;
    in.RebuyAmount = mdblRebuyAmount;
    in.RebuyChips = mdblRebuyChipValue;
    in.AddonAmount = mdblAddonAmount;
    in.AddonChips = mdblAddonChipValue;
    in.HouseFee = mdblHouseFee;
    return in;
}

BlindEstimates WizardWorkingValues::Blinds() const
{
    BlindEstimates e;
    e.Players = mintEstPlayers;
    e.Rebuys = mintEstRebuys;
    e.Addons = mintEstAddons;
    e.DurationMinutes = mintEstDuration;
    e.Breaks = mintEstNumBreaks;
    e.BreakMinutes = mintEstTimeForBreaks;
    e.BuyinChips = mdblBuyinChipValue;
    e.RebuyChips = mdblRebuyChipValue;
    e.AddonChips = mdblAddonChipValue;
    return e;
}

QStringList ChipColorListNames()
{
    QStringList names {QString::fromLatin1(ChipNotUsed), QString::fromLatin1(ChipCustomPicture)};
    for (const ChipColor& c : ChipColors())
        names << QString::fromLatin1(c.Name);
    return names;
}

ChipRowState ChipRowRules(int colorPosition)
{
    // No colour chosen counts as not in use.
    if (colorPosition <= ChipNotUsedPosition)
        return {false, true, false};
    return {true, false, colorPosition == ChipCustomPicturePosition};
}

std::optional<QString> FolderOfChosenFile(const QString& path)
{
    const qsizetype cut = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    if (cut < 0)
        return std::nullopt;
    // A file straight under the root keeps the root itself.
    return cut == 0 ? path.left(1) : path.left(cut);
}

QStringList LevelListItems(const QString& first, int levels)
{
    QStringList items;
    if (!first.isEmpty())
        items << first;
    items << NumberListItems(1, levels);
    return items;
}

int KeptListPosition(int remembered, int count) { return remembered >= 0 && remembered < count ? remembered : 0; }

QStringList NumberListItems(int from, int to)
{
    QStringList items;
    items.reserve(qMax(0, to - from + 1));
    for (int n = from; n <= to; ++n)
        items << QString::number(n);
    return items;
}

QStringList PayoutTexts(const QList<PayoutRow>& rows)
{
    QStringList texts;
    for (const PayoutRow& r : rows)
        texts << r.Payout;
    return texts;
}
