#pragma once

#include "gui/home/frmControlPanel.h"

#include <QLockFile>
#include <memory>

// A start of ZRV once its application exists: takes the data folder's lock
// into `running` and opens the home window on that folder. When another ZRV
// (or the upgrade) holds the lock, it says so and opens nothing, not even the
// settings or the database, and answers nullptr: this start then ends and
// leaves the folder to the one that holds it. `running` must outlive the
// window, since the lock is held as long as it is.
std::unique_ptr<frmControlPanel> OpenHomeWindow(QLockFile& running);
