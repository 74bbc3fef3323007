#include "gui/home/ProgramStart.h"

#include "core/platform/AppPaths.h"
#include "core/platform/Prompter.h"
#include "core/platform/RunningLock.h"

std::unique_ptr<frmControlPanel> OpenHomeWindow(QLockFile& running)
{
    // The lock of a ZRV that ended without letting go is taken over.
    const RunningLockAttempt lock = TakeRunningLock(running);
    if (const QString refusal = SecondStartMessage(lock, AppPaths::dataFolder()); !refusal.isEmpty()) {
        prompter().message(refusal);
        return nullptr;
    }
    auto home = std::make_unique<frmControlPanel>();
    home->Form_Load();
    home->show();
    return home;
}
