#pragma once

#include <string>

// Edits of a crontab text for the daily work item: one line that ends in
// "# Daily Analysis Report". Every other line is kept byte for byte.
namespace Crontab {
inline const std::string WorkItemMarker = "# Daily Analysis Report";

enum class WorkItemState { Missing, Disabled, Enabled };

// Enabled when a marked line is active, Disabled when every marked line is commented out.
WorkItemState FindWorkItem(const std::string& table);

// The shell command that starts the delivery: enter installDir, then run the main
// program with installDir's "task.dtr" as the one argument, every path quoted for the
// shell and for cron's "%". XDG_DATA_HOME is always set, to installDir's parent, so
// that a run under cron finds installDir whatever HOME cron gives it.
// Empty when a path holds a line break, which no crontab line can carry.
std::string WorkItemCommand(const std::string& installDir, const std::string& program);

// The table with the disabled line appended (no time fields: no trigger yet).
// A last line without a line end gains one, as crontab needs it.
std::string AddDisabledWorkItem(const std::string& table, const std::string& command);

// The first marked line becomes the active daily line at hour:minute; other marked
// lines are dropped. The table unchanged when there is no marked line.
std::string ActivateWorkItem(const std::string& table, int hour, int minute, const std::string& command);

// The first marked line runs `command` instead, at the same time, enabled or
// disabled as it was; other marked lines are dropped. A marked line whose time
// is not the daily minute and hour this program writes is left as it is.
std::string RetargetWorkItem(const std::string& table, const std::string& command);

// The table without any marked line.
std::string RemoveWorkItem(const std::string& table);

// Text quoted for a crontab command: a POSIX shell word in which "%" (a line
// break to cron) stands outside the quotes, escaped.
std::string CronQuote(const std::string& text);
}
