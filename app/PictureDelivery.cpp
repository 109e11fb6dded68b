#include "app/PictureDelivery.h"

#include "app/PlainStart.h"
#include "platform/PlatformArguments.h"
#include "schedule/ScheduledDelivery.h"
#include "schedule/UnattendedPicture.h"

#include <QGuiApplication>

int RunPictureDelivery(int argc, char* argv[], const TaskFileContents& task)
{
    QuietQtMessages();
    PlatformArguments arguments(argc, argv, "offscreen");
    QGuiApplication app(arguments.Count(), arguments.Values());
    return RunScheduledDelivery(task, WriteUnattendedPicture);
}
