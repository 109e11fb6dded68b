#include "app/InteractiveRun.h"

#include <QDialog>

int RunInteractive()
{
    QDialog mainWindow;
    mainWindow.setWindowTitle(QStringLiteral("Moravel 2005  -  For entertainment purposes only"));
    mainWindow.resize(780, 575);
    mainWindow.exec();
    return 0;
}
