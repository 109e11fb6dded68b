#include "platform/FieldCheck.h"

#include <gtest/gtest.h>

TEST(FieldCheck, TestsOfOneText)
{
    // The text; filled; at most three characters; an e-mail address.
    const std::tuple<std::string, bool, bool, bool> cases[] = {
        {"", false, true, false},
        {"abcd", true, false, false},
        {"a@b", true, true, true},
        {"a\xC3\xA9\xF0\x9F\x98\x80", true, true, false},  // a, e acute, an emoji: three characters
        {"a@b\r", true, false, false},
        {std::string("a@\0b", 4), true, false, false}};
    for (const auto& [text, filled, shortText, email] : cases) {
        EXPECT_EQ(FieldTests::Filled(text), filled) << text;
        EXPECT_EQ(FieldTests::AtMost(3)(text), shortText) << text;
        EXPECT_EQ(FieldTests::EmailAddress(text), email) << text;
    }
}

TEST(FieldCheck, TheFirstFailedCheckWins)
{
    const std::tuple<std::string, std::string, std::string> cases[] = {{"", "", "no name"},
                                                                       {"abcdef", "", "long name"},
                                                                       {"ann", "", "no address"},
                                                                       {"ann", "ann", "bad address"},
                                                                       {"ann", "a@b", ""}};
    for (const auto& [name, email, message] : cases)
        EXPECT_EQ(FirstFailedMessage({{name, FieldTests::Filled, "no name"},
                                      {name, FieldTests::AtMost(5), "long name"},
                                      {email, FieldTests::Filled, "no address"},
                                      {email, FieldTests::EmailAddress, "bad address"}}),
                  message)
            << name << " " << email;
}
