#include "engine/CompanionAnalysis.h"

#include <gtest/gtest.h>

using Z = ZodiacSign;

TEST(Companion, SignAffinityFollowsTheCompatibilityLists)
{
    EXPECT_EQ(SignAffinityOf(Z::Aries, Z::Leo), SignAffinity::Compatible);
    EXPECT_EQ(SignAffinityOf(Z::Aries, Z::Aries), SignAffinity::Compatible);
    EXPECT_EQ(SignAffinityOf(Z::Aries, Z::Taurus), SignAffinity::Incompatible);
    EXPECT_EQ(SignAffinityOf(Z::Aries, Z::Libra), SignAffinity::Neutral);
    EXPECT_EQ(SignAffinityOf(Z::Libra, Z::Pisces), SignAffinity::Neutral);
    EXPECT_EQ(SignAffinityOf(Z::Sagittarius, Z::Pisces), SignAffinity::Incompatible);
    // Symmetric for every pair.
    for (int a = 0; a < 12; ++a)
        for (int b = 0; b < 12; ++b)
            EXPECT_EQ(SignAffinityOf(Z(a), Z(b)), SignAffinityOf(Z(b), Z(a))) << a << " " << b;
}

TEST(Companion, SoulNumbersCompleteAsTheirTableSays)
{
    const std::pair<int, int> completing[] = {{0, 7}, {1, 6}, {2, 5}, {3, 4}, {4, 3}, {5, 2},
                                              {6, 1}, {7, 0}, {8, 8}, {9, 7}, {7, 9}, {3, 3}};
    for (const auto& [a, b] : completing)
        EXPECT_TRUE(SoulNumbersComplete(a, b)) << a << " and " << b;
    const std::pair<int, int> apart[] = {{1, 2}, {8, 9}, {9, 8}, {4, 5}, {1, 8}};
    for (const auto& [a, b] : apart)
        EXPECT_FALSE(SoulNumbersComplete(a, b)) << a << " and " << b;
}

TEST(Companion, RulesPerCategory)
{
    struct Case {
        Z a;
        int soulA;
        Z b;
        int soulB;
        bool love, friendship, business;
    };
    const Case cases[] = {
        // Compatible signs, completing numbers: everything matches.
        {Z::Aries, 1, Z::Leo, 6, true, true, true},
        // Compatible signs alone: friends and partners, not soul mates.
        {Z::Aries, 1, Z::Leo, 2, false, true, true},
        // Neutral signs with completing numbers: soul mates and friends, no business.
        {Z::Aries, 3, Z::Libra, 4, true, true, false},
        // Neutral signs, numbers apart: nothing.
        {Z::Libra, 1, Z::Pisces, 2, false, false, false},
        // Least Compatible signs spoil even completing numbers.
        {Z::Aries, 5, Z::Taurus, 5, false, false, false},
        {Z::Gemini, 9, Z::Capricorn, 7, false, false, false},
        // The same sign and the same number.
        {Z::Pisces, 8, Z::Pisces, 8, true, true, true},
    };
    for (const Case& c : cases) {
        const CompanionVerdicts v = MatchCompanions(c.a, c.soulA, c.b, c.soulB);
        const std::string where =
            SignName(c.a) + " " + std::to_string(c.soulA) + " / " + SignName(c.b) + " " + std::to_string(c.soulB);
        EXPECT_EQ(v.loveMatch, c.love) << where;
        EXPECT_EQ(v.friendshipMatch, c.friendship) << where;
        EXPECT_EQ(v.businessMatch, c.business) << where;
        EXPECT_EQ(v, MatchCompanions(c.b, c.soulB, c.a, c.soulA)) << "order does not matter: " << where;
    }
}

TEST(Companion, LinesAndPlacement)
{
    CompanionResult r;
    r.firstName = "Anna Lee";
    r.secondName = "Bob";
    r.loveMatch = true;
    r.businessMatch = false;
    r.friendshipMatch = true;
    const auto lines = CompanionLines(r);
    EXPECT_EQ(lines[0], "Anna Lee and Bob");
    EXPECT_EQ(lines[1], "Love: Good Match");
    EXPECT_EQ(lines[2], "Friendship: Good Match");
    EXPECT_EQ(lines[3], "Business: Bad Match");

    const std::pair<int, int> heights[] = {{0, 36},   {100, 36}, {202, 36}, {204, 1},
                                           {300, 49}, {325, 61}, {326, 37}, {400, 74}};
    for (const auto& [height, y] : heights)
        EXPECT_EQ(CompanionFirstLineY(height), y) << height;
}
