#include "reports/ReadingLines.h"

namespace {
const char* const CycleNames[CycleCount] = {"Emotional", "Physical", "Intellectual", "Intuition", "Fortune"};
}

std::vector<std::string> ReadingLines(const DailyReadingSet& set)
{
    std::vector<std::string> lines = {set.zodiacText, set.soulNumberText, set.dayReadingText, set.evilEyeText,
                                      set.lotteryText};
    for (int kind = 0; kind < CycleCount; ++kind)
        lines.push_back(std::string(CycleNames[kind]) + ": " +
                        std::to_string(set.readings[static_cast<std::size_t>(kind)]) + "%");
    return lines;
}

std::string ReadingSummary(const std::string& title, const std::vector<std::string>& lines)
{
    // The title's date part: "Daily Analysis - May 5, 2026  - Anna -  Automatic Calibration"
    // is spoken whole; a reader skips the runs of blanks.
    std::string summary = title;
    for (const std::string& line : lines)
        if (!line.empty())
            summary += (summary.empty() ? "" : ". ") + line;
    return summary.empty() ? summary : summary + ".";
}
