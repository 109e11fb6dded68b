#pragma once

#include "engine/ZodiacSigns.h"

#include <string>
#include <vector>

// The facts every sign text is built from.
struct SignFacts {
    const char* datesAsWritten;  // "21 March -- 20 April"
    const char* title;           // "Pioneer"
    const char* ruler;           // "MARS"
    const char* symbol;          // "RAM"
    const char* house;           // "FIRST HOUSE, the house of Personal Identity"
    const char* traitWord;       // "Independent"
    const char* element;         // "FIRE", "EARTH", "AIR" or "WATER"
    const char* traits;          // "impulsive and energetic"
    const char* description;     // the closing sentences particular to the sign
    const char* birthstone;
};

const SignFacts& FactsOf(ZodiacSign sign);
// "Aries, Gemini, Leo, Sagittarius, Aquarius"
std::string SignList(const std::vector<ZodiacSign>& signs);

// The sign's text for a birthday; empty for a month outside 1..12.
std::string SignText(int month, int day);
// "<br><font color="black">Birthstone -- " + stone; empty for a month outside 1..12.
std::string BirthstoneLine(int month, int day);
// The zodiac attraction text with its four element paragraphs (the same for every sign).
std::string ZodiacAttraction();

// The soul number of a birthday, as the daily reading computes it.
int SoulNumberOf(int month, int day, int year);
// The number's text: yellow "Number N" heading, then the black paragraph that
// opens "People by nature"; empty for a number outside 0..9.
std::string SoulNumberText(int number);

// The birth-year animal's name, or empty when the year has no animal text
// (1900..2007 for all twelve, up to 2012 for Rat, Ox, Tiger, Rabbit and Dragon).
std::string YearAnimal(int year);
// "The Year of the " + animal + ... + "Well known " + animal + " - " + name; empty as above.
std::string YearAnimalText(int year);
