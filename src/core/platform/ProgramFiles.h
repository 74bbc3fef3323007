#pragma once

#include <QString>

// The names ZRV and its upgrade program agree on. Header-only, so that the
// upgrade program shares them without linking any of ZRV.

// ZRV's application name, which is also the name of its program file and of
// its data folder.
inline QString MainProgramName() { return QStringLiteral("ZRV"); }
inline QString DatabaseFileName() { return QStringLiteral("zr.mdb"); }
// The lock ZRV holds in its data folder while it runs.
inline QString RunningLockFileName() { return QStringLiteral("zrv.lock"); }
