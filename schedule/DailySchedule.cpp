#include "schedule/DailySchedule.h"

#include "platform/DataFile.h"
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

ScheduleForm FormOfTask(const TaskFileContents& task)
{
    ScheduleForm form;
    if (!task.IsPresent())
        return form;
    form.email = task.email;
    form.delivery = task.DeliveryChoice();
    form.fullColour = ParseLeadingInt(task.type) != 0 ? 1 : 0;
    // The first time as the file stores it ("7:5AM"); one that is not of that form
    // leaves the default.
    if (!task.times.empty()) {
        const std::string& time = task.times.front();
        const std::size_t colon = time.find(':');
        const int hour = ParseLeadingInt(time);
        const int minute = colon == std::string::npos ? -1 : ParseLeadingInt(time.substr(colon + 1));
        if (colon != std::string::npos && hour >= 1 && hour <= 23 && minute >= 0 && minute <= 59) {
            form.hour = hour;
            form.minute = minute;
        }
    }
    return form;
}

std::vector<ScheduleStep> ScheduleSteps(const TaskFile& task)
{
    // The delivery scheduled before is replaced only now, when the new one is saved.
    return {
        {[task] { return WriteTaskFile(task); }, "Unable to save profile.    "},
        {[] { return SchedulerLink::EnsureSchedulerRunning() && (SchedulerLink::DeleteWorkItem(), true); },
         "Unable to start Task Scheduler.    "},
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
