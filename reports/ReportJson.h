#pragma once

#include "engine/DailyReadingSet.h"
#include "platform/Date.h"
#include "profiles/ProfileFiles.h"

#include <string>
#include <vector>

// One day of a report: its date and the readings as the Daily Analysis window shows them.
struct ReportDay {
    Date date;
    DailyReadingSet set;  // readings limited to 3..99
};

// "2026-12-08"
std::string IsoDate(const Date& date);

// A JSON string: quoted, escaped, well-formed UTF-8.
std::string JsonString(const std::string& text);

// {"profile": ..., "fullName": ..., "calibration": "Automatic"|"Manual", "days": [...]} and a line end.
// Each day holds the five readings, the texts without their labels, the six
// lottery numbers, and the soul number and sign (null where the window shows none).
std::string ReportJson(const std::string& description, const std::string& fullName, bool manualCalibration,
                       const std::vector<ReportDay>& days);

// {"profiles": [{"profile": ..., "fullName": ..., "calibration": ...}, ...]} and a line end.
std::string ProfilesJson(const std::vector<ProfileIndexEntry>& profiles);

// The text after `label`, or empty when the text does not start with it.
std::string ValueAfterLabel(const std::string& text, const std::string& label);
