#include "app/PlainStart.h"

#include "app/CommandLine.h"
#include "platform/Installation.h"
#include "platform/Paths.h"
#include "schedule/ScheduledDelivery.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
}

void QuietQtMessages()
{
    qInstallMessageHandler(QuietMessages);
}

PlainStart RunPlainStart(int argc, char* argv[])
{
    CreateInstallFolders();
    EnterInstallDir();

    // A source install hands its starts (the menu's and the delivery's) to a package
    // installed since, whose first start moves this user over to it.
    const std::string handOver = HandOverProgram();
    if (!handOver.empty())
        ::execv(handOver.c_str(), argv);

    // Decided before any application object exists: a scheduled run has no display.
    PlainStart start{{}, ChooseRunMode(std::vector<std::string>(argv + 1, argv + argc))};
    const bool display =
        DisplayAvailable(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"), std::getenv("QT_QPA_PLATFORM"));
    if (EndsSilently(start.mode, display)) {
        start.status = 0;
    } else if (start.mode.unattended) {
        // The text is composed and the notification sent without loading Qt's GUI
        // module; only the report picture needs it.
        QuietQtMessages();
        if (!DrawsPicture(start.mode.task)) {
            QCoreApplication app(argc, argv);
            start.status = RunScheduledDelivery(start.mode.task);
        }
    } else if (!display) {
        std::fprintf(stderr, "%s: no display to show Moravel on (DISPLAY and WAYLAND_DISPLAY are unset)\n",
                     (argv[0] && argv[0][0] ? LastPathPart(argv[0]) : std::string("Kestrane")).c_str());
        start.status = NoDisplayStatus;
    }
    return start;
}
