#include "reports/DailyReadingSet.h"

#include "platform/AsciiText.h"
#include "platform/Calendar.h"

std::string DayReadingName(DayReading reading)
{
    switch (reading) {
    case DayReading::Good:
        return "Good Day";
    case DayReading::Bad:
        return "Bad Day";
    case DayReading::Normal:
        break;
    }
    return "Normal Day";
}

std::string EvilEyeName(EvilEye evilEye)
{
    switch (evilEye) {
    case EvilEye::NotSusceptible:
        return "Not susceptible to the Evil Eye";
    case EvilEye::PutOnYou:
        return "Someone put the Evil Eye on you";
    case EvilEye::Susceptible:
        break;
    }
    return "Susceptible to the Evil Eye";
}

std::string DailyTitle(const ProfileRecord& profile, const Date& date)
{
    // The editor refuses control characters, but an older file may hold a TAB or an ESC
    // in the name: a title bar, a picture and a terminal show a blank there.
    return "Daily Analysis - " + MonthName(date.month) + std::to_string(date.day) + ", " + std::to_string(date.year) +
           "  - " + ControlsReplaced(profile.fullName, ' ') + " -" +
           (profile.manualCalibration ? "  Manual Calibration" : "  Automatic Calibration");
}

std::string DayReadingText(const DailyRecord& record)
{
    return "Day Reading: " + DayReadingName(record.dayReading);
}

std::string EvilEyeText(const DailyRecord& record)
{
    return "Evil Eye Reading: " + EvilEyeName(record.evilEye);
}

std::string LotteryText(const DailyRecord& record)
{
    std::string text = "Lottery Numbers: ";
    for (std::size_t i = 0; i < record.lottery.size(); ++i) {
        if (i > 0)
            text += "  ";
        text += std::to_string(record.lottery[i]);
    }
    return text + " ";
}

bool ShowsSoulNumber(const DailyRecord& record)
{
    return record.soulNumber >= 0 && record.soulNumber <= 9;
}

std::string SoulNumberText(const DailyRecord& record)
{
    return ShowsSoulNumber(record) ? "Soul Number: " + std::to_string(record.soulNumber) : std::string();
}

std::string ZodiacText(const DailyRecord& record)
{
    return record.zodiacSign ? "Zodiac Sign: " + SignName(*record.zodiacSign) : std::string();
}

DailyReadingSet ComposeDailyReadingSet(const ProfileRecord& profile, const DailyRecord& record, ReadingRange range)
{
    DailyReadingSet set;
    set.title = DailyTitle(profile, record.date);
    set.readings = range == ReadingRange::Unlimited ? record.raw : record.limited;
    set.dayReadingText = DayReadingText(record);
    set.evilEyeText = EvilEyeText(record);
    set.lotteryText = LotteryText(record);
    set.soulNumberText = SoulNumberText(record);
    set.zodiacText = ZodiacText(record);
    return set;
}

void ComputeDailyReadingSet(DailyReadingSet& set, const std::string& profilePath, int year, int month, int day,
                            ReadingRange range)
{
    if (profilePath.empty())
        return;
    const ProfileRecord profile = ReadProfileFile(profilePath);
    const Date date{month, day, year};
    set = ComposeDailyReadingSet(profile, ComputeDailyRecord(profile, date), range);
}
