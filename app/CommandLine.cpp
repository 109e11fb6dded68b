#include "app/CommandLine.h"

#include "app/LastProfile.h"
#include "reports/DailyReadingSet.h"
#include "platform/AsciiText.h"
#include "platform/Calendar.h"
#include "platform/Clock.h"
#include "platform/DataFile.h"
#include "platform/Paths.h"
#include "profiles/ProfileChecks.h"
#include "profiles/ProfileFiles.h"
#include "reports/Icalendar.h"
#include "reports/MonthView.h"
#include "reports/ReportJson.h"
#include "schedule/PlainReport.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <ostream>
#include <sys/stat.h>

#ifndef MORAVEL_VERSION
#define MORAVEL_VERSION "2005"
#endif
// "/moravel.png/...": the installed pictures, each between slashes.
#ifndef MORAVEL_OWN_PICTURES
#define MORAVEL_OWN_PICTURES "/moravel.png/"
#endif

namespace {

struct CommandWord {
    const char* word;
    CommandKind kind;
    const char* usage;
    const char* summary;
    std::vector<std::string> options;  // each takes a value
};

const std::vector<CommandWord>& CommandWords()
{
    static const std::vector<CommandWord> words = {
        {"report",
         CommandKind::Report,
         "report --profile DESCRIPTION [--date YYYY-MM-DD] [--days N] [--format text|json|ics]",
         "Print the daily report of N days (1 to 3660, default 1) from the date (default today).",
         {"--profile", "--date", "--days", "--format"}},
        {"picture",
         CommandKind::Picture,
         "picture --profile DESCRIPTION [--date YYYY-MM-DD] [--days N] --output FILE",
         "Write the 780 x 550 report picture, or with --days the chart of N days (7 to 92) around the date:\n"
         "      JPEG, or PNG when FILE ends in .png.",
         {"--profile", "--date", "--days", "--output"}},
        {"profiles",
         CommandKind::Profiles,
         "profiles [--format text|json]",
         "List the profiles: full name, description and calibration.",
         {"--format"}},
        {"open",
         CommandKind::Open,
         "open [--profile DESCRIPTION] [--date YYYY-MM-DD]",
         "Start Moravel with the profile selected; with a date, its Daily Analysis window opens.",
         {"--profile", "--date"}},
        {"today",
         CommandKind::Open,
         "today",
         "Start Moravel with today's Daily Analysis window for the profile selected last.",
         {}},
    };
    return words;
}

const CommandWord* FindWord(const std::string& word)
{
    for (const CommandWord& entry : CommandWords())
        if (word == entry.word)
            return &entry;
    return nullptr;
}

std::string HelpText(const std::string& program, const std::string& topic)
{
    if (const CommandWord* word = FindWord(topic))
        return "Usage: " + program + " " + word->usage + "\n" + word->summary + "\n";
    std::string text = "Usage: " + program +
                       " [COMMAND [OPTIONS]]\n"
                       "Without a command, Moravel starts with its windows.\n\nCommands:\n";
    for (const CommandWord& word : CommandWords())
        text += std::string("  ") + word.usage + "\n      " + word.summary + "\n";
    text += "  --help [COMMAND]\n      Show this help, or the help of one command.\n"
            "  --version\n      Show the version.\n\n"
            "Exit status: 0 done, 1 the picture could not be written, 2 a refused command line\n"
            "or a file that cannot be read, 3 no display to show the windows on.\n"
            "Dates are YYYY-MM-DD from 1900-01-01 to 2099-12-31. See man Kestrane.\n";
    return text;
}

// "YYYY-MM-DD", digits only, a day the month has (any year).
std::optional<Date> ParseIsoDate(const std::string& text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    const Date date{std::stoi(text.substr(5, 2)), std::stoi(text.substr(8, 2)), std::stoi(text.substr(0, 4))};
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > GregorianDaysInMonth(date.month, date.year))
        return std::nullopt;
    return date;
}

std::optional<int> ParseCount(const std::string& text)
{
    if (text.empty() || text.size() > 6)
        return std::nullopt;
    for (const char c : text)
        if (c < '0' || c > '9')
            return std::nullopt;
    return std::stoi(text);
}

std::string Quoted(const std::string& text)
{
    return QuotedArgument(text);
}

// The profile index as the readers take it: a file there that cannot be read is named.
bool ReadIndex(CommandLine& command, std::vector<ProfileIndexEntry>& profiles)
{
    if (LoadProfileIndex(profiles) != FileState::Unreadable)
        return true;
    command.error = "cannot read the profile index " + Quoted(ProfileIndexPath());
    return false;
}

bool IsMistypedWord(const std::string& argument)
{
    const unsigned char first = argument.empty() ? 0 : static_cast<unsigned char>(argument.front());
    return (std::isalnum(first) || first >= 0x80) && argument.find('/') == std::string::npos;
}

// Takes the options of one command word; false with `error` set on the first fault.
bool ReadOptions(CommandLine& command, const CommandWord& word, const std::vector<std::string>& arguments)
{
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (const std::size_t equals = name.find('='); name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.erase(equals);
        }
        if (name == "--help" && !value) {
            command.kind = CommandKind::Help;
            command.helpTopic = word.word;
            return true;
        }
        bool known = false;
        for (const std::string& option : word.options)
            known = known || option == name;
        if (!known) {
            command.error = (name.rfind("-", 0) == 0 ? "unknown option " : "unexpected argument ") +
                            Quoted(arguments[i]) + " for " + word.word;
            return false;
        }
        if (!value) {
            if (i + 1 >= arguments.size()) {
                command.error = "option " + name + " needs a value";
                return false;
            }
            value = arguments[++i];
        }
        if (name == "--profile") {
            command.profile = *value;
        } else if (name == "--output") {
            command.output = *value;
        } else if (name == "--date") {
            command.date = ParseIsoDate(*value);
            if (!command.date || !IsListedDate(*command.date)) {
                command.error =
                    Quoted(*value) + (command.date ? " lies outside 1900-2099" : " is not a date (YYYY-MM-DD)");
                return false;
            }
        } else if (name == "--days") {
            const std::optional<int> days = ParseCount(*value);
            const bool chart = word.kind == CommandKind::Picture;
            const int fewest = chart ? MonthViewFewestDays : 1;
            const int most = chart ? MonthViewMostDays : MaximumReportDays;
            if (!days || *days < fewest || *days > most) {
                command.error = "--days takes a number from " + std::to_string(fewest) + " to " + std::to_string(most) +
                                (chart ? " for picture" : "") + ", not " + Quoted(*value);
                return false;
            }
            command.days = *days;
            command.daysGiven = true;
        } else if (*value == "text" || *value == "json" || (*value == "ics" && word.kind == CommandKind::Report)) {
            command.format = *value == "text"   ? OutputFormat::Text
                             : *value == "json" ? OutputFormat::Json
                                                : OutputFormat::Ics;
        } else {
            command.error = "unknown format " + Quoted(*value) + " for " + word.word +
                            (word.kind == CommandKind::Report ? " (text, json or ics)" : " (text or json)");
            return false;
        }
    }
    return true;
}

// The profile must be a row of the index and its file readable.
bool CheckProfile(CommandLine& command)
{
    std::vector<ProfileIndexEntry> profiles;
    if (!ReadIndex(command, profiles))
        return false;
    bool listed = false;
    for (const ProfileIndexEntry& entry : profiles)
        listed = listed || entry.description == command.profile;
    if (!listed || !IsValidProfileFileName(command.profile)) {
        command.error = "unknown profile " + Quoted(command.profile) + " (" + command.program + " profiles lists them)";
        return false;
    }
    command.profilePath = ProfilePath(command.profile);
    if (ReadProfileFile(command.profilePath, command.profileRecord) != FileState::Readable) {
        command.error = "cannot read the profile " + Quoted(command.profile) + ": " + command.profilePath;
        return false;
    }
    return true;
}

bool CheckDates(CommandLine& command)
{
    if (!command.date)
        return true;
    const Date first = *command.date;
    if (!IsListedDate(first)) {
        command.error = "today, " + IsoDate(first) + ", lies outside 1900-2099";
        return false;
    }
    if (!command.profilePath.empty()) {
        command.error = BeforeBirthMessage(command.profileRecord.birthday, first);
        if (!command.error.empty())
            return false;
    }
    // The chart's days lie around the date, kept within the calendar.
    if (command.kind == CommandKind::Picture)
        return true;
    // The last day of the report must still be one the calendar offers.
    Date last = first;
    for (int i = 1; i < command.days && IsListedDate(last); ++i)
        last = DayAfter(last);
    if (!IsListedDate(last)) {
        command.error = "--days " + std::to_string(command.days) + " from " + IsoDate(first) + " runs past 2099-12-31";
        return false;
    }
    return true;
}

std::string RealPath(const std::string& path)
{
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return {};
    std::string result = real;
    std::free(real);
    return result;
}

// A picture never replaces one of Moravel's own files: in InstallDir itself only
// picture names may be written, and none of the pictures Moravel installs or makes
// there. A link at the file is replaced, not followed.
bool CheckOutput(CommandLine& command)
{
    const std::string& output = command.output;
    const std::size_t slash = output.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : output.substr(0, slash);
    const std::string name = slash == std::string::npos ? output : output.substr(slash + 1);
    const std::string realFolder = RealPath(folder);
    if (realFolder.empty() || realFolder != RealPath(WithoutClosingSlash(InstallDir())))
        return true;
    const std::string own = std::string(MORAVEL_OWN_PICTURES) + "hourly.jpg/";
    const bool owned = name.find('/') == std::string::npos && own.find("/" + name + "/") != std::string::npos;
    for (const char* ending : {".jpg", ".jpeg", ".png"})
        if (!owned && name.size() > std::string(ending).size() && EndsWithLowerAscii(name, ending))
            return true;
    command.error =
        "will not write " + Quoted(output) +
        (owned ? ": it is one of Moravel's own files" : " among Moravel's own files (name it .jpg or .png)");
    return false;
}

std::string ProfilesOutput(OutputFormat format)
{
    std::vector<ProfileIndexEntry> profiles;
    LoadProfileIndex(profiles);
    if (format == OutputFormat::Json)
        return ProfilesJson(profiles);
    std::string text;
    for (const ProfileIndexEntry& entry : profiles)
        text += EscapedControls(entry.fullName) + "\t" + EscapedControls(entry.description) + "\t" +
                EscapedControls(entry.calibrationLabel) + "\n";
    return text;
}

}  // namespace

std::string QuotedArgument(std::string text)
{
    // A line break in it would split the message's one line.
    return "'" + ControlsReplaced(std::move(text), '?') + "'";
}

std::string EscapedControls(const std::string& text, bool keepLineEnds)
{
    std::string escaped;
    for (const char c : text) {
        if (IsControlByte(c) && !(keepLineEnds && c == '\n')) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", static_cast<unsigned char>(c));
            escaped += code;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

bool IsListedDate(const Date& date)
{
    return date.year >= OldestListedYear && date.year <= NewestListedYear && date.month >= 1 && date.month <= 12 &&
           date.day >= 1 && date.day <= GregorianDaysInMonth(date.month, date.year);
}

CommandLine ReadCommandLine(const std::string& programPath, const std::vector<std::string>& arguments)
{
    CommandLine command;
    const std::string name = LastPathPart(programPath);
    if (!name.empty())
        command.program = name;
    if (arguments.empty())
        return command;
    const std::string& first = arguments.front();
    if (first == "--help" || first == "--version") {
        command.kind = first == "--help" ? CommandKind::Help : CommandKind::Version;
        const std::size_t allowed = command.kind == CommandKind::Help ? 2 : 1;
        if (arguments.size() > allowed)
            command.error = (arguments[allowed].rfind("-", 0) == 0 ? "unknown option " : "unexpected argument ") +
                            Quoted(arguments[allowed]) + " for " + first;
        else if (arguments.size() == 2 && !FindWord(arguments[1]))
            command.error = "unknown command " + Quoted(arguments[1]);
        else if (arguments.size() == 2)
            command.helpTopic = arguments[1];
        return command;
    }
    const CommandWord* word = FindWord(first);
    // A word that names no command is a mistyped one; paths (the task file) and
    // Qt's own -options start the program as before.
    if (!word && IsMistypedWord(first)) {
        command.kind = CommandKind::Help;
        command.error = "unknown command " + Quoted(first);
        command.usageHint = true;
        return command;
    }
    if (!word)
        return command;
    command.kind = word->kind;
    if (!ReadOptions(command, *word, arguments) || command.kind == CommandKind::Help)
        return command;

    const bool needsProfile = command.kind == CommandKind::Report || command.kind == CommandKind::Picture;
    if (needsProfile && command.profile.empty()) {
        command.error = std::string(word->word) + " needs --profile DESCRIPTION";
        return command;
    }
    if (command.kind == CommandKind::Picture && command.output.empty()) {
        command.error = "picture needs --output FILE";
        return command;
    }
    if (needsProfile && !command.date)
        command.date = Today();
    if (std::string(word->word) == "today") {
        // A profile removed since then leaves the plain start.
        command.date = Today();
        command.profile = LastSelectedProfile();
        if (!command.profile.empty() && !CheckProfile(command)) {
            command.profile.clear();
            command.profilePath.clear();
            command.error.clear();
        }
        return command;
    }
    if (!command.profile.empty() && !CheckProfile(command))
        return command;
    std::vector<ProfileIndexEntry> listed;
    if (command.kind == CommandKind::Profiles && !ReadIndex(command, listed))
        return command;
    if (CheckDates(command) && command.kind == CommandKind::Picture)
        CheckOutput(command);
    return command;
}

std::string ReportOutput(const CommandLine& command)
{
    const ProfileRecord& profile = command.profileRecord;
    std::vector<DailyRecord> reportDays;
    std::vector<CalendarDay> calendarDays;
    std::string text;
    // JSON shows the window's values; the text and the calendar carry the mail's.
    Date date = *command.date;
    for (int i = 0; i < command.days; ++i, date = DayAfter(date)) {
        const DailyRecord record = ComputeDailyRecord(profile, date);
        if (command.format == OutputFormat::Json) {
            reportDays.push_back(record);
            continue;
        }
        const std::string plain = PlainReportText(ComposeDailyReadingSet(profile, record, ReadingRange::Unlimited));
        if (command.format == OutputFormat::Ics)
            calendarDays.push_back({date, DayAfter(date), record.dayReading, plain});
        else
            text += (i ? "\n" : "") + EscapedControls(plain, true);
    }
    if (command.format == OutputFormat::Json)
        return ReportJson(command.profile, profile.fullName, profile.manualCalibration, reportDays);
    if (command.format == OutputFormat::Ics)
        return ReportCalendar(command.profile, profile.fullName, calendarDays, std::time(nullptr));
    return text;
}

int RunCoreCommand(const CommandLine& command, std::ostream& out, std::ostream& err)
{
    if (!command.error.empty()) {
        err << command.program << ": " << command.error << "\n";
        if (command.usageHint)
            err << "Usage: " << command.program << " [COMMAND [OPTIONS]]; " << command.program
                << " --help lists the commands.\n";
        return RefusedCommandLine;
    }
    std::string text;
    switch (command.kind) {
    case CommandKind::Help:
        text = HelpText(command.program, command.helpTopic);
        break;
    case CommandKind::Version:
        text = command.program + " (Moravel) " MORAVEL_VERSION "\n";
        break;
    case CommandKind::Report:
        text = ReportOutput(command);
        break;
    case CommandKind::Profiles:
        text = ProfilesOutput(command.format);
        break;
    default:
        return RefusedCommandLine;
    }
    out << text << std::flush;
    if (!out) {
        err << command.program << ": cannot write the output\n";
        return 1;
    }
    return 0;
}
