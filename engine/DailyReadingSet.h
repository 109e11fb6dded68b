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

// Fills `set` for the profile file and date; readings limited to 3..99.
// An empty path computes nothing and leaves `set` as it was.
void ComputeDailyReadingSet(DailyReadingSet& set, const std::string& profilePath, int year, int month, int day);
