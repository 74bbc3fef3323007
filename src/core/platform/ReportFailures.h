#pragma once

#include <QString>
#include <functional>

// Runs one user command; a failure it does not handle itself (a database
// error, a value out of range, a missing row) is shown to the user with its
// own text and ends the command, never the program. True when the command
// ran to its end.
bool ReportFailures(const std::function<void()>& command);

// Runs a step of the program's own housekeeping (a redraw, a scroll) whose
// failure the director need not hear of: the failure is logged with the
// step's name and what failed, and the caller goes on. True when the step
// ran to its end.
bool LogFailures(const QString& step, const std::function<void()>& work);
