#include "uninstaller/ui/DeleteRun.h"

#include "platform/ui/MessageBox.h"
#include "uninstaller/DeleteCopy.h"
#include "uninstaller/Remover.h"
#include "uninstaller/ui/RemovedWindow.h"

#include <filesystem>

int RunRemoval()
{
    const RemovalOutcome outcome = RemoveProduct();
    // Run as a copy in a private temporary folder, it takes that folder with it
    // (a running program's file can go on Linux), before any window can keep it waiting.
    std::error_code error;
    RemoveOwnCopy(std::filesystem::read_symlink("/proc/self/exe", error).string());
    if (outcome == RemovalOutcome::ProgramRunning) {
        MessageBox::information(QString::fromUtf8(CloseMoravelFirst));
        return 1;
    }
    RemovedWindow window;
    window.exec();
    return 0;
}
