#pragma once

#include <QString>

// League, tournament and player names are unique and listed without regard
// to letter case, letters beyond ASCII included ("Ärger" and "ärger" are one
// name). The database's own NOCASE folds ASCII only, so names are compared
// here rather than in SQL.
inline int CompareNames(const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive); }
inline bool SameName(const QString& a, const QString& b) { return CompareNames(a, b) == 0; }
