#include "app/StartRequest.h"

#include <cstdio>

std::string EncodeStartRequest(const StartRequest& request)
{
    char date[16] = "";
    if (request.date)
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", request.date->year, request.date->month, request.date->day);
    return request.profile + "\n" + date + "\n";
}

std::optional<StartRequest> DecodeStartRequest(const std::string& text)
{
    const std::size_t first = text.find('\n');
    if (first == std::string::npos || text.back() != '\n' || text.find('\n', first + 1) != text.size() - 1)
        return std::nullopt;
    StartRequest request{text.substr(0, first), std::nullopt};
    const std::string date = text.substr(first + 1, text.size() - first - 2);
    if (date.empty())
        return request;
    Date day;
    char end = 0;
    if (date.size() != 10 || std::sscanf(date.c_str(), "%4d-%2d-%2d%c", &day.year, &day.month, &day.day, &end) != 3)
        return std::nullopt;
    request.date = day;
    return request;
}
