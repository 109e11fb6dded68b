#include "platform/FieldCheck.h"

#include "platform/DataFile.h"

int CharacterCount(std::string_view utf8)
{
    int count = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

namespace FieldTests {
bool Filled(std::string_view text)
{
    return !text.empty();
}

FieldTest AtMost(int characters)
{
    return [characters](std::string_view text) { return CharacterCount(text) <= characters; };
}

bool EmailAddress(std::string_view text)
{
    return text.find('@') != std::string_view::npos && IsOneLineValue(text);
}
}

std::optional<std::size_t> FirstFailedCheck(const std::vector<FieldCheck>& checks)
{
    for (std::size_t i = 0; i < checks.size(); ++i)
        if (!checks[i].test(checks[i].text))
            return i;
    return std::nullopt;
}

std::string FirstFailedMessage(const std::vector<FieldCheck>& checks)
{
    const std::optional<std::size_t> failed = FirstFailedCheck(checks);
    return failed ? checks[*failed].message : std::string();
}
