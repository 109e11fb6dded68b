#pragma once

#include <functional>
#include <string>

// The daily work item "Daily Analysis Report": one line of the user's crontab
// ending in "# Daily Analysis Report". Every other crontab line is kept byte for byte.
namespace SchedulerLink {
// False without a crontab program; true when cron/crond runs or a start command succeeded.
bool EnsureSchedulerRunning();
// The same, looking for the daemon in the given proc file system.
bool EnsureSchedulerRunningIn(const std::string& procRoot);
// True when the marked line exists and is enabled.
bool WorkItemExists();
// Ends a running delivery, then removes the marked line; false when there is no
// line or the crontab could not be rewritten.
bool DeleteWorkItem();
// Adds the line disabled (commented out); false when a marked line exists.
bool CreateWorkItem();
// Writes minute and hour into the line and enables it.
bool ActivateWorkItem(int hour, int minute);

// Asks for the login account a scheduled run starts under; only systems that need
// one ask (never this one: a crontab line runs as its owner). The windows layer sets it.
using AccountPrompt = std::function<void(std::string& userId, std::string& password)>;
void SetAccountPrompt(AccountPrompt prompt);
// True for the systems whose scheduler needs an account: "2000" and "XP".
bool NeedsAccount(const std::string& systemName);
}
