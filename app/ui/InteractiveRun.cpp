#include "app/ui/InteractiveRun.h"

#include "app/CommandLine.h"

#include "app/ui/MainWindow.h"
#include "app/Welcome.h"
#include "content/PageWriter.h"
#include "content/ui/PageWindow.h"
#include "platform/EndSignals.h"
#include "platform/DataFile.h"
#include "platform/Paths.h"
#include "platform/SingleInstance.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
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
    if (instance.Refused()) {
        MessageBox::stop(QStringLiteral("Moravel cannot start: %1 is a folder with files in it.    \n\n"
                                        "Move it away and start Moravel again.    ")
                             .arg(QString::fromStdString(instance.LockPath())));
        return 1;
    }
    if (!instance.IsFirst()) {
        instance.AskFirstToShow(request.Empty() ? std::string() : EncodeStartRequest(request));
        return 0;
    }
    RemoveStaleTemporaryFiles(InstallDir(), instance.LockPath());
    RemoveWorkingPages();  // left by a run that was killed
    QPointer<MainWindow> shown;
    // A logout or kill ends the run as Close does; the windows' loops all end.
    EndSignals endSignals([&shown] {
        if (shown)
            shown->Close();
        else
            RemoveWorkingPages();
        QCoreApplication::exit(0);
    });
    StartRequest early = request;  // one that came while the welcome page was up
    instance.OnShowRequest([&shown, &early](const std::vector<std::string>& requests) {
        ShowRunningWindows(shown);
        // The latest request counts; one that is not ours is ignored.
        for (const std::string& text : requests) {
            const std::optional<StartRequest> later = DecodeStartRequest(text);
            if (!later || later->Empty() || (later->date && !IsListedDate(*later->date)))
                continue;
            if (shown)
                shown->FollowRequest(*later);
            else
                early = *later;
        }
    });
    if (!IndexExists(InstallDir()))
        ShowWelcome();
    MainWindow mainWindow;
    mainWindow.SetStartRequest(early);
    shown = &mainWindow;
    mainWindow.exec();
    return 0;
}
