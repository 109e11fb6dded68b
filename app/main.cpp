#include "platform/Look.h"
#include "platform/Paths.h"

#include <QApplication>
#include <QDialog>

int main(int argc, char* argv[])
{
    CreateInstallFolders();
    EnterInstallDir();
    QApplication app(argc, argv);
    ApplyLook(app);
    QDialog mainWindow;
    mainWindow.setWindowTitle(QStringLiteral("Moravel 2005  -  For entertainment purposes only"));
    mainWindow.resize(780, 575);
    return mainWindow.exec() == QDialog::Accepted ? 0 : 0;
}
