#pragma once

#include "platform/Date.h"

#include <optional>
#include <string>

// What an interactive start is asked to show first (the open command): a profile
// of the list selected and, with a date, its Daily Analysis window for that date.
struct StartRequest {
    std::string profile;       // a description of the index; empty: the list as usual
    std::optional<Date> date;  // the date lists' date; without a profile nothing opens

    bool Empty() const { return profile.empty() && !date; }
};

// How a later start hands its request to the running Moravel: the profile's line
// and the date's line (YYYY-MM-DD, empty without a date).
std::string EncodeStartRequest(const StartRequest& request);
// Nothing from text that is not such a request.
std::optional<StartRequest> DecodeStartRequest(const std::string& text);
