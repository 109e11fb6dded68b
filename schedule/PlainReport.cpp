#include "schedule/PlainReport.h"

namespace {
const char* const ReadingLabels[CycleCount] = {
    "Emotional Reading: ", "Physical Reading: ", "Intellectual Reading: ", "Intuition Reading: ", "Fortune Reading: ",
};
}

std::string PlainReportText(const DailyReadingSet& set)
{
    std::string text = set.title + "\n";
    for (int kind = 0; kind < CycleCount; ++kind)
        text += ReadingLabels[kind] + std::to_string(set.readings[static_cast<std::size_t>(kind)]) + "%\n";
    text += set.dayReadingText + "\n";
    text += set.evilEyeText + "\n";
    text += set.lotteryText + "\n";
    return text;
}

std::string ComposePlainReport(const std::string& profilePath, const Date& date)
{
    DailyReadingSet set;
    ComputeDailyReadingSet(set, profilePath, date.year, date.month, date.day, ReadingRange::Unlimited);
    return PlainReportText(set);
}
