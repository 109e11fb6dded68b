#include "reports/ReportJson.h"

#include "reports/DailyReadingSet.h"
#include "reports/Utf8Repair.h"

#include <cstdio>

namespace {
const char* const ReadingKeys[CycleCount] = {"emotional", "physical", "intellectual", "intuition", "fortune"};

std::string Field(const char* key, const std::string& jsonValue)
{
    return JsonString(key) + ": " + jsonValue;
}

std::string LotteryArray(const DailyRecord& day)
{
    std::string array = "[";
    for (std::size_t i = 0; i < day.lottery.size(); ++i)
        array += (i ? ", " : "") + std::to_string(day.lottery[i]);
    return array + "]";
}

std::string DayObject(const DailyRecord& day)
{
    std::string object = "{" + Field("date", JsonString(IsoDate(day.date)));
    for (int kind = 0; kind < CycleCount; ++kind)
        object += ", " + Field(ReadingKeys[kind], std::to_string(day.limited[static_cast<std::size_t>(kind)]));
    object += ", " + Field("dayReading", JsonString(DayReadingName(day.dayReading)));
    object += ", " + Field("evilEye", JsonString(EvilEyeName(day.evilEye)));
    object += ", " + Field("lottery", LotteryArray(day));
    object += ", " + Field("soulNumber", ShowsSoulNumber(day) ? std::to_string(day.soulNumber) : "null");
    object += ", " + Field("zodiacSign", day.zodiacSign ? JsonString(SignName(*day.zodiacSign)) : "null");
    return object + "}";
}
}

std::string IsoDate(const Date& date)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string JsonString(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : RepairedUtf8(text)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string ReportJson(const std::string& description, const std::string& fullName, bool manualCalibration,
                       const std::vector<DailyRecord>& days)
{
    std::string json = "{" + Field("profile", JsonString(description));
    json += ", " + Field("fullName", JsonString(fullName));
    json += ", " + Field("calibration", JsonString(manualCalibration ? "Manual" : "Automatic"));
    json += ", \"days\": [";
    for (std::size_t i = 0; i < days.size(); ++i)
        json += (i ? ", " : "") + DayObject(days[i]);
    return json + "]}\n";
}

std::string ProfilesJson(const std::vector<ProfileIndexEntry>& profiles)
{
    std::string json = "{\"profiles\": [";
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        const ProfileIndexEntry& entry = profiles[i];
        json += i ? ", {" : "{";
        json += Field("profile", JsonString(entry.description)) + ", ";
        json += Field("fullName", JsonString(entry.fullName)) + ", ";
        json += Field("calibration", JsonString(entry.calibrationLabel)) + "}";
    }
    return json + "]}\n";
}
