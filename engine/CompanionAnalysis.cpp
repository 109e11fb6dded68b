#include "engine/CompanionAnalysis.h"

#include "engine/ReadingEngine.h"

#include <algorithm>

namespace {
bool Lists(const std::vector<ZodiacSign>& list, ZodiacSign sign)
{
    return std::find(list.begin(), list.end(), sign) != list.end();
}

struct Person {
    std::string name;
    ZodiacSign sign = ZodiacSign::Capricorn;
    int soul = 0;
};

Person PersonOf(const ProfileRecord& profile)
{
    const Date& birthday = profile.birthday;
    // A stored month outside 1..12 has no sign; the picture rule's Capricorn stands in.
    return Person{profile.fullName, SignOf(birthday.month, birthday.day).value_or(ZodiacSign::Capricorn),
                  ComputeNumbers(profile).birthNumber};
}
}

SignAffinity SignAffinityOf(ZodiacSign a, ZodiacSign b)
{
    // The lists are mutual, but asking both sides keeps the rule symmetric whatever they say.
    if (Lists(LeastCompatible(a), b) || Lists(LeastCompatible(b), a))
        return SignAffinity::Incompatible;
    if (Lists(MostCompatible(a), b) || Lists(MostCompatible(b), a))
        return SignAffinity::Compatible;
    return SignAffinity::Neutral;
}

bool SoulNumbersComplete(int a, int b)
{
    return a == b || a + b == 7 || (a == 9 && b == 7) || (a == 7 && b == 9);
}

CompanionVerdicts MatchCompanions(ZodiacSign signA, int soulA, ZodiacSign signB, int soulB)
{
    const SignAffinity signs = SignAffinityOf(signA, signB);
    const bool numbers = SoulNumbersComplete(soulA, soulB);
    CompanionVerdicts v;
    v.loveMatch = numbers && signs != SignAffinity::Incompatible;
    v.friendshipMatch = signs == SignAffinity::Compatible || (numbers && signs == SignAffinity::Neutral);
    v.businessMatch = signs == SignAffinity::Compatible;
    return v;
}

CompanionResult ComputeCompanion(const ProfileRecord& first, const ProfileRecord& second)
{
    const Person a = PersonOf(first);
    const Person b = PersonOf(second);
    const CompanionVerdicts v = MatchCompanions(a.sign, a.soul, b.sign, b.soul);
    CompanionResult result;
    result.firstName = a.name;
    result.secondName = b.name;
    result.loveMatch = v.loveMatch;
    result.friendshipMatch = v.friendshipMatch;
    result.businessMatch = v.businessMatch;
    result.ready = true;
    return result;
}

std::array<std::string, 4> CompanionLines(const CompanionResult& r)
{
    const auto verdict = [](bool good) { return good ? std::string("Good Match") : std::string("Bad Match"); };
    return {r.firstName + " and " + r.secondName, "Love: " + verdict(r.loveMatch),
            "Friendship: " + verdict(r.friendshipMatch), "Business: " + verdict(r.businessMatch)};
}

int CompanionFirstLineY(int layoutHeight)
{
    if (layoutHeight == 0)
        return 36;
    double y = (layoutHeight - 202) * 0.5;
    if (y <= 0)
        return 36;
    if (y >= 62)
        y -= 25;
    return static_cast<int>(y);
}
