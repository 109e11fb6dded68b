#pragma once

#include "content/PageWriter.h"

#include <string>

// The daily superstition: one or two paragraphs chosen by the day of the month.
// Each paragraph is the fragment
//   <font color="yellow" size="2" face="Verdana"><b>TOPIC<p><font color="black">TEXT<p>
// whose font and bold elements stay open; the browser closes them.
std::string SuperstitionText(int day);
// How many paragraphs a day has (0 outside 1..31).
int SuperstitionCount(int day);

// The page pair "super_e.htm"/"super_r.htm" for a day of the month.
PagePair SuperstitionPage(int day);

inline constexpr const char* SuperstitionTitle = " Daily Superstition";
inline constexpr int SuperstitionWidth = 730;
inline constexpr int SuperstitionHeight = 350;
