#pragma once

#include "platform/Date.h"
#include "profiles/ProfileFiles.h"

#include <array>
#include <string>

enum class CycleKind { Emotional = 0, Physical, Intellectual, Intuition, Fortune };
inline constexpr int CycleCount = 5;

struct PersonalNumbers {
    int birthNumber = 0;
    int motherNumber = 0;
    int fatherNumber = 0;
    int goodNumber = 0;
    int badNumber = 0;

    friend bool operator==(const PersonalNumbers&, const PersonalNumbers&) = default;
};

// The calibration of a profile: the five personal numbers from the birthdays, or from
// the remembered good and bad days. Each step sees what the earlier ones left.
PersonalNumbers ComputeNumbers(const ProfileRecord& profile);

// 24 times the days from the birthday to the date; negative before the birthday.
int HourCount(const Date& birthday, const Date& date);

// Which personal number the day's number meets, the first in this order: birth or
// mother, good, father, bad. Intuition, Fortune, the day reading and the evil eye all
// read the day by this one rule.
enum class NumberMatch { BirthOrMother, Good, Father, Bad, None };
NumberMatch MatchOfDay(const PersonalNumbers& numbers, int dayNumber);

// The numerology readings of a day of month for the number its date meets.
int IntuitionReading(NumberMatch match, int dayOfMonth);
int FortuneReading(NumberMatch match, int dayOfMonth);

// The six lottery numbers of a profile for a date, in their order: neither distinct nor sorted.
inline constexpr int LotteryCount = 6;
std::array<int, LotteryCount> LotteryNumbers(const ProfileRecord& profile, const Date& date);

// Biorhythm value of a cycle for an hour count (Emotional, Physical, Intellectual only).
int CycleValue(CycleKind kind, int hourCount);
// The sum of the letter (1..26) and digit (1..9) values of a name.
int NameValue(const std::string& name);
// Brings x below `limit` as the lottery numbers need it.
int Fold(int x, int limit);
// The sign's name of a birthday, empty for a month outside 1..12.
std::string ZodiacSignName(int month, int day);
