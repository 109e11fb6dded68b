#pragma once

#include "reports/DailyReadingSet.h"

#include <string>
#include <vector>

// The daily report as lines of text, in the order the window shows them: the five
// reading lines as drawn, then each cycle as "Emotional: 21%".
std::vector<std::string> ReadingLines(const DailyReadingSet& set);

// What is said when the window turns to another date: the date and profile, then
// every line, each ending in a full stop.
std::string ReadingSummary(const std::string& title, const std::vector<std::string>& lines);
