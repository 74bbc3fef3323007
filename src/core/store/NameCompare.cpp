#include "core/store/NameCompare.h"

#include "core/platform/Database.h"

#include <QCollator>
#include <QLocale>
#include <optional>

namespace {

// The collator of the default language, made again when that changes. The
// C locale collates by code, so English stands in for it.
const QCollator& nameCollator()
{
    static std::optional<QCollator> collator;
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    if (!collator || collator->locale() != locale) {
        collator.emplace(locale);
        collator->setCaseSensitivity(Qt::CaseInsensitive);
        collator->setNumericMode(false);
        collator->setIgnorePunctuation(false);
    }
    return *collator;
}

} // namespace

int CompareNames(const QString& a, const QString& b)
{
    const int order = nameCollator().compare(a, b);
    // Names the collation holds equal ("bob" and "Bob") keep one order.
    return order != 0 ? order : QString::compare(a, b, Qt::CaseInsensitive);
}

NameSortKeys::NameSortKeys(const QStringList& names)
    : mNames(names)
{
    const QCollator& collator = nameCollator();
    mKeys.reserve(static_cast<size_t>(names.size()));
    for (const QString& name : names)
        mKeys.push_back(collator.sortKey(name));
}

int NameSortKeys::compare(qsizetype i, qsizetype j) const
{
    const int order = mKeys[static_cast<size_t>(i)].compare(mKeys[static_cast<size_t>(j)]);
    return order != 0 ? order : QString::compare(mNames[i], mNames[j], Qt::CaseInsensitive);
}

void SortRowsByName(Recordset& records, const QString& nameColumn)
{
    records.sortRows(nameColumn,
                     [](const QVariant& a, const QVariant& b) { return NameLess(a.toString(), b.toString()); });
}
