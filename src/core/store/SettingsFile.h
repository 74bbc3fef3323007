#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>
#include <QVariant>

// The program's settings files in the data folder: base name "Defaults" is
// Defaults.ini. Values are text; numbers are written as their decimal text.

// The stored value of the key, or the default's text when the file, the
// section or the key is missing. A key present with an empty value gives
// the empty text.
QString ReadIniValue(const QString& Section, const QString& Key, const QVariant& Default,
                     const QString& BaseName = QStringLiteral("Defaults"));

// Stores the value, creating the file and the section when they are missing.
// When the file cannot be written the director is told once (not again for
// that file until a write succeeds) and the program goes on; the result
// says whether the value was kept.
bool WriteIniValue(const QString& Section, const QString& Key, const QVariant& Value,
                   const QString& BaseName = QStringLiteral("Defaults"));

// Typed reads: a stored text that does not read as the type (letters, an
// empty text, a number out of range) gives the default. Whole numbers are
// rounded half to even.
Integer ReadIniInteger(const QString& Section, const QString& Key, Integer Default,
                       const QString& BaseName = QStringLiteral("Defaults"));
Long ReadIniLong(const QString& Section, const QString& Key, Long Default,
                 const QString& BaseName = QStringLiteral("Defaults"));
double ReadIniDouble(const QString& Section, const QString& Key, double Default,
                     const QString& BaseName = QStringLiteral("Defaults"));
// Text that must read as a number; kept as the text read.
QString ReadIniNumberText(const QString& Section, const QString& Key, const QString& Default,
                          const QString& BaseName = QStringLiteral("Defaults"));
