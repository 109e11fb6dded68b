#pragma once

#include "content/PageWriter.h"

#include <string>

// An Emotional reading at or above this is the day's "Emotional High": the five
// days around the top of the 28-day emotional curve (85, 93, 100, 93, 85).
inline constexpr int EmotionalHighThreshold = 85;

// The Emotional reading (limited to 3..99 as the daily report shows it) of a
// profile file for a date.
int DreamEmotionalReading(const std::string& profilePath, int month, int day, int year);

// The white verdict paragraph after the Timing section.
std::string DreamVerdict(int emotionalReading, int month, int day, int year);
std::string DreamPageText(int emotionalReading, int month, int day, int year);
// The page pair "dream_e.htm"/"dream_r.htm".
PagePair DreamPage(int emotionalReading, int month, int day, int year);

inline constexpr const char* DreamTitle = " Dream Interpretation";
inline constexpr int DreamWidth = 700;
inline constexpr int DreamHeight = 350;
