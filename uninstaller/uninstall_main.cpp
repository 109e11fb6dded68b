#include "platform/Look.h"
#include "platform/OwnerFocus.h"
#include "platform/Paths.h"
#include "platform/SessionPlatform.h"
#include "uninstaller/UninstallWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    EnterInstallDir();
    PreferPlacingPlatform();
    QApplication app(argc, argv);
    ApplyLook(app);
    OwnerFocus::Install();
    UninstallWindow window;
    window.exec();
    return 0;
}
