#include "engine/ReadingEngine.h"

#include "engine/ZodiacSigns.h"
#include "platform/Calendar.h"

#include <climits>
#include <cstdlib>
#include <span>

namespace {
// One row of a cycle table: hours up to `lastHour` of a half period.
struct CycleRow {
    int lastHour;
    int high;
    int low;
};

constexpr CycleRow emotionalRows[] = {
    {0, 50, 49},   {24, 57, 42},  {48, 64, 35},  {72, 71, 28},  {96, 78, 21},
    {120, 85, 14}, {144, 93, 7},  {168, 100, 1}, {192, 93, 7},  {216, 85, 14},
    {240, 78, 21}, {264, 71, 28}, {288, 64, 35}, {312, 57, 42}, {335, 50, 49},
};
constexpr CycleRow physicalRows[] = {
    {0, 50, 50},   {24, 60, 40},  {48, 70, 30},  {72, 80, 20},  {96, 90, 10},  {144, 100, 1},
    {168, 90, 10}, {192, 80, 20}, {216, 70, 30}, {240, 60, 40}, {275, 50, 50},
};
// Between 199 and 216 hours the low half stays at 1.
constexpr CycleRow intellectualRows[] = {
    {0, 50, 50},   {24, 56, 44},  {48, 62, 38},  {72, 68, 31},  {96, 74, 24},  {120, 80, 18},
    {144, 86, 12}, {168, 93, 6},  {198, 100, 1}, {216, 93, 1},  {240, 86, 12}, {264, 80, 18},
    {288, 74, 24}, {312, 68, 31}, {336, 62, 38}, {360, 56, 44}, {395, 50, 50},
};

struct Cycle {
    int halfPeriod;
    int beforeBirth;
    std::span<const CycleRow> rows;
};

Cycle CycleOf(CycleKind kind)
{
    switch (kind) {
    case CycleKind::Physical:
        return {276, 40, physicalRows};
    case CycleKind::Intellectual:
        return {396, 44, intellectualRows};
    default:
        return {336, 42, emotionalRows};
    }
}

// A date's personal number: the month, day and year reductions combined.
int Reduced(const Date& date)
{
    return TripleNumber(ReduceNumber(date.month), ReduceNumber(date.day), YearNumber(date.year));
}

int DayBonus(int day)
{
    switch (day) {
    case 1:
        return 2;
    case 4:
        return 1;
    case 5:
        return 8;
    case 7:
        return 5;
    case 11:
        return 3;
    case 14:
        return 4;
    case 18:
        return 3;
    case 19:
        return 1;
    case 23:
        return 9;
    case 24:
        return 7;
    case 28:
        return 4;
    case 30:
        return 5;
    case 31:
        return 7;
    default:
        return 0;
    }
}

long long FoldWide(long long x, long long limit)
{
    if (x >= 55)
        x -= 10 * ((x - 45) / 10);
    if (x >= limit)
        x -= 10 * ((x - limit + 10) / 10);
    return x == 0 ? 1 : x;
}

int Saturate(long long value)
{
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

bool IsEven(int n)
{
    return n % 2 == 0;
}
}

int CycleValue(CycleKind kind, int hourCount)
{
    const Cycle cycle = CycleOf(kind);
    if (hourCount < 0)
        return cycle.beforeBirth;
    const bool high = (hourCount / cycle.halfPeriod) % 2 == 0;
    const int hour = hourCount % cycle.halfPeriod;
    for (const CycleRow& row : cycle.rows)
        if (hour <= row.lastHour)
            return high ? row.high : row.low;
    return 50;  // not reached: the last row ends the half period
}

int NameValue(const std::string& name)
{
    int sum = 0;
    for (const char c : name) {
        if (c >= 'a' && c <= 'z')
            sum += c - 'a' + 1;
        else if (c >= 'A' && c <= 'Z')
            sum += c - 'A' + 1;
        else if (c >= '1' && c <= '9')
            sum += c - '0';
    }
    return sum;
}

int Fold(int x, int limit)
{
    return Saturate(FoldWide(x, limit));
}

std::string ZodiacSignName(int month, int day)
{
    const auto sign = SignOf(month, day);
    return sign ? SignName(*sign) : std::string();
}

PersonalNumbers ComputeNumbers(const ProfileRecord& profile)
{
    PersonalNumbers n;
    n.birthNumber = Reduced(profile.birthday);
    n.motherNumber = profile.hasMother ? Reduced(profile.motherBirthday) : 3;
    n.fatherNumber = profile.hasFather ? Reduced(profile.fatherBirthday) : 1;
    if (n.birthNumber == 9 && n.motherNumber == 9)
        n.motherNumber = 8;
    if (n.birthNumber == 9 && n.fatherNumber == 9)
        n.fatherNumber = 7;
    if (n.birthNumber == n.motherNumber)
        n.motherNumber = ReduceNumber(n.birthNumber + n.motherNumber);
    if (n.birthNumber == n.fatherNumber)
        n.fatherNumber = ReduceNumber(n.birthNumber + n.fatherNumber);
    if (n.motherNumber == n.fatherNumber)
        n.fatherNumber = ReduceNumber(n.motherNumber + n.fatherNumber);
    if (profile.manualCalibration) {
        n.goodNumber = Reduced(profile.goodDay);
        n.badNumber = Reduced(profile.badDay);
    } else {
        n.goodNumber = ReduceNumber(n.birthNumber + n.motherNumber);
        n.badNumber = std::abs(n.birthNumber - n.fatherNumber);
    }
    if (n.badNumber == n.birthNumber || n.badNumber == n.motherNumber || n.badNumber == n.goodNumber)
        n.badNumber = ReduceNumber(2 * n.badNumber);
    if (n.fatherNumber == n.birthNumber || n.fatherNumber == n.motherNumber || n.fatherNumber == n.goodNumber)
        n.fatherNumber = ReduceNumber(2 * n.fatherNumber);
    return n;
}

int HourCount(const Date& birthday, const Date& date)
{
    return Saturate(24LL * DayCount(birthday, date));
}

NumberMatch MatchOfDay(const PersonalNumbers& numbers, int dayNumber)
{
    if (dayNumber == numbers.birthNumber || dayNumber == numbers.motherNumber)
        return NumberMatch::BirthOrMother;
    if (dayNumber == numbers.goodNumber)
        return NumberMatch::Good;
    if (dayNumber == numbers.fatherNumber)
        return NumberMatch::Father;
    if (dayNumber == numbers.badNumber)
        return NumberMatch::Bad;
    return NumberMatch::None;
}

int IntuitionReading(NumberMatch match, int day)
{
    switch (match) {
    case NumberMatch::BirthOrMother:
        return IsEven(day) ? 90 : 80;
    case NumberMatch::Good:
        return day % 3 == 0 ? 70 : 60;
    case NumberMatch::Father:
        return day % 4 == 0 ? 50 : 40;
    case NumberMatch::Bad:
        return day % 6 == 0 ? 30 : 20;
    case NumberMatch::None:
        break;
    }
    return 10;
}

int FortuneReading(NumberMatch match, int day)
{
    switch (match) {
    case NumberMatch::BirthOrMother:
        return IsEven(day) ? 30 : 20;
    case NumberMatch::Good:
        return day % 3 == 0 ? 50 : 40;
    case NumberMatch::Father:
        return day % 4 == 0 ? 70 : 60;
    case NumberMatch::Bad:
        return day % 6 == 0 ? 90 : 80;
    case NumberMatch::None:
        break;
    }
    return 10;
}

std::array<int, LotteryCount> LotteryNumbers(const ProfileRecord& profile, const Date& date)
{
    // 64-bit throughout: a hand-edited profile may hold any number.
    const Date& birthday = profile.birthday;
    const long long targetSum = static_cast<long long>(date.year) + date.month + date.day;
    long long b = YearNumber(Saturate(targetSum)) + DayBonus(date.day);
    long long a = b + YearNumber(birthday.year) + static_cast<long long>(ReduceNumber(birthday.day)) +
                  ReduceNumber(birthday.month) + NameValue(profile.fullName);
    if (date.month % 2 != 0) {
        a += 7;
        b += 3;
    }
    // Each folds below 55; below zero only from such a file, and still within int.
    return {
        Saturate(FoldWide(a / 2 + b + 1, 10)), Saturate(FoldWide(a / 3 + b + 4, 20)),
        Saturate(FoldWide(a / 2 + b + 3, 30)), Saturate(FoldWide(a / 3 + b + 6, 40)),
        Saturate(FoldWide(a / 2 + b + 2, 55)), Saturate(FoldWide(a / 3 + b + 5, 30)),
    };
}
