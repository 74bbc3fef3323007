#include "core/store/CellTextOrder.h"

#include "core/store/Nz.h"

int CompareCellTexts(const QString& a, const QString& b)
{
    double x = 0;
    double y = 0;
    const bool aIsNumber = ReadsAsNumber(QVariant(a), &x);
    const bool bIsNumber = ReadsAsNumber(QVariant(b), &y);
    if (aIsNumber && bIsNumber)
        return x < y ? -1 : (x > y ? 1 : 0);
    if (aIsNumber != bIsNumber)
        return aIsNumber ? -1 : 1;
    const int order = QString::compare(a, b, Qt::CaseSensitive);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}
