#pragma once

#include "engine/ZodiacSigns.h"
#include "profiles/ProfileFiles.h"

#include <array>
#include <string>

// How two signs stand to each other on the zodiac pages' lists.
enum class SignAffinity { Compatible, Neutral, Incompatible };
SignAffinity SignAffinityOf(ZodiacSign a, ZodiacSign b);

// Soul numbers complete each other when they are the same, add up to 7, or are 9 and 7.
bool SoulNumbersComplete(int a, int b);

struct CompanionVerdicts {
    bool loveMatch = false;
    bool friendshipMatch = false;
    bool businessMatch = false;

    friend bool operator==(const CompanionVerdicts&, const CompanionVerdicts&) = default;
};

// Love rests on the soul numbers, Business on the signs, Friendship on either;
// Least Compatible signs spoil all three.
CompanionVerdicts MatchCompanions(ZodiacSign signA, int soulA, ZodiacSign signB, int soulB);

// The data of the Companion Analysis window.
struct CompanionResult {
    std::string firstName;
    std::string secondName;
    bool loveMatch = false;
    bool businessMatch = false;
    bool friendshipMatch = false;
    bool ready = false;
    int layoutHeight = 0;  // 0: fixed placement
};

// Matches two profiles; `ready` is set, `layoutHeight` left 0.
CompanionResult ComputeCompanion(const ProfileRecord& first, const ProfileRecord& second);

// The four drawn lines, top to bottom.
std::array<std::string, 4> CompanionLines(const CompanionResult& result);
// The first line's top y for a layout height.
int CompanionFirstLineY(int layoutHeight);
inline constexpr int CompanionLineX = 36;
inline constexpr int CompanionLineStep = 40;
