#pragma once

// The daily work item "Daily Analysis Report": one line of the user's crontab
// ending in "# Daily Analysis Report". Every other crontab line is kept byte for byte.
namespace SchedulerLink {
// False without a crontab program; true when cron/crond runs or a start command succeeded.
bool EnsureSchedulerRunning();
// True when the marked line exists and is enabled.
bool WorkItemExists();
// Ends a running delivery, then removes the marked line; false when there is no line.
bool DeleteWorkItem();
// Adds the line disabled (commented out); false when a marked line exists.
bool CreateWorkItem();
// Writes minute and hour into the line and enables it.
bool ActivateWorkItem(int hour, int minute);
}
