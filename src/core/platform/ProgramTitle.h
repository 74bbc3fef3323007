#pragma once

#include <QString>

// The title every message box and the home window carry.
inline QString ProgramTitle() { return QStringLiteral("Zorvane"); }
