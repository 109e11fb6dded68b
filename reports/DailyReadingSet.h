#pragma once

#include "engine/DailyRecord.h"
#include "profiles/ProfileFiles.h"

#include <array>
#include <string>

// The daily report's texts, composed from a DailyRecord: the one place where the
// readings become words. Each text holds its label.
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

DailyReadingSet ComposeDailyReadingSet(const ProfileRecord& profile, const DailyRecord& record,
                                       ReadingRange range = ReadingRange::Limited);

// Reads the profile file and fills `set` for the date. An empty path computes nothing
// and leaves `set` as it was.
void ComputeDailyReadingSet(DailyReadingSet& set, const std::string& profilePath, int year, int month, int day,
                            ReadingRange range = ReadingRange::Limited);

// The values without their labels: "Good Day", "Someone put the Evil Eye on you", "Leo".
std::string DayReadingName(DayReading reading);
std::string EvilEyeName(EvilEye evilEye);

// "Daily Analysis - March 15, 2004  - Anna Lee -  Automatic Calibration"
std::string DailyTitle(const ProfileRecord& profile, const Date& date);
// "Day Reading: Normal Day" and the other labelled lines; the soul number's and the
// sign's are empty where there is none to show.
std::string DayReadingText(const DailyRecord& record);
std::string EvilEyeText(const DailyRecord& record);
std::string LotteryText(const DailyRecord& record);
std::string SoulNumberText(const DailyRecord& record);
std::string ZodiacText(const DailyRecord& record);
// Whether the soul number has a line of its own (a single digit).
bool ShowsSoulNumber(const DailyRecord& record);
