#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a window's text field must hold before the window accepts it.
using FieldTest = std::function<bool(std::string_view text)>;

// One check of a field, in the order a window asks them: the field's text (UTF-8),
// the test it must pass and the message shown when it does not.
struct FieldCheck {
    std::string text;
    FieldTest test;
    std::string message;
};

// Characters as the user sees them: a character outside the Basic Multilingual Plane
// is one, as the length limits of the text fields count it.
int CharacterCount(std::string_view utf8);

namespace FieldTests {
bool Filled(std::string_view text);
FieldTest AtMost(int characters);
// An "@" somewhere and a value that stays on one line of a data file.
bool EmailAddress(std::string_view text);
}

// The position of the first check whose text fails its test; none when every check passes.
std::optional<std::size_t> FirstFailedCheck(const std::vector<FieldCheck>& checks);
// The message of that check; empty when every check passes.
std::string FirstFailedMessage(const std::vector<FieldCheck>& checks);
