#include "app/InteractiveRun.h"
#include "platform/Look.h"
#include "platform/Paths.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    CreateInstallFolders();
    EnterInstallDir();
    QApplication app(argc, argv);
    ApplyLook(app);
    return RunInteractive();
}
