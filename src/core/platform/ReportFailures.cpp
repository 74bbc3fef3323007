#include "core/platform/ReportFailures.h"

#include "core/platform/Prompter.h"

#include <exception>

bool ReportFailures(const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        prompter().message(QString::fromUtf8(e.what()));
    } catch (...) {
        prompter().message(QStringLiteral("An unexpected error stopped this command."));
    }
    return false;
}
