#include "core/floor/TableLabels.h"

#include "core/store/ProgramSettings.h"

QString GetLetterOrNumber(int intNumber, int intConvert)
{
    if (intConvert == 1 && intNumber >= 1 && intNumber <= 26)
        return QString(QChar(u'A' + (intNumber - 1)));
    return QString::number(intNumber);
}

QString GetTableAndSeat(int intTable, int intSeat, int tableID, int seatID)
{
    if (intTable > 26 && intTable <= 26 * 27 && tableID != 0) {
        const int q = (intTable - 1) / 26;
        const int r = intTable - 26 * q;
        return (GetLetterOrNumber(q, tableID) + GetLetterOrNumber(r, tableID) + u'-'
                + GetLetterOrNumber(intSeat, seatID))
            .toLower();
    }
    return GetLetterOrNumber(intTable, tableID) + u'-' + GetLetterOrNumber(intSeat, seatID);
}

QString GetTableAndSeat(int intTable, int intSeat)
{
    const ProgramSettings& s = programSettings();
    return GetTableAndSeat(intTable, intSeat, s.gintTableID, s.gintSeatID);
}
