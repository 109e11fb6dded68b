#pragma once

#include <string>

// The daily work item "Daily Analysis Report". Where the user's service manager
// runs (`systemctl --user is-system-running` says running or degraded) it is a
// user timer with its service; elsewhere one line of the user's crontab ending in
// "# Daily Analysis Report", every other crontab line kept byte for byte. A
// crontab line left by an earlier version still counts until a timer replaces it.
namespace SchedulerLink {
// True when the user's service manager runs. Else false without a crontab program;
// true when cron/crond runs or a start command succeeded.
bool EnsureSchedulerRunning();
// The same, looking for the daemon in the given proc file system.
bool EnsureSchedulerRunningIn(const std::string& procRoot);
// True when the timer is enabled or the marked line exists and is enabled.
bool WorkItemExists();
// Ends a running delivery, then removes the units and the marked line; false when
// there was neither or the crontab could not be rewritten. Unit files go even
// without a running manager: editing them needs none.
bool DeleteWorkItem();
// With a manager: writes the service (an item without a trigger); false when a
// unit exists. Else adds the line disabled (commented out); false when a marked
// line exists.
bool CreateWorkItem();
// With a manager: writes the timer, reloads and enables it, then drops an old
// crontab line. Else writes minute and hour into the line and enables it.
bool ActivateWorkItem(int hour, int minute);
// Points an existing delivery (service unit and marked crontab line) at the running
// copy's main program, keeping its time; nothing is made where there is none.
void RetargetWorkItem();
}
