#pragma once

#include "engine/ReadingEngine.h"

#include <array>
#include <string>

struct DailyReadingSet {
    std::string title;
    std::array<int, CycleCount> readings{};  // indexed by CycleKind
    std::string dayReadingText;
    std::string evilEyeText;
    std::string lotteryText;
    std::string soulNumberText;
    std::string zodiacText;
};

// The windows show readings limited to 3..99; the scheduled report shows them as computed.
enum class ReadingRange { Limited, Unlimited };

// Fills `set` for the profile file and date. An empty path computes nothing and
// leaves `set` as it was.
void ComputeDailyReadingSet(DailyReadingSet& set, const std::string& profilePath, int year, int month, int day,
                            ReadingRange range = ReadingRange::Limited);
