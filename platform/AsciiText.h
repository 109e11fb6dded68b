#pragma once

#include <string>

// Letter case of the ASCII letters only: file names and addresses are compared
// this way whatever the locale, and other bytes (UTF-8 included) stay as they are.

std::string LowerAscii(std::string text);

// True when `text` ends in `lowerEnding` ignoring the case of ASCII letters;
// `lowerEnding` is given in lower case (".htm").
bool EndsWithLowerAscii(const std::string& text, const std::string& lowerEnding);

// The ASCII control characters (below 0x20, and DEL): a TAB, an ESC or a line break
// that would split a line of a data file or a message, or act on a terminal.
constexpr bool IsControlByte(char c)
{
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
}
// `text` with each control character replaced by `by`.
std::string ControlsReplaced(std::string text, char by);
