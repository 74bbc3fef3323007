#pragma once

#include <QString>

// The money format of the settings: the currency symbol followed by "#,##0"
// when the numeric value of the comma-separator setting is 1, else by "##0".
QString MoneyFormat(const QString& CurrencySymbol, const QString& CommaSeparator);

// An amount in whole units (a half rounded to the even neighbour) in a money
// format: the text before the trailing "#,##0" or "##0" is written as it
// stands, so a symbol holding '#', '0' or ',' stays as typed; "#,##0" adds
// thousands separators. A negative amount gets its minus sign in front of
// the symbol ("-$13"). A format with neither ending counts as all symbol.
QString FormatMoney(double Amount, const QString& Format);
