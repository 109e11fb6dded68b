#include "app/ui/InteractiveRun.h"

#include "app/ui/MainWindow.h"
#include "app/Welcome.h"
#include "content/ui/PageWindow.h"
#include "platform/DataFile.h"
#include "platform/Paths.h"
#include "platform/SingleInstance.h"
#include "platform/ui/Look.h"
#include "profiles/ProfileFiles.h"

#include <QApplication>
#include <QPointer>
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

namespace {
// A later start asked for this one: its windows come to the front.
void ShowRunningWindows(QWidget* mainWindow)
{
    for (QWidget* window : {mainWindow, QApplication::activeModalWidget()}) {
        if (!window)
            continue;
        if (window->isMinimized())
            window->showNormal();
        window->raise();
        window->activateWindow();
    }
}
}

int RunInteractive(const StartRequest& request)
{
    // Two main windows on one folder would each write their own list over the other's.
    SingleInstance instance(InstallDir());
    if (!instance.IsFirst()) {
        instance.AskFirstToShow();
        return 0;
    }
    RemoveStaleTemporaryFiles(InstallDir(), instance.LockPath());
    QPointer<QWidget> shown;
    instance.OnShowRequest([&shown] { ShowRunningWindows(shown); });
    if (!IndexExists(InstallDir()))
        ShowWelcome();
    MainWindow mainWindow;
    mainWindow.SetStartRequest(request);
    shown = &mainWindow;
    mainWindow.exec();
    return 0;
}
