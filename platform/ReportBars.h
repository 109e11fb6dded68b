#pragma once

#include "platform/Drawing.h"

#include <array>

// The five bars of the daily report in the order of the cycles (Emotional,
// Physical, Intellectual, Intuition, Fortune): label and bar positions, colour.
struct ReportBar {
    const char* label;
    int labelX;
    int barX;
    QColor colour;
};

inline const std::array<ReportBar, 5> ReportBars = {{
    {"Emotional", 154, 185, DrawColour::Blue},
    {"Physical", 264, 290, DrawColour::Red},
    {"Intellectual", 364, 400, DrawColour::White},
    {"Intuition", 476, 506, DrawColour::Green},
    {"Fortune", 594, 620, DrawColour::Yellow},
}};
