#include "installer/ui/InstallerRun.h"
#include "platform/Installation.h"
#include "platform/Paths.h"
#include "platform/PlatformArguments.h"
#include "platform/SessionPlatform.h"
#include "platform/ui/HelperTimeOut.h"
#include "platform/ui/Look.h"
#include "platform/ui/OwnerFocus.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {
// Run where no display can be opened (over ssh, in a container), Qt gives up while
// the application object is made. The files are in place by then: the user learns
// where, and how to finish on a desktop, and the install command succeeds.
void NoDisplayHere(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type != QtFatalMsg)
        return;
    std::printf("Moravel is installed in %s; no display could be opened here: on a desktop, run %sinstaller to "
                "finish setting it up and start it.\n",
                InstallDir().c_str(), CurrentLayout().programs.c_str());
    std::fflush(stdout);
    std::_Exit(0);
}
}

int main(int argc, char* argv[])
{
    EnterInstallDir();
    PlatformArguments arguments(argc, argv, PlacingPlatform());
    const QtMessageHandler earlier = qInstallMessageHandler(NoDisplayHere);
    QApplication app(arguments.Count(), arguments.Values());
    qInstallMessageHandler(earlier);
    ApplyLook(app);
    OwnerFocus::Install();
    ShowHelperTimeOuts();
    return RunInstaller();
}
