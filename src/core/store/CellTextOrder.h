#pragma once

#include <QString>

// The order of two cell texts when rows are sorted: texts that read as
// numbers come first, by value; the others follow, by character code (case
// counts). -1, 0 or 1. A total order, so a sort by it is well defined.
int CompareCellTexts(const QString& a, const QString& b);
