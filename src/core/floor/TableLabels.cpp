#include "core/floor/TableLabels.h"

#include "core/store/ProgramSettings.h"

QString GetLetterOrNumber(int intNumber, int intConvert)
{
    if (intConvert == 1 && intNumber >= 1 && intNumber <= 26)
        return QString(QChar(u'A' + (intNumber - 1)));
    return QString::number(intNumber);
}

namespace {

// Tables past 26 named by letters take two of them, and their labels are
// lower case.
bool twoLetters(int intTable, int tableID) { return intTable > 26 && intTable <= 26 * 27 && tableID != 0; }

} // namespace

QString GetTableLabel(int intTable, int tableID)
{
    if (twoLetters(intTable, tableID)) {
        const int q = (intTable - 1) / 26;
        const int r = intTable - 26 * q;
        return (GetLetterOrNumber(q, tableID) + GetLetterOrNumber(r, tableID)).toLower();
    }
    return GetLetterOrNumber(intTable, tableID);
}

QString GetTableAndSeat(int intTable, int intSeat, int tableID, int seatID)
{
    const QString seat = GetLetterOrNumber(intSeat, seatID);
    return GetTableLabel(intTable, tableID) + u'-' + (twoLetters(intTable, tableID) ? seat.toLower() : seat);
}

QString GetTableAndSeat(int intTable, int intSeat)
{
    const ProgramSettings& s = programSettings();
    return GetTableAndSeat(intTable, intSeat, s.gintTableID, s.gintSeatID);
}
