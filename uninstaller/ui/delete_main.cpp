#include "platform/PlatformArguments.h"
#include "platform/Process.h"
#include "platform/SessionPlatform.h"
#include "platform/ui/HelperTimeOut.h"
#include "platform/ui/Look.h"
#include "uninstaller/DeleteCopy.h"
#include "uninstaller/ui/DeleteRun.h"

#include <QApplication>
#include <cstdlib>
#include <cstring>

// Runs as a copy in the temporary folder, so it keeps that folder as its working directory.
int main(int argc, char* argv[])
{
    // The launcher ends before its folder goes: its end is awaited, as long as the
    // launcher is given to close.
    if (argc >= 3 && std::strcmp(argv[1], LauncherArgument) == 0) {
        WaitForProcessEnd(std::atoi(argv[2]), LauncherEndLimitMs);
        argv[2] = argv[0];
        argv += 2;
        argc -= 2;
    }
    PlatformArguments arguments(argc, argv, PlacingPlatform());
    QApplication app(arguments.Count(), arguments.Values());
    ApplyLook(app);
    ShowHelperTimeOuts();
    return RunRemoval();
}
