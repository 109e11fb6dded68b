#include "schedule/ScheduledDelivery.h"

#include "mail/MapiMailer.h"
#include "platform/Clock.h"
#include "platform/DataFile.h"
#include "platform/Installation.h"
#include "platform/Paths.h"
#include "profiles/ProfileFiles.h"
#include "schedule/DailyNotice.h"
#include "schedule/DesktopNotifier.h"
#include "schedule/UnattendedRun.h"

#include <cstdio>

namespace {
constexpr int kWaitLimitMs = 10 * 60 * 1000;

bool MailProgramFound()
{
    MapiMailer probe;
    return probe.TakeError() == 0;
}
}

bool DrawsPicture(const TaskFileContents& task)
{
    return task.DeliveryChoice() != Delivery::Notification && !task.email.empty() && task.UnattendedType() == 1 &&
           MailProgramFound();
}

int RunScheduledDelivery(const TaskFileContents& task)
{
    // A profile gone or unreadable gives no nameless report: the scheduler records
    // the failure and the line that names the file.
    if (DataFileState(task.profilePath) != FileState::Readable) {
        std::fprintf(stderr, "Kestrane: cannot read the profile '%s'\n", task.profilePath.c_str());
        return 1;
    }
    const Delivery delivery = task.DeliveryChoice();
    const bool mails = delivery != Delivery::Notification && !task.email.empty() && MailProgramFound();
    DesktopNotifier notifier;
    bool shown = false;
    if (delivery != Delivery::Email || !mails) {
        const Date today = Today();
        shown = notifier.Show(QString::fromStdString(DailyNotice::Summary(ReadProfileFile(task.profilePath).fullName)),
                              QString::fromStdString(DailyNotice::Body(today, ComposePlainReport(task.profilePath))),
                              QString::fromStdString(ApplicationId),
                              DailyNotice::OpenCommand(MainProgram(), task.profilePath, today));
    }
    if (mails)
        RunUnattended(task.profilePath, task.email, task.UnattendedType());
    if (shown)
        notifier.Wait(kWaitLimitMs);
    return 0;
}
