#include "app/ui/StartUp.h"

#include "app/CommandLine.h"
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
#include "schedule/ScheduledDelivery.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {
// The scheduler mails whatever a scheduled run prints, so Qt's own notes
// ("XDG_RUNTIME_DIR not set" and the like) would reach the user every day.
// Only a fatal error, which ends the run, is still said.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
}

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
    CreateInstallFolders();
    EnterInstallDir();

    // A source install hands its starts (the menu's and the delivery's) to a package
    // installed since, whose first start moves this user over to it.
    const std::string handOver = HandOverProgram();
    if (!handOver.empty())
        ::execv(handOver.c_str(), argv);

    // Decided before any application object exists: a scheduled run has no display.
    const RunModeChoice mode = ChooseRunMode(std::vector<std::string>(argv + 1, argv + argc));
    const bool display =
        DisplayAvailable(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"), std::getenv("QT_QPA_PLATFORM"));
    if (EndsSilently(mode, display))
        return 0;
    if (mode.unattended) {
        // Only the report picture needs Qt's GUI module; the text is composed and the
        // notification sent without loading a platform at all.
        qInstallMessageHandler(QuietMessages);
        if (!DrawsPicture(mode.task)) {
            QCoreApplication app(argc, argv);
            return RunScheduledDelivery(mode.task);
        }
        // Offscreen for this run only: what it starts for the user (Open) gets the
        // user's own environment.
        PlatformArguments arguments(argc, argv, "offscreen");
        QGuiApplication app(arguments.Count(), arguments.Values());
        return RunScheduledDelivery(mode.task);
    }
    if (!display) {
        std::fprintf(stderr, "%s: no display to show Moravel on (DISPLAY and WAYLAND_DISPLAY are unset)\n",
                     (argv[0] && argv[0][0] ? LastPathPart(argv[0]) : std::string("Kestrane")).c_str());
        return NoDisplayStatus;
    }

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
