#pragma once

#include "engine/ReadingEngine.h"
#include "engine/ZodiacSigns.h"
#include "platform/Date.h"
#include "profiles/ProfileFiles.h"

#include <array>
#include <optional>

enum class DayReading { Normal, Good, Bad };
enum class EvilEye { Susceptible, NotSusceptible, PutOnYou };

// Everything the readings say about one profile on one date, as numbers and kinds.
// The texts that show it are composed elsewhere (reports/DailyReadingSet).
struct DailyRecord {
    Date date;
    PersonalNumbers numbers;
    int hourCount = 0;
    int dayNumber = 0;
    std::array<int, CycleCount> raw{};      // as computed, indexed by CycleKind: a peak is 100
    std::array<int, CycleCount> limited{};  // 3..99, as the windows show them
    DayReading dayReading = DayReading::Normal;
    EvilEye evilEye = EvilEye::Susceptible;
    std::array<int, LotteryCount> lottery{};
    int soulNumber = 0;                    // the birth number
    std::optional<ZodiacSign> zodiacSign;  // none for a birthday month outside 1..12
};

// The readings of `profile` on `date`: calibration, the five cycles, the day reading
// and the evil eye, the lottery numbers, the soul number and the sign, in this order.
DailyRecord ComputeDailyRecord(const ProfileRecord& profile, const Date& date);

// What the windows show of a reading: 0 or less as 3, 100 or more as 99.
int LimitedReading(int value);
