// The interactive start as the user sees it, ending as soon as the main window
// is up and its Quick Tip page has loaded. Timed from outside (cold_start.sh).
#include "app/ui/MainWindow.h"
#include "content/ui/PageView.h"
#include "content/ui/PageWindow.h"
#include "platform/BrowserSettings.h"
#include "platform/Paths.h"
#include "platform/ui/Look.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    CreateInstallFolders();
    EnterInstallDir();
    QApplication app(argc, argv);
    ApplyLook(app);
    SetBrowserFontSize();
    MainWindow window;
    window.show();
    if (!window.TipWindow() || !window.TipWindow()->View())
        return 1;
    int result = 1;
    QObject::connect(window.TipWindow()->View(), &PageView::loadFinished, &app, [&](bool ok) {
        result = ok ? 0 : 1;
        // quit() would first ask every window to close, and the Quick Tip refuses.
        app.exit(result);
    });
    return app.exec() == 0 ? result : 1;
}
