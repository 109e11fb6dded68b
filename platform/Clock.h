#pragma once

#include "platform/Date.h"

#include <optional>

// The one source of "today" (local time). Tests fix it with SetTodayForTesting;
// whole-process tests use faketime instead.
Date Today();
void SetTodayForTesting(std::optional<Date> date);
