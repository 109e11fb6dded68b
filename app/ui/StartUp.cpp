#include "app/ui/StartUp.h"

#include "app/CommandLine.h"
#include "app/PictureDelivery.h"
#include "app/PlainStart.h"
#include "app/RunMode.h"
#include "app/ui/InteractiveRun.h"
#include "installer/PackagedSetUp.h"
#include "platform/BrowserSettings.h"
#include "platform/Installation.h"
#include "platform/Paths.h"
#include "platform/PlatformArguments.h"
#include "platform/Process.h"
#include "platform/SessionPlatform.h"
#include "platform/ui/HelperTimeOut.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/OwnerFocus.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

bool LaunchControlPanel()
{
    const std::vector<std::string> command = DisplaySettingsCommand();
    return !command.empty() && StartDetached(command);
}

bool PassScreenCheck(int width, int depth)
{
    if (ScreenIsAdequate(width, depth))
        return true;
    MessageBox::information(QStringLiteral(
        "Moravel Minimum Requirements\n\nScreen Resolution 800 x 600 or higher and Color Depth of 16 bits.    "));
    if (MessageBox::question(QStringLiteral("Do you want to adjust your settings?    ")))
        LaunchControlPanel();
    return false;
}

bool PrimaryScreenPasses()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    // Without a screen to measure there is nothing to refuse.
    if (!screen)
        return true;
    return PassScreenCheck(screen->geometry().width(), screen->depth());
}

int RunStartUp(int argc, char* argv[], const StartRequest& request)
{
    // Kestrane has taken these steps already before it loaded the windows; taking
    // them again here costs a few system calls and keeps every start one path.
    const PlainStart start = RunPlainStart(argc, argv);
    if (start.status)
        return *start.status;
    if (start.mode.unattended)
        return RunPictureDelivery(argc, argv, start.mode.task);

    // A packaged copy's first plain start for this user is the installer's: the
    // desktop icon question, then Moravel with its welcome.
    const ProgramLayout layout = CurrentLayout();
    if (layout.packaged && request.Empty() && !IsSetUp()) {
        const std::string installer = layout.programs + "installer";
        char* const installerArgv[] = {const_cast<char*>(installer.c_str()), nullptr};
        ::execv(installer.c_str(), installerArgv);
    }

    PlatformArguments arguments(argc, argv, PlacingPlatform());
    QApplication app(arguments.Count(), arguments.Values());
    ApplyLook(app);
    OwnerFocus::Install();
    ShowHelperTimeOuts();
    if (!PrimaryScreenPasses())
        return 1;
    SetBrowserFontSize();
    return RunInteractive(request);
}
