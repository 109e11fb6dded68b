#pragma once

#include "reports/DailyReadingSet.h"
#include "platform/Date.h"

#include <string>

// The nine lines of the plain-text report: the title, the five readings as
// computed (a peak shows 100), the day reading, the evil eye and the lottery line.
std::string PlainReportText(const DailyReadingSet& unlimitedSet);

// The plain-text report of a profile file for one date.
std::string ComposePlainReport(const std::string& profilePath, const Date& date);
