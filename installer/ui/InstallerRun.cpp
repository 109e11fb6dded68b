#include "installer/ui/InstallerRun.h"

#include "installer/CommandLinks.h"
#include "installer/DesktopEntries.h"
#include "installer/ui/InstallOptionsWindow.h"
#include "installer/PackagedSetUp.h"
#include "platform/DataFile.h"
#include "platform/Installation.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/ui/MessageBox.h"
#include "schedule/SchedulerLink.h"

void FinishInstallation(const InstallOptions& options)
{
    const ProgramLayout layout = CurrentLayout();
    const std::string program = layout.programs + "Kestrane";
    std::string missingDesktop;
    if (layout.packaged) {
        // The package brings the command, the menu entry and the icons; what an
        // earlier source install made for this user would hide them.
        RemoveCommandLinks();
        missingDesktop = CreateMenuEntries(options.desktopShortcuts, program, {});
        SchedulerLink::RetargetWorkItem();
        RemoveInstalledCopy();
        MarkSetUp();
    } else {
        // The command line as `moravel`, with its manual page and completion.
        CreateCommandLinks();
        // The uninstall registration is the "Uninstall Moravel" menu entry made here.
        missingDesktop = CreateMenuEntries(options.desktopShortcuts, program, layout.programs + "uninstall");
    }
    const QString noDesktopIcon =
        missingDesktop.empty() ? QString()
                               : QStringLiteral("No desktop icon was made: the desktop folder %1 does not exist.    ")
                                     .arg(QString::fromStdString(missingDesktop));

    if (options.launchAfterInstall && !noDesktopIcon.isEmpty())
        MessageBox::information(noDesktopIcon);
    const bool started = options.launchAfterInstall && StartDetached({program}, InstallDir());
    if (!started)
        MessageBox::information(noDesktopIcon.isEmpty() || options.launchAfterInstall
                                    ? QStringLiteral("Moravel 2005 was installed successfully.     ")
                                    : QStringLiteral("Moravel 2005 was installed successfully.     \n") +
                                          noDesktopIcon);
}

int RunInstaller()
{
    InstallOptionsWindow window;
    window.exec();
    FinishInstallation({window.desktopShortcuts(), window.launchAfterInstall()});
    return 0;
}
