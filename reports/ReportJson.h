#pragma once

#include "engine/DailyRecord.h"
#include "platform/Date.h"
#include "profiles/ProfileFiles.h"

#include <string>
#include <vector>

// "2026-12-08"
std::string IsoDate(const Date& date);

// A JSON string: quoted, escaped, well-formed UTF-8.
std::string JsonString(const std::string& text);

// {"profile": ..., "fullName": ..., "calibration": "Automatic"|"Manual", "days": [...]} and a line end.
// Each day holds the five readings as the Daily Analysis window shows them (3..99), the
// day reading and evil eye as their texts without labels, the six lottery numbers, and
// the soul number and sign (null where the window shows none).
std::string ReportJson(const std::string& description, const std::string& fullName, bool manualCalibration,
                       const std::vector<DailyRecord>& days);

// {"profiles": [{"profile": ..., "fullName": ..., "calibration": ...}, ...]} and a line end.
std::string ProfilesJson(const std::vector<ProfileIndexEntry>& profiles);
