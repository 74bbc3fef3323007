#pragma once

#include <QString>
#include <stdexcept>

// An error a grid raises to its caller instead of touching a cell that is not
// there: the number and description a window shows.
class GridError : public std::runtime_error {
public:
    GridError(long Number, const QString& Description)
        : std::runtime_error(Description.toStdString())
        , mNumber(Number)
    {
    }

    long Number() const { return mNumber; }
    QString Description() const { return QString::fromStdString(what()); }

    // A row, column or other index outside the grid.
    static GridError SubscriptOutOfRange() { return GridError(9, QStringLiteral("Subscript out of range")); }

private:
    long mNumber;
};
