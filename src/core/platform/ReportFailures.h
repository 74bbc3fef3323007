#pragma once

#include <functional>

// Runs one user command; a failure it does not handle itself (a database
// error, a value out of range, a missing row) is shown to the user with its
// own text and ends the command, never the program. True when the command
// ran to its end.
bool ReportFailures(const std::function<void()>& command);
