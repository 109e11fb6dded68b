#include "engine/ZodiacSigns.h"

#include <array>

namespace {
// For each month: the last day of the first sign, the first sign, the second sign.
struct MonthSigns {
    int lastDay;
    ZodiacSign first;
    ZodiacSign second;
};
constexpr std::array<MonthSigns, 12> months{{
    {20, ZodiacSign::Capricorn, ZodiacSign::Aquarius},
    {19, ZodiacSign::Aquarius, ZodiacSign::Pisces},
    {20, ZodiacSign::Pisces, ZodiacSign::Aries},
    {20, ZodiacSign::Aries, ZodiacSign::Taurus},
    {21, ZodiacSign::Taurus, ZodiacSign::Gemini},
    {21, ZodiacSign::Gemini, ZodiacSign::Cancer},
    {22, ZodiacSign::Cancer, ZodiacSign::Leo},
    {23, ZodiacSign::Leo, ZodiacSign::Virgo},
    {23, ZodiacSign::Virgo, ZodiacSign::Libra},
    {23, ZodiacSign::Libra, ZodiacSign::Scorpio},
    {22, ZodiacSign::Scorpio, ZodiacSign::Sagittarius},
    {21, ZodiacSign::Sagittarius, ZodiacSign::Capricorn},
}};
constexpr std::array<const char*, 12> names{"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                                            "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
constexpr std::array<const char*, 12> pictures{"aries.gif",       "taurus.gif",    "gemini.gif",   "cancer.gif",
                                               "leo.gif",         "virgo.gif",     "libra.gif",    "scorpio.gif",
                                               "sagittarius.gif", "capricorn.gif", "aquarius.gif", "pisces.gif"};
}

std::optional<ZodiacSign> SignOf(int month, int day)
{
    if (month < 1 || month > 12)
        return std::nullopt;
    const MonthSigns& entry = months[static_cast<std::size_t>(month - 1)];
    return day <= entry.lastDay ? entry.first : entry.second;
}

std::string SignName(ZodiacSign sign)
{
    return names[static_cast<std::size_t>(sign)];
}

std::string SignPictureFile(ZodiacSign sign)
{
    return pictures[static_cast<std::size_t>(sign)];
}

std::string SignPictureFile(int month, int day)
{
    return SignPictureFile(SignOf(month, day).value_or(ZodiacSign::Capricorn));
}

namespace {
using Z = ZodiacSign;
const std::vector<ZodiacSign> mostCompatible[12] = {
    {Z::Aries, Z::Gemini, Z::Leo, Z::Sagittarius, Z::Aquarius},
    {Z::Taurus, Z::Cancer, Z::Virgo, Z::Capricorn, Z::Pisces},
    {Z::Aries, Z::Gemini, Z::Leo, Z::Libra, Z::Aquarius},
    {Z::Taurus, Z::Cancer, Z::Virgo, Z::Scorpio, Z::Pisces},
    {Z::Aries, Z::Gemini, Z::Leo, Z::Libra, Z::Sagittarius},
    {Z::Taurus, Z::Cancer, Z::Virgo, Z::Scorpio, Z::Capricorn},
    {Z::Gemini, Z::Leo, Z::Libra, Z::Sagittarius, Z::Aquarius},
    {Z::Cancer, Z::Virgo, Z::Scorpio, Z::Capricorn, Z::Pisces},
    {Z::Aries, Z::Leo, Z::Libra, Z::Sagittarius, Z::Aquarius},
    {Z::Taurus, Z::Virgo, Z::Scorpio, Z::Capricorn, Z::Pisces},
    {Z::Aries, Z::Gemini, Z::Libra, Z::Sagittarius, Z::Aquarius},
    {Z::Taurus, Z::Cancer, Z::Scorpio, Z::Capricorn, Z::Pisces},
};
const std::vector<ZodiacSign> leastCompatible[12] = {
    {Z::Taurus, Z::Cancer, Z::Virgo, Z::Capricorn, Z::Pisces},
    {Z::Aries, Z::Gemini, Z::Leo, Z::Sagittarius, Z::Aquarius},
    {Z::Taurus, Z::Cancer, Z::Scorpio, Z::Capricorn, Z::Pisces},
    {Z::Aries, Z::Gemini, Z::Libra, Z::Sagittarius, Z::Aquarius},
    {Z::Taurus, Z::Virgo, Z::Scorpio, Z::Capricorn, Z::Pisces},
    {Z::Aries, Z::Leo, Z::Libra, Z::Sagittarius, Z::Aquarius},
    {Z::Cancer, Z::Virgo, Z::Scorpio, Z::Capricorn},
    {Z::Gemini, Z::Leo, Z::Libra, Z::Sagittarius, Z::Aquarius},
    {Z::Taurus, Z::Cancer, Z::Virgo, Z::Scorpio, Z::Capricorn, Z::Pisces},
    {Z::Aries, Z::Gemini, Z::Leo, Z::Libra, Z::Sagittarius},
    {Z::Taurus, Z::Cancer, Z::Virgo, Z::Scorpio, Z::Pisces},
    {Z::Aries, Z::Gemini, Z::Leo, Z::Sagittarius, Z::Aquarius},
};
}

const std::vector<ZodiacSign>& MostCompatible(ZodiacSign sign)
{
    return mostCompatible[static_cast<std::size_t>(sign)];
}

const std::vector<ZodiacSign>& LeastCompatible(ZodiacSign sign)
{
    return leastCompatible[static_cast<std::size_t>(sign)];
}
