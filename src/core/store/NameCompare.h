#pragma once

#include <QCollatorSortKey>
#include <QString>
#include <QStringList>
#include <vector>

class Recordset;

// League, tournament and player names.
//
// Lists are in a reader's order: without regard to case, an accented letter
// next to its base letter ("Åsa", "bob", "Émile", "Zoe"), by the collation of
// the user's language (English where the system names none), digits as plain
// characters. The database's own order knows neither, so lists ordered by
// name are sorted here after the query.
int CompareNames(const QString& a, const QString& b);
inline bool NameLess(const QString& a, const QString& b) { return CompareNames(a, b) < 0; }
// Many names prepared once for sorting: compare(i, j) gives the order
// CompareNames gives names i and j, without asking the collation again.
class NameSortKeys {
public:
    explicit NameSortKeys(const QStringList& names);
    int compare(qsizetype i, qsizetype j) const;

private:
    QStringList mNames;
    std::vector<QCollatorSortKey> mKeys;
};

// The recordset's rows in that order by the name column.
void SortRowsByName(Recordset& records, const QString& nameColumn);

// Names are unique without regard to letter case, letters beyond ASCII
// included ("Ärger" and "ärger" are one name); accents count ("Émile" and
// "Emile" are two).
inline bool SameName(const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) == 0; }
