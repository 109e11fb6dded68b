#include "platform/Paths.h"
#include "uninstaller/DeleteCopy.h"
#include "platform/PlatformArguments.h"
#include "platform/SessionPlatform.h"
#include "platform/ui/Look.h"
#include "platform/ui/OwnerFocus.h"
#include "uninstaller/ui/UninstallWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    EnterInstallDir();
    RemoveStaleDeleteCopies();
    PlatformArguments arguments(argc, argv, PlacingPlatform());
    QApplication app(arguments.Count(), arguments.Values());
    ApplyLook(app);
    OwnerFocus::Install();
    return UninstallWindow::Run();
}
