#include "platform/Look.h"
#include "platform/Paths.h"
#include "uninstaller/UninstallWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    EnterInstallDir();
    QApplication app(argc, argv);
    ApplyLook(app);
    UninstallWindow window;
    window.exec();
    return 0;
}
