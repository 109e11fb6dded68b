#include "platform/PlatformArguments.h"
#include "platform/SessionPlatform.h"
#include "platform/ui/Look.h"
#include "uninstaller/ui/DeleteRun.h"

#include <QApplication>
#include <chrono>
#include <thread>

// Runs as a copy in the temporary folder, so it keeps that folder as its working directory.
int main(int argc, char* argv[])
{
    // Gives the launcher time to end before its folder goes.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    PlatformArguments arguments(argc, argv, PlacingPlatform());
    QApplication app(arguments.Count(), arguments.Values());
    ApplyLook(app);
    return RunRemoval();
}
