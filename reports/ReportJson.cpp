#include "reports/ReportJson.h"

#include "reports/Utf8Repair.h"

#include <cstdio>
#include <sstream>

namespace {
const char* const ReadingKeys[CycleCount] = {"emotional", "physical", "intellectual", "intuition", "fortune"};

std::string Field(const char* key, const std::string& jsonValue)
{
    return JsonString(key) + ": " + jsonValue;
}

std::string LotteryArray(const std::string& lotteryText)
{
    std::istringstream numbers(ValueAfterLabel(lotteryText, "Lottery Numbers: "));
    std::string array = "[";
    int number = 0;
    for (bool first = true; numbers >> number; first = false)
        array += (first ? "" : ", ") + std::to_string(number);
    return array + "]";
}

std::string DayObject(const ReportDay& day)
{
    const DailyReadingSet& set = day.set;
    std::string object = "{" + Field("date", JsonString(IsoDate(day.date)));
    for (int kind = 0; kind < CycleCount; ++kind)
        object += ", " + Field(ReadingKeys[kind], std::to_string(set.readings[static_cast<std::size_t>(kind)]));
    object += ", " + Field("dayReading", JsonString(ValueAfterLabel(set.dayReadingText, "Day Reading: ")));
    object += ", " + Field("evilEye", JsonString(ValueAfterLabel(set.evilEyeText, "Evil Eye Reading: ")));
    object += ", " + Field("lottery", LotteryArray(set.lotteryText));
    const std::string soul = ValueAfterLabel(set.soulNumberText, "Soul Number: ");
    object += ", " + Field("soulNumber", soul.empty() ? "null" : soul);
    const std::string sign = ValueAfterLabel(set.zodiacText, "Zodiac Sign: ");
    object += ", " + Field("zodiacSign", sign.empty() ? "null" : JsonString(sign));
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

std::string ValueAfterLabel(const std::string& text, const std::string& label)
{
    return text.compare(0, label.size(), label) == 0 ? text.substr(label.size()) : std::string();
}

std::string ReportJson(const std::string& description, const std::string& fullName, bool manualCalibration,
                       const std::vector<ReportDay>& days)
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
