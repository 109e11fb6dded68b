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
