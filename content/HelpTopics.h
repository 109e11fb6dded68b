#pragma once

#include <string>

// The help wizard's topics, in list order.
inline constexpr int HelpTopicCount = 9;
std::string HelpTopicName(int index);
// The topic's HTML fragment (paragraphs separated by <p>); empty outside 0..8.
std::string HelpTopicText(int index);

// The exact bytes of "help.htm" (Windows-1252) for a topic text; an empty text
// gives the centred "Help Wizard" title.
std::string HelpPageBytes(const std::string& topicText);
// Rewrites InstallDir + "help.htm" whole; false when it cannot be written.
bool WriteHelpPage(const std::string& topicText);
std::string HelpPagePath();
