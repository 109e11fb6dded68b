#include "engine/DailyRecord.h"

#include "platform/Calendar.h"

int LimitedReading(int value)
{
    return value <= 0 ? 3 : value >= 100 ? 99 : value;
}

DailyRecord ComputeDailyRecord(const ProfileRecord& profile, const Date& date)
{
    DailyRecord record;
    record.date = date;
    record.numbers = ComputeNumbers(profile);
    record.hourCount = HourCount(profile.birthday, date);
    record.dayNumber = DayNumber(date.day, date.month, date.year);
    const NumberMatch match = MatchOfDay(record.numbers, record.dayNumber);

    record.raw = {
        CycleValue(CycleKind::Emotional, record.hourCount),
        CycleValue(CycleKind::Physical, record.hourCount),
        CycleValue(CycleKind::Intellectual, record.hourCount),
        IntuitionReading(match, date.day),
        FortuneReading(match, date.day),
    };
    for (std::size_t i = 0; i < record.raw.size(); ++i)
        record.limited[i] = LimitedReading(record.raw[i]);

    switch (match) {
    case NumberMatch::BirthOrMother:
    case NumberMatch::Good:
        record.dayReading = DayReading::Good;
        record.evilEye = EvilEye::NotSusceptible;
        break;
    case NumberMatch::Bad:
        record.dayReading = DayReading::Bad;
        record.evilEye = EvilEye::PutOnYou;
        break;
    case NumberMatch::Father:
    case NumberMatch::None:
        record.dayReading = DayReading::Normal;
        record.evilEye = EvilEye::Susceptible;
        break;
    }
    record.lottery = LotteryNumbers(profile, date);
    record.soulNumber = record.numbers.birthNumber;
    record.zodiacSign = SignOf(profile.birthday.month, profile.birthday.day);
    return record;
}
