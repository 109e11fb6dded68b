#include "content/ReferenceTexts.h"

#include <array>

namespace {
using Z = ZodiacSign;

const std::array<SignFacts, 12> facts{{
    {"21 March -- 20 April", "Pioneer", "MARS", "RAM", "FIRST HOUSE, the house of Personal Identity", "Independent",
     "FIRE", "impulsive and energetic",
     "Aries people rush in where others fear to tread and love nothing more than being first. "
     "They are honest to the point of bluntness, quick to anger and just as quick to forgive.",
     "Diamond"},
    {"21 April -- 21 May", "Builder", "VENUS", "BULL", "SECOND HOUSE, the house of Possessions", "Productive", "EARTH",
     "reliable and materialistic",
     "Taurus people are patient, loyal and fond of comfort, good food and beautiful things. "
     "Once they have made up their minds they are almost impossible to move.",
     "Emerald"},
    {"22 May -- 21 June", "Communicator", "MERCURY", "TWINS", "THIRD HOUSE, the house of Communication", "Curious",
     "AIR", "analytical and ever-changing",
     "Gemini people are witty, restless and always in the middle of several conversations at once. "
     "They learn fast and bore easily, so variety is the spice of their lives.",
     "Alexandrite"},
    {"22 June -- 22 July", "Home-Maker", "THE MOON", "CRAB",
     "FOURTH HOUSE, which is concerned with Matters of Home Life", "Nurturing", "WATER", "supportive and emotional",
     "Cancer people care deeply for family and friends and can make any place feel like home. "
     "Behind their hard shell they are tender, moody and blessed with a long memory.",
     "Ruby"},
    {"23 July -- 23 August", "Entertainer", "THE SUN", "LION", "FIFTH HOUSE, the house of Children and Pleasure",
     "Expressive", "FIRE", "creative and grandiose",
     "Leo people are warm-hearted, generous and happiest in the spotlight. "
     "They give loyalty and praise freely and expect admiration and respect in return.",
     "Peridot"},
    {"24 August -- 23 September", "Perfectionist", "MERCURY", "VIRGIN", "SIXTH HOUSE, the house of Work and Duty",
     "Practical", "EARTH", "detail-oriented and obsessive",
     "Virgo people notice every detail and are never happier than when they are being useful. "
     "They are modest and hard-working, and sometimes too critical of themselves and of others.",
     "Sapphire"},
    {"24 September -- 23 October", "Diplomat", "VENUS", "SCALES", "SEVENTH HOUSE, the house of Partnerships",
     "Peace-loving", "AIR", "tactful and decisive",
     "Libra people seek harmony, beauty and fairness in everything they do. "
     "They are charming companions and born peacemakers who shine in partnership.",
     "Opal"},
    {"24 October -- 22 November", "Seducer", "PLUTO", "SCORPION",
     "EIGHTH HOUSE, the house of Passions - Sex, Birth, and Death", "Intense", "WATER", "secretive and magnetic",
     "Scorpio people feel everything deeply and rarely show it on the surface. "
     "They are fiercely loyal friends, determined rivals and keen judges of character.",
     "Topaz"},
    {"23 November -- 21 December", "Gambler", "JUPITER", "ARCHER", "NINTH HOUSE, the house of Travel and Philosophy",
     "Expansive", "FIRE", "goal-oriented and optimistic",
     "Sagittarius people love freedom, travel and big ideas, and they always aim a little higher than the rest. "
     "Their honesty and good humour make them welcome wherever they roam.",
     "Turquoise"},
    {"22 December -- 20 January", "Organizer", "SATURN", "SEA-GOAT", "TENTH HOUSE, the house of Status and Career",
     "Ambitious", "EARTH", "worry-prone and steadfast",
     "Capricorn people climb steadily towards their goals and never give up halfway. "
     "Under their serious surface lie a dry sense of humour and a great sense of responsibility.",
     "Garnet"},
    {"21 January -- 19 February", "Scientist", "URANUS", "WATER-BEARER",
     "ELEVENTH HOUSE, the house of Friendship and Experimentation", "Revolutionary", "AIR", "idealistic and inventive",
     "Aquarius people think for themselves and are often years ahead of their time. "
     "They are friendly to all, devoted to causes larger than themselves, and they cherish their independence.",
     "Amethyst"},
    {"20 February -- 20 March", "Mystic", "NEPTUNE", "FISH", "TWELFTH HOUSE, the house of Sorrow and Karma",
     "Intuitive", "WATER", "sensitive and adaptable",
     "Pisces people are compassionate dreamers with a rich imagination and a gift for the arts. "
     "They sense the moods of others and give generously, sometimes forgetting themselves.",
     "Aquamarine"},
}};

const char* const attraction =
    "Zodiac Attraction<p>Astrologers arrange the twelve signs of the Zodiac into four groups, which correspond to "
    "the four elements of ancient and medieval philosophy: Fire, Earth, Air and Water. Signs that share an element "
    "understand one another almost without words. Fire and Air feed each other, as do Earth and Water, while Fire "
    "and Water, or Air and Earth, have to work harder to meet halfway. Knowing the element of a friend, a partner "
    "or a colleague tells you a great deal about what they need from you."
    "<p>The Fire Signs<p>Fire signs are assertive, enthusiastic, energetic and creative. Aries, Leo and Sagittarius "
    "act first and think later, and their warmth draws people to them wherever they go. They love a challenge, "
    "shine when they lead and are generous with their time and their praise. Their impatience is the other side of "
    "their courage: they can burn out as quickly as they catch fire, and they rarely hide what they feel. Fire "
    "signs get on best with Air signs, who fan their flame, and with each other, as long as there is room for two "
    "stars in one sky."
    "<p>The Earth Signs<p>Earth signs are practical, patient, dependable and sensual. Taurus, Virgo and Capricorn "
    "build slowly and build to last; they trust what they can see, touch and count. They keep their promises, look "
    "after their money and their health, and are the friends you call when something has to be done properly. "
    "Change unsettles them, and they may cling to routines and possessions longer than they should. Earth signs "
    "are happiest with Water signs, who soften them, and with fellow Earth signs who share their respect for hard "
    "work and a well-kept home."
    "<p>The Air Signs<p>Air signs are communicative, sociable, intellectual and independent. Gemini, Libra and "
    "Aquarius live in the world of ideas, words and people; they need conversation as much as others need food. "
    "They are fair-minded, curious and quick to see both sides of a question, which makes them good company and "
    "gifted go-betweens. Feelings that cannot be put into words puzzle them, and they may seem detached when they "
    "are only thinking. Air signs find their best partners among Fire signs, whose enthusiasm they share, and among "
    "other Air signs who give them room to breathe."
    "<p>The Water Signs<p>Water signs are emotional, intuitive, sensitive and protective. Cancer, Scorpio and Pisces "
    "feel their way through life and often know what others need before a word is said. They are loyal, deeply "
    "caring and blessed with rich imaginations, and they remember every kindness and every hurt. Their moods run "
    "like tides, and they may retreat into their shells when the world grows too harsh. Water signs are drawn to "
    "Earth signs, who give them a safe shore, and to fellow Water signs who understand their silences as well as "
    "their words.";
}

const SignFacts& FactsOf(ZodiacSign sign)
{
    return facts[static_cast<std::size_t>(sign)];
}

std::string SignList(const std::vector<ZodiacSign>& signs)
{
    std::string list;
    for (ZodiacSign sign : signs) {
        if (!list.empty())
            list += ", ";
        list += SignName(sign);
    }
    return list;
}

std::string SignText(int month, int day)
{
    const auto sign = SignOf(month, day);
    if (!sign)
        return {};
    const SignFacts& f = FactsOf(*sign);
    const std::string name = SignName(*sign);
    const std::string element = f.element;
    // "an" before the vowel sounds of AIR and EARTH.
    const char* article = (element == "AIR" || element == "EARTH") ? " is an " : " is a ";
    return name + "<p><font color=\"black\">" + f.datesAsWritten + "<p>" + "The " + f.title + " of the Zodiac, " +
           name + " is ruled by " + f.ruler + ", and its symbol is the " + f.symbol + ". Its natural place is the " +
           f.house + ". " + f.traitWord + " " + name + article + element + " sign, " + f.traits + ". " + f.description +
           "<p>Most Compatible Signs -- " + SignList(MostCompatible(*sign)) + "<br>Least Compatible Signs -- " +
           SignList(LeastCompatible(*sign));
}

std::string BirthstoneLine(int month, int day)
{
    const auto sign = SignOf(month, day);
    if (!sign)
        return {};
    return std::string("<br><font color=\"black\">") + "Birthstone -- " + FactsOf(*sign).birthstone;
}

std::string ZodiacAttraction()
{
    return std::string("<p><font color=\"black\">") + attraction;
}
