#pragma once

#include "content/PageWriter.h"

#include <string>

// The profile editor's Sign, Number and Year pages for the birthday being edited.
// Each is the page pair "effects.htm"/"reading.htm".

std::string SignPageText(int month, int day);
std::string NumberPageText(int month, int day, int year);
std::string YearPageText(int year);

PagePair SignPage(int month, int day);
PagePair NumberPage(int month, int day, int year);
PagePair YearPage(int year);

struct PageFrame {
    const char* title;
    int width;
    int height;
};
inline constexpr PageFrame SignPageFrame{" Astrology: Zodiac Sign", 700, 400};
inline constexpr PageFrame NumberPageFrame{" Numerology: Soul Number", 700, 400};
inline constexpr PageFrame YearPageFrame{" Astrology: Year", 600, 250};
