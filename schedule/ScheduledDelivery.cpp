#include "schedule/ScheduledDelivery.h"

#include "mail/MapiMailer.h"
#include "platform/Clock.h"
#include "platform/DataFile.h"
#include "platform/Installation.h"
#include "platform/Paths.h"
#include "profiles/ProfileFiles.h"
#include "schedule/DailyNotice.h"
#include "schedule/DesktopNotifier.h"
#include "schedule/PlainReport.h"
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

int RunScheduledDelivery(const TaskFileContents& task, ReportPictureWriter writePicture)
{
    // The profile is read once and today taken once, so the notification and the
    // mail show one report even when the run straddles midnight.
    ProfileRecord profile;
    // A profile gone or unreadable gives no nameless report: the scheduler records
    // the failure and the line that names the file.
    if (ReadProfileFile(task.profilePath, profile) != FileState::Readable) {
        std::fprintf(stderr, "Kestrane: cannot read the profile '%s'\n", task.profilePath.c_str());
        return 1;
    }
    const Date today = Today();
    const DailyReadingSet set =
        ComposeDailyReadingSet(profile, ComputeDailyRecord(profile, today), ReadingRange::Unlimited);
    const Delivery delivery = task.DeliveryChoice();
    const bool mails = delivery != Delivery::Notification && !task.email.empty() && MailProgramFound();
    DesktopNotifier notifier;
    bool shown = false;
    if (delivery != Delivery::Email || !mails) {
        shown = notifier.Show(QString::fromStdString(DailyNotice::Summary(profile.fullName)),
                              QString::fromStdString(DailyNotice::Body(today, PlainReportText(set))),
                              QString::fromStdString(ApplicationId),
                              DailyNotice::OpenCommand(MainProgram(), task.profilePath, today));
    }
    if (mails)
        RunUnattended(set, task.email, task.UnattendedType(), writePicture);
    if (shown)
        notifier.Wait(kWaitLimitMs);
    return 0;
}
