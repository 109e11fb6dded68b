// Drives the scheduler link from scripts, in the order the Schedule window's Save uses.
//   ScheduleTool schedule PROFILE EMAIL HOUR MINUTE TYPE
//   ScheduleTool delete
#include "schedule/SchedulerLink.h"
#include "schedule/TaskFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[])
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "delete")
        return SchedulerLink::DeleteWorkItem() ? 0 : 1;
    if (command != "schedule" || argc != 7) {
        std::fprintf(stderr, "usage: ScheduleTool schedule PROFILE EMAIL HOUR MINUTE TYPE | delete\n");
        return 2;
    }
    TaskFile task{argv[2], argv[3], std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6])};
    const char* failed = nullptr;
    if (!WriteTaskFile(task))
        failed = "WriteTaskFile";
    else if (!SchedulerLink::EnsureSchedulerRunning())
        failed = "EnsureSchedulerRunning";
    else if (SchedulerLink::DeleteWorkItem(), !SchedulerLink::CreateWorkItem())
        failed = "CreateWorkItem";
    else if (!SchedulerLink::ActivateWorkItem(task.hour, task.minute))
        failed = "ActivateWorkItem";
    if (failed) {
        std::fprintf(stderr, "%s failed\n", failed);
        return 1;
    }
    return 0;
}
