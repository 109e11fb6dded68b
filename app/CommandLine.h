#pragma once

#include "app/StartRequest.h"
#include "platform/Date.h"
#include "profiles/ProfileFiles.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

enum class CommandKind { None, Help, Version, Report, Picture, Profiles, Open };
enum class OutputFormat { Text, Json, Ics };

// Exit status of a command line that is refused; a picture that cannot be written gives 1.
inline constexpr int RefusedCommandLine = 2;
// Exit status of a start with windows (also open) where no display can be reached.
inline constexpr int NoDisplayStatus = 3;
inline constexpr int MaximumReportDays = 3660;

// A command of the program's command line, read and checked against the profile
// index and the profile's file. Reading never writes anything.
struct CommandLine {
    CommandKind kind = CommandKind::None;  // None: not a command, the program starts as before
    std::string program = "Kestrane";      // the name it was started by, for messages
    std::string error;                     // why the command line is refused; empty when it is not
    bool usageHint = false;                // the refusal is followed by the usage line
    std::string helpTopic;                 // the command --help was asked about
    std::string profile;                   // a description of the index
    std::string profilePath;               // its file
    ProfileRecord profileRecord;           // its contents, read once while the command line is checked
    std::optional<Date> date;              // report and picture: --date or today
    int days = 1;
    bool daysGiven = false;  // picture: the month chart of `days` days instead of the report
    OutputFormat format = OutputFormat::Text;
    std::string output;  // the picture's file

    StartRequest Request() const { return {profile, date}; }
};

// `arguments` are those after the program's name. A first argument that is not
// one of the command words is no command (kind None).
CommandLine ReadCommandLine(const std::string& programPath, const std::vector<std::string>& arguments);

// Runs help, version, report and profiles, and refuses any command whose `error`
// is set: output to `out`, the one-line message to `err`. Gives the exit status.
int RunCoreCommand(const CommandLine& command, std::ostream& out, std::ostream& err);

// The report's text for the command's profile, days and format (without Qt).
std::string ReportOutput(const CommandLine& command);

// An argument or path in a one-line message, quoted, control characters as "?".
std::string QuotedArgument(std::string text);
// Text for a terminal: control characters (LF kept when asked) as "\x1b" and the like,
// so that a value from an older file can neither split a column nor drive the terminal.
std::string EscapedControls(const std::string& text, bool keepLineEnds = false);

// The calendar the date lists offer: 1900 to 2099, 1900 not a leap year.
bool IsListedDate(const Date& date);
