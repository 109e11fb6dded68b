#pragma once

#include <optional>
#include <string>
#include <vector>

enum class ZodiacSign {
    Aries,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces
};

// The sign of a birthday; none for a month outside 1..12.
std::optional<ZodiacSign> SignOf(int month, int day);
std::string SignName(ZodiacSign sign);
// "aries.gif" ... "pisces.gif"; Capricorn's picture for a month outside 1..12.
std::string SignPictureFile(int month, int day);
std::string SignPictureFile(ZodiacSign sign);

// The signs a sign gets on with best and worst, as its reference page lists them.
const std::vector<ZodiacSign>& MostCompatible(ZodiacSign sign);
const std::vector<ZodiacSign>& LeastCompatible(ZodiacSign sign);
