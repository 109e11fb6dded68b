#pragma once

#include "platform/Date.h"
#include "profiles/ProfileFiles.h"

#include <string>

// The parents' birth years beside the profile's own, the mother first: the message
// for the first parent in use who is younger than the profile or was under 10 at
// the birth; empty when both are plausible or not in use.
std::string ParentAgeMessage(const ProfileRecord& record);

// The message for a day before the birthday; empty for the birthday and after.
std::string BeforeBirthMessage(const Date& birthday, const Date& day);
