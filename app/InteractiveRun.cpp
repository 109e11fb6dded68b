#include "app/InteractiveRun.h"

#include "app/MainWindow.h"
#include "app/Welcome.h"
#include "content/PageWindow.h"
#include "platform/Look.h"
#include "platform/Paths.h"
#include "profiles/ProfileFiles.h"

#include <QString>

void ShowWelcome()
{
    if (!WriteWelcomePages())
        return;
    constexpr int width = 730;
    constexpr int height = 320;
    PageWindow window;
    window.SetTitle(QStringLiteral(" Moravel 2005 - Take full control of your past, present and future today."));
    window.SetSize(width, height);
    window.SetPosition(CentreX(width), CentreY(height));
    window.SetPage(QString::fromStdString(InstallDir() + "effects.htm"));
    window.RunModal();
}

int RunInteractive(const StartRequest& request)
{
    if (!IndexExists(InstallDir()))
        ShowWelcome();
    MainWindow mainWindow;
    mainWindow.SetStartRequest(request);
    mainWindow.exec();
    return 0;
}
