#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>

// One table or seat number as a capital letter (1 is A, 26 is Z) when
// intConvert is 1, else as digits. A number with no letter of its own (below
// 1 or past 26) is shown as digits.
QString GetLetterOrNumber(int intNumber, int intConvert);

// The table's part of its seat labels, on its own ("3", "C", "aa").
QString GetTableLabel(int intTable, int tableID);

// The label of a seat: table, a dash, seat ("3-7", "C-7", "C-G"). Tables past
// 26 named by letters take two lower-case letters and the whole label is
// lower case ("aa-c"); past 702 tables (zz) there are no two letters left and
// the table is shown as digits.
QString GetTableAndSeat(int intTable, int intSeat, int tableID, int seatID);
// The same with the program's settings (TableID, SeatID).
QString GetTableAndSeat(int intTable, int intSeat);
