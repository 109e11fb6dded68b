#include "engine/HourlyLines.h"

#include <cmath>
#include <cstdio>

namespace {
std::string Trimmed(const std::string& word)
{
    const auto first = word.find_first_not_of(' ');
    const auto last = word.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : word.substr(first, last - first + 1);
}
}

std::vector<std::string> HourlyLines(const HourlyCurve& curve)
{
    std::vector<std::string> lines = {"Hours 00 to 12: " + Trimmed(curve.firstPhase) + " Phase",
                                      "Hours 12 to 24: " + Trimmed(curve.secondPhase) + " Phase"};
    for (std::size_t hour = 0; hour < curve.hourValue.size(); ++hour) {
        char line[40];
        std::snprintf(line, sizeof line, "Hour %02zu: %ld", hour, std::lround(curve.hourValue[hour]));
        lines.emplace_back(line);
    }
    return lines;
}
