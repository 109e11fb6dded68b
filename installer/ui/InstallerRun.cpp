#include "installer/ui/InstallerRun.h"

#include "installer/CommandLinks.h"
#include "installer/DesktopEntries.h"
#include "installer/ui/GraphicsCheckWindow.h"
#include "installer/ui/InstallOptionsWindow.h"
#include "platform/DataFile.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/SystemName.h"
#include "platform/ui/MessageBox.h"

void FinishInstallation(const std::string& systemName, const InstallOptions& options)
{
    // The command line as `moravel`, with its manual page and completion.
    CreateCommandLinks();
    // The uninstall registration is the "Uninstall Moravel" menu entry made here.
    const std::string missingDesktop = CreateMenuEntries(systemName, options.desktopShortcuts);
    const QString noDesktopIcon =
        missingDesktop.empty() ? QString()
                               : QStringLiteral("No desktop icon was made: the desktop folder %1 does not exist.    ")
                                     .arg(QString::fromStdString(missingDesktop));

    // Windows XP builds shipped a private graphics library that must go.
    bool graphicsUnverified = false;
    if (systemName == "XP") {
        const std::string library = InstallDir() + "gdiplus.dll";
        if (FileExists(library) && !MakeWritableAndDelete(library))
            graphicsUnverified = true;
    }

    if (options.launchAfterInstall && !noDesktopIcon.isEmpty())
        MessageBox::information(noDesktopIcon);
    const bool started = options.launchAfterInstall && StartDetached({InstallDir() + "Kestrane"}, InstallDir());
    if (!started)
        MessageBox::information(noDesktopIcon.isEmpty() || options.launchAfterInstall
                                    ? QStringLiteral("Moravel 2005 was installed successfully.     ")
                                    : QStringLiteral("Moravel 2005 was installed successfully.     \n") + noDesktopIcon);

    if (graphicsUnverified) {
        GraphicsCheckWindow window;
        window.exec();
    }
}

int RunInstaller()
{
    const std::string systemName = SystemName();
    InstallOptionsWindow window(QString::fromStdString(systemName));
    window.exec();
    FinishInstallation(systemName, {window.desktopShortcuts(), window.launchAfterInstall()});
    return 0;
}
