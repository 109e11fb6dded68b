#pragma once

#include <optional>
#include <string>

enum class ZodiacSign { Aries, Taurus, Gemini, Cancer, Leo, Virgo, Libra, Scorpio, Sagittarius, Capricorn, Aquarius, Pisces };

// The sign of a birthday; none for a month outside 1..12.
std::optional<ZodiacSign> SignOf(int month, int day);
std::string SignName(ZodiacSign sign);
// "aries.gif" ... "pisces.gif"; Capricorn's picture for a month outside 1..12.
std::string SignPictureFile(int month, int day);
std::string SignPictureFile(ZodiacSign sign);
