#include "schedule/Crontab.h"

#include "platform/Process.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace Crontab {
namespace {
struct Line {
    std::string text;   // without its line end
    bool ended = true;  // followed by "\n"
};

std::vector<Line> SplitLines(const std::string& table)
{
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < table.size()) {
        const std::size_t end = table.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back({table.substr(start), false});
            break;
        }
        lines.push_back({table.substr(start, end - start), true});
        start = end + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<Line>& lines)
{
    std::string table;
    for (const Line& line : lines) {
        table += line.text;
        if (line.ended)
            table += '\n';
    }
    return table;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

bool IsMarked(const std::string& text)
{
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1]))
        --end;
    return end >= WorkItemMarker.size() &&
           text.compare(end - WorkItemMarker.size(), WorkItemMarker.size(), WorkItemMarker) == 0;
}

bool IsCommentedOut(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string::npos || text[first] == '#';
}

std::string DisabledLine(const std::string& command)
{
    return "# " + command + " " + WorkItemMarker;
}

std::string ActiveLine(int hour, int minute, const std::string& command)
{
    return std::to_string(minute) + " " + std::to_string(hour) + " * * * " + command + " " + WorkItemMarker;
}
}

WorkItemState FindWorkItem(const std::string& table)
{
    WorkItemState state = WorkItemState::Missing;
    for (const Line& line : SplitLines(table)) {
        if (!IsMarked(line.text))
            continue;
        if (!IsCommentedOut(line.text))
            return WorkItemState::Enabled;
        state = WorkItemState::Disabled;
    }
    return state;
}

std::string CronQuote(const std::string& text)
{
    const std::string quoted = ShellQuote(text);
    std::string result;
    for (char c : quoted) {
        // Cron turns an unescaped "%" into a line break and "\%" into "%". Closing the
        // quote first keeps a backslash of the text from pairing with the escape.
        if (c == '%')
            result += "'\\%'";
        else
            result += c;
    }
    return result;
}

std::string WorkItemCommand(const std::string& installDir, const std::string& program)
{
    if ((installDir + program).find('\n') != std::string::npos)
        return {};
    std::string parent = installDir;
    while (!parent.empty() && parent.back() == '/')
        parent.pop_back();
    parent.erase(std::min(parent.size(), parent.rfind('/')));
    if (parent.empty())
        parent = "/";
    return "cd " + CronQuote(installDir) + " && XDG_DATA_HOME=" + CronQuote(parent) + " " + CronQuote(program) + " " +
           CronQuote(installDir + "task.dtr");
}

std::string AddDisabledWorkItem(const std::string& table, const std::string& command)
{
    std::vector<Line> lines = SplitLines(table);
    if (!lines.empty())
        lines.back().ended = true;
    lines.push_back({DisabledLine(command), true});
    return JoinLines(lines);
}

std::string ActivateWorkItem(const std::string& table, int hour, int minute, const std::string& command)
{
    std::vector<Line> lines;
    bool activated = false;
    for (Line& line : SplitLines(table)) {
        if (IsMarked(line.text)) {
            if (activated)
                continue;
            line.text = ActiveLine(hour, minute, command);
            line.ended = true;
            activated = true;
        }
        lines.push_back(std::move(line));
    }
    return JoinLines(lines);
}

std::string RetargetWorkItem(const std::string& table, const std::string& command)
{
    std::vector<Line> lines;
    bool retargeted = false;
    for (Line& line : SplitLines(table)) {
        if (IsMarked(line.text)) {
            if (retargeted)
                continue;
            retargeted = true;
            int minute = -1, hour = -1;
            char rest[8] = {};
            if (IsCommentedOut(line.text))
                line.text = DisabledLine(command);
            else if (std::sscanf(line.text.c_str(), " %d %d * * %1[*]", &minute, &hour, rest) == 3 && hour >= 0 &&
                     hour <= 23 && minute >= 0 && minute <= 59)
                line.text = ActiveLine(hour, minute, command);
        }
        lines.push_back(std::move(line));
    }
    return JoinLines(lines);
}

std::string RemoveWorkItem(const std::string& table)
{
    std::vector<Line> lines;
    for (Line& line : SplitLines(table)) {
        if (!IsMarked(line.text))
            lines.push_back(std::move(line));
    }
    return JoinLines(lines);
}
}
