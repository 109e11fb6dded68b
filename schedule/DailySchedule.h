#pragma once

#include "schedule/TaskFile.h"

#include <functional>
#include <string>
#include <vector>

// The characters the address field takes.
constexpr int kAddressLimit = 100;

// Only a delivery by e-mail needs an address.
bool NeedsAddress(Delivery delivery);
// The message for an address the daily delivery cannot keep; empty when it can.
std::string AddressMessage(const std::string& email);

// What the Schedule window shows: the current delivery's settings when one is
// scheduled, else the defaults (6:00, plain text, e-mail).
struct ScheduleForm {
    int hour = 6;  // 1 to 23, as the hour list counts
    int minute = 0;
    int fullColour = 0;
    Delivery delivery = Delivery::Email;
    std::string email;
};
ScheduleForm FormOfTask(const TaskFileContents& task);

// One step of scheduling the daily delivery and the message shown when it fails.
struct ScheduleStep {
    std::function<bool()> run;
    std::string failure;
};
// Write the task file, make sure the scheduler runs, create the work item and
// activate it at the task's time.
std::vector<ScheduleStep> ScheduleSteps(const TaskFile& task);
// Runs the steps in order up to the first that fails: its message; empty when every
// step succeeded.
std::string RunScheduleSteps(const std::vector<ScheduleStep>& steps);
