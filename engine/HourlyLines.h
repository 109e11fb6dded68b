#pragma once

#include "engine/HourlyCurve.h"

#include <string>
#include <vector>

// The hourly chart as lines of text: the two half-day phases, then "Hour 00: 45" for each
// hour, the value rounded as a reader would read it off the bar.
std::vector<std::string> HourlyLines(const HourlyCurve& curve);
