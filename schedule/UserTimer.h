#pragma once

#include <string>

// The daily work item where the user has a service manager: a timer that starts a
// service at the chosen time, and catches up a start missed while the computer
// was off or asleep. Only text is made and read here; SchedulerLink installs it.
namespace UserTimer {
inline const std::string TimerName = "moravel-daily-report.timer";
inline const std::string ServiceName = "moravel-daily-report.service";

// Where the user's own units live: $XDG_CONFIG_HOME/systemd/user/, else
// $HOME/.config/systemd/user/ (null or empty variables count as unset).
std::string UnitFolder(const char* xdgConfigHome, const char* home);

// True when `systemctl --user is-system-running` printed "running" or "degraded".
bool ManagerRuns(const std::string& isSystemRunningOutput);

// The service: runs installDir's "Kestrane" with its "task.dtr" in installDir,
// XDG_DATA_HOME set to installDir's parent as the crontab line does. installDir is
// a normalised absolute path (no "." or ".." parts). Empty when a path holds a
// control character, which no unit line can carry.
std::string ServiceText(const std::string& installDir);

// The timer: daily at hour:minute, persistent.
std::string TimerText(int hour, int minute);

// A word for a unit's command line: quoted, with "%" and "$" kept from expansion.
std::string CommandWord(const std::string& text);
// The same for the program's path, where the manager expands "%" but no "$".
std::string ProgramWord(const std::string& path);
}
