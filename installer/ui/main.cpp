#include "installer/ui/InstallerRun.h"
#include "platform/Paths.h"
#include "platform/PlatformArguments.h"
#include "platform/SessionPlatform.h"
#include "platform/ui/Look.h"
#include "platform/ui/OwnerFocus.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    EnterInstallDir();
    PlatformArguments arguments(argc, argv, PlacingPlatform());
    QApplication app(arguments.Count(), arguments.Values());
    ApplyLook(app);
    OwnerFocus::Install();
    return RunInstaller();
}
