#pragma once

#include "content/PageWriter.h"

// The Explain page: "effects.htm" forwarding to "reading.htm".
PagePair CompanionExplainPage();
inline constexpr const char* CompanionExplainTitle = " Companion Analysis";
inline constexpr int CompanionExplainWidth = 680;
inline constexpr int CompanionExplainHeight = 300;
