// Any crontab text: inserting, activating and deleting the marked line keeps
// every other line byte for byte, in its place and with its own line end.
#include "schedule/Crontab.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
struct Line {
    std::string text;
    bool ended;
};

std::vector<Line> Split(const std::string& table)
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

bool IsMarked(const std::string& text)
{
    return Crontab::FindWorkItem(text) != Crontab::WorkItemState::Missing;
}

// The other lines of `table`, each with its end; the last one's end as it stood.
std::string OtherLines(const std::string& table)
{
    std::string kept;
    for (const Line& line : Split(table))
        if (!IsMarked(line.text))
            kept += line.text + (line.ended ? "\n" : "");
    return kept;
}

std::string WithEnd(std::string text)
{
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    return text;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int hour = data[0] % 24;
    const int minute = data[1] % 60;
    const std::string table(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::string command =
        Crontab::WorkItemCommand("/home/u/.local/share/moravel/", "/usr/libexec/moravel/Kestrane");

    // Delete: exactly the marked lines go.
    const std::string removed = Crontab::RemoveWorkItem(table);
    Check(removed == OtherLines(table));
    Check(Crontab::FindWorkItem(removed) == Crontab::WorkItemState::Missing);

    // Insert into the table without the line, then activate, then delete again.
    const std::string inserted = Crontab::AddDisabledWorkItem(removed, command);
    Check(inserted == WithEnd(removed) + "# " + command + " " + Crontab::WorkItemMarker + "\n");
    Check(Crontab::FindWorkItem(inserted) == Crontab::WorkItemState::Disabled);
    const std::string active = Crontab::ActivateWorkItem(inserted, hour, minute, command);
    Check(active == WithEnd(removed) + std::to_string(minute) + " " + std::to_string(hour) + " * * * " + command + " " +
                        Crontab::WorkItemMarker + "\n");
    Check(Crontab::FindWorkItem(active) == Crontab::WorkItemState::Enabled);
    Check(Crontab::RemoveWorkItem(active) == WithEnd(removed));

    // Activating the table as it came: marked lines collapse into one active line in
    // the first one's place, the others stand as they were.
    const std::string activated = Crontab::ActivateWorkItem(table, hour, minute, command);
    Check(OtherLines(activated) == OtherLines(table));
    int marked = 0;
    for (const Line& line : Split(activated))
        marked += IsMarked(line.text) ? 1 : 0;
    Check(marked == (Crontab::FindWorkItem(table) == Crontab::WorkItemState::Missing ? 0 : 1));
    return 0;
}
