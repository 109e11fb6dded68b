#include "installer/InstallerRun.h"
#include "platform/Look.h"
#include "platform/OwnerFocus.h"
#include "platform/Paths.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    EnterInstallDir();
    QApplication app(argc, argv);
    ApplyLook(app);
    OwnerFocus::Install();
    return RunInstaller();
}
