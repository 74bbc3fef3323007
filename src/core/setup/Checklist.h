#pragma once

#include <QList>
#include <QString>

// One chip row of the set-up: its colour (index 0 is "Not Used") and how
// many of it each buy-in stack holds.
struct ChecklistChip {
    int ColorIndex = 0;
    QString ColorName;
    int CountPerPlayer = 0;
};

// The preparation checklist for a tournament, every line ending CR LF; empty
// when the table size is below 1 (TableSizeMessage()).
QString buildChecklist(const QString& name, const QString& date, long players, long tableSize,
                       const QList<ChecklistChip>& chips);
QString TableSizeMessage();
