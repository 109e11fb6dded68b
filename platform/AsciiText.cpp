#include "platform/AsciiText.h"

std::string LowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool EndsWithLowerAscii(const std::string& text, const std::string& lowerEnding)
{
    return text.size() >= lowerEnding.size() &&
           LowerAscii(text.substr(text.size() - lowerEnding.size())) == lowerEnding;
}

std::string ControlsReplaced(std::string text, char by)
{
    for (char& c : text)
        if (IsControlByte(c))
            c = by;
    return text;
}
