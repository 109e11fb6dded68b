#include "engine/DailyReadingSet.h"

void ComputeDailyReadingSet(DailyReadingSet& set, const std::string& profilePath, int year, int month, int day,
                            ReadingRange range)
{
    if (profilePath.empty())
        return;
    ReadingEngine engine(profilePath);
    engine.SetTargetDate(year, month, day);
    engine.ComputeNumbers();

    set.title = "Daily Analysis - " + engine.TitleDatePart();
    for (int i = 0; i < CycleCount; ++i) {
        const int value = engine.Reading(static_cast<CycleKind>(i));
        set.readings[static_cast<std::size_t>(i)] = range == ReadingRange::Unlimited ? value
                                                    : value <= 0                     ? 3
                                                    : value >= 100                   ? 99
                                                                                     : value;
    }
    set.dayReadingText = engine.DayReadingText();
    set.evilEyeText = engine.EvilEyeText();
    set.lotteryText = engine.LotteryText();
    set.soulNumberText = engine.SoulNumberText();
    set.zodiacText = engine.ZodiacText();
}
