#pragma once

#include "platform/Date.h"

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

// One computation for one profile file and one target date: construct (reads the
// file), set targetDate, ComputeNumbers, then ask for readings in any order.
class ReadingEngine {
public:
    explicit ReadingEngine(const std::string& profilePath);

    void SetTargetDate(int year, int month, int day);
    void ComputeNumbers();

    int EmotionalReading() const;
    int PhysicalReading() const;
    int IntellectualReading() const;
    int IntuitionReading() const;
    int FortuneReading() const;
    // The reading of one cycle, unlimited.
    int Reading(CycleKind kind) const;

    std::string DayReadingText() const;
    std::string EvilEyeText() const;
    std::string LotteryText() const;
    std::string SoulNumberText() const;
    std::string ZodiacText() const;

    // "Daily Analysis - March 15, 2004  - Anna Lee -  Automatic Calibration" without the prefix:
    // MonthName + day + ", " + year + "  - " + fullName + " -" + calibration label.
    std::string TitleDatePart() const;

    const PersonalNumbers& Numbers() const { return numbers; }
    int HourCount() const { return hourCount; }
    int TargetDayNumber() const;

    const std::string& FullName() const { return fullName; }
    bool ManualCalibration() const { return manualCalibration; }
    const Date& Birthday() const { return birthday; }

private:
    int hourCount = 0;
    std::string profilePath;
    std::string fullName;
    bool hasFather = false;
    bool hasMother = false;
    bool manualCalibration = false;
    Date birthday, motherBirthday, fatherBirthday, goodDay, badDay;
    Date targetDate;
    PersonalNumbers numbers;
};

// Biorhythm value of a cycle for an hour count (Emotional, Physical, Intellectual only).
int CycleValue(CycleKind kind, int hourCount);
// The sum of the letter (1..26) and digit (1..9) values of a name.
int NameValue(const std::string& name);
// Brings x below `limit` as the lottery numbers need it.
int Fold(int x, int limit);
// The sign's name of a birthday, empty for a month outside 1..12.
std::string ZodiacSignName(int month, int day);
