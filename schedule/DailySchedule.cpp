#include "schedule/DailySchedule.h"

#include "platform/FieldCheck.h"
#include "schedule/SchedulerLink.h"

bool NeedsAddress(Delivery delivery)
{
    return delivery != Delivery::Notification;
}

std::string AddressMessage(const std::string& email)
{
    // A line break would end the task file's "Email:" line and start another.
    return FirstFailedMessage({
        {email, FieldTests::Filled, "Please enter Email Address first.    "},
        {email, FieldTests::AtMost(kAddressLimit), "Email Address is limited to 100 characters.    "},
        {email, FieldTests::EmailAddress, "Email Address is not valid.     "},
    });
}

std::vector<ScheduleStep> ScheduleSteps(const TaskFile& task)
{
    return {
        {[task] { return WriteTaskFile(task); }, "Unable to save profile.    "},
        {SchedulerLink::EnsureSchedulerRunning, "Unable to start Task Scheduler.    "},
        {SchedulerLink::CreateWorkItem, "Unable to schedule Daily Report.    "},
        {[hour = task.hour, minute = task.minute] { return SchedulerLink::ActivateWorkItem(hour, minute); },
         "Unable to activate Daily Report.    "},
    };
}

std::string RunScheduleSteps(const std::vector<ScheduleStep>& steps)
{
    for (const ScheduleStep& step : steps)
        if (!step.run())
            return step.failure;
    return {};
}
