#pragma once

#include <string>

// Letter case of the ASCII letters only: file names and addresses are compared
// this way whatever the locale, and other bytes (UTF-8 included) stay as they are.

std::string LowerAscii(std::string text);

// True when `text` ends in `lowerEnding` ignoring the case of ASCII letters;
// `lowerEnding` is given in lower case (".htm").
bool EndsWithLowerAscii(const std::string& text, const std::string& lowerEnding);
