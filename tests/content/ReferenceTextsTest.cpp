#include "content/ReferencePages.h"
#include "content/ReferenceTexts.h"

#include <gtest/gtest.h>

TEST(ReferenceTexts, SignBoundariesBirthstonesAndPictures)
{
    struct Case {
        int month, day;
        const char* sign;
        const char* stone;
        const char* picture;
    };
    const Case cases[] = {
        {1, 1, "Capricorn", "Garnet", "capricorn.gif"},
        {1, 20, "Capricorn", "Garnet", "capricorn.gif"},
        {1, 21, "Aquarius", "Amethyst", "aquarius.gif"},
        {2, 19, "Aquarius", "Amethyst", "aquarius.gif"},
        {2, 20, "Pisces", "Aquamarine", "pisces.gif"},
        {3, 20, "Pisces", "Aquamarine", "pisces.gif"},
        {3, 21, "Aries", "Diamond", "aries.gif"},
        {4, 20, "Aries", "Diamond", "aries.gif"},
        {4, 21, "Taurus", "Emerald", "taurus.gif"},
        {5, 21, "Taurus", "Emerald", "taurus.gif"},
        {5, 22, "Gemini", "Alexandrite", "gemini.gif"},
        {6, 21, "Gemini", "Alexandrite", "gemini.gif"},
        {6, 22, "Cancer", "Ruby", "cancer.gif"},
        {7, 22, "Cancer", "Ruby", "cancer.gif"},
        {7, 23, "Leo", "Peridot", "leo.gif"},
        {8, 23, "Leo", "Peridot", "leo.gif"},
        {8, 24, "Virgo", "Sapphire", "virgo.gif"},
        {9, 23, "Virgo", "Sapphire", "virgo.gif"},
        {9, 24, "Libra", "Opal", "libra.gif"},
        {10, 23, "Libra", "Opal", "libra.gif"},
        {10, 24, "Scorpio", "Topaz", "scorpio.gif"},
        {11, 22, "Scorpio", "Topaz", "scorpio.gif"},
        {11, 23, "Sagittarius", "Turquoise", "sagittarius.gif"},
        {12, 21, "Sagittarius", "Turquoise", "sagittarius.gif"},
        {12, 22, "Capricorn", "Garnet", "capricorn.gif"},
    };
    for (const Case& c : cases) {
        const std::string where = std::to_string(c.month) + "/" + std::to_string(c.day);
        ASSERT_TRUE(SignOf(c.month, c.day).has_value()) << where;
        EXPECT_EQ(SignName(*SignOf(c.month, c.day)), c.sign) << where;
        EXPECT_EQ(BirthstoneLine(c.month, c.day), std::string("<br><font color=\"black\">Birthstone -- ") + c.stone)
            << where;
        EXPECT_EQ(SignPictureFile(c.month, c.day), c.picture) << where;
        EXPECT_EQ(SignText(c.month, c.day).rfind(std::string(c.sign) + "<p><font color=\"black\">", 0), 0u) << where;
    }
    // A month outside 1..12: no text, no birthstone, Capricorn's picture.
    EXPECT_EQ(SignText(13, 1), "");
    EXPECT_EQ(BirthstoneLine(0, 5), "");
    EXPECT_EQ(SignPictureFile(0, 5), "capricorn.gif");
}

TEST(ReferenceTexts, SignTextOpeningArticleAndCompatibilityLists)
{
    const std::string aries = SignText(4, 1);
    EXPECT_EQ(aries.rfind("Aries<p><font color=\"black\">21 March -- 20 April<p>The Pioneer of the Zodiac, Aries is "
                          "ruled by MARS, and its symbol is the RAM. Its natural place is the FIRST HOUSE, the house "
                          "of Personal Identity. Independent Aries is a FIRE sign, impulsive and energetic. ",
                          0),
              0u);
    EXPECT_NE(aries.find("<p>Most Compatible Signs -- Aries, Gemini, Leo, Sagittarius, Aquarius<br>Least Compatible "
                         "Signs -- Taurus, Cancer, Virgo, Capricorn, Pisces"),
              std::string::npos);
    EXPECT_EQ(aries.substr(aries.size() - 8), ", Pisces") << "the lists close the text";

    EXPECT_NE(SignText(10, 1).find("Peace-loving Libra is an AIR sign, tactful and decisive. "), std::string::npos);
    EXPECT_NE(SignText(5, 1).find("Productive Taurus is an EARTH sign, reliable and materialistic. "),
              std::string::npos);
    EXPECT_NE(SignText(3, 1).find("Intuitive Pisces is a WATER sign, sensitive and adaptable. "), std::string::npos);
    EXPECT_NE(SignText(7, 1).find("with Matters of Home Life. Nurturing Cancer is a WATER sign"), std::string::npos);
    EXPECT_NE(SignText(10, 1).find("<br>Least Compatible Signs -- Cancer, Virgo, Scorpio, Capricorn"),
              std::string::npos);
}

TEST(ReferenceTexts, YearAnimalsAndTheirYears)
{
    EXPECT_EQ(YearAnimal(1900), "Rat");
    EXPECT_EQ(YearAnimal(1911), "Pig");
    EXPECT_EQ(YearAnimal(2005), "Rooster");
    EXPECT_EQ(YearAnimal(2007), "Pig");
    EXPECT_EQ(YearAnimal(2008), "Rat");
    EXPECT_EQ(YearAnimal(2012), "Dragon");
    EXPECT_EQ(YearAnimal(2013), "") << "Snake after 2007";
    EXPECT_EQ(YearAnimal(2020), "");
    EXPECT_EQ(YearAnimal(1899), "");
    EXPECT_EQ(YearAnimalText(2013), "");

    const std::string rat = YearAnimalText(1900);
    EXPECT_EQ(rat.rfind("The Year of the Rat<p><font color=\"black\">", 0), 0u);
    EXPECT_NE(rat.find("<p><font color=\"yellow\">Well known Rat - "), std::string::npos);
    EXPECT_NE(YearAnimalText(1911).find("<p><font color=\"yellow\">Well known Pig -  "), std::string::npos);
    EXPECT_EQ(YearAnimalText(1923).find("Well known Pig -   "), std::string::npos) << "exactly two blanks";
    EXPECT_NE(YearAnimalText(2005).find("Well known Rooster - "), std::string::npos);

    EXPECT_EQ(YearPageText(1911).rfind("<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b><font "
                                       "color=\"yellow\">1911 - The Year of the Pig",
                                       0),
              0u);
    EXPECT_EQ(YearPageText(2013), "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b><font "
                                  "color=\"yellow\">2013 - </b></font><p>");
}

TEST(ReferenceTexts, LongTextsStayWithinTheirLengths)
{
    for (int year = 1900; year < 1912; ++year) {
        const std::string text = YearAnimalText(year);
        const auto start = text.find("<font color=\"black\">") + 20;
        const auto traits = text.find("<p><font color=\"yellow\">") - start;
        EXPECT_GE(traits, 440u) << year;
        EXPECT_LE(traits, 600u) << year;
    }
    for (int number = 0; number <= 9; ++number) {
        const std::string text = SoulNumberText(number);
        const auto body = text.substr(text.find("People by nature"));
        EXPECT_GE(body.size(), 350u) << number;
        EXPECT_LE(body.size(), 560u) << number;
    }
    EXPECT_EQ(SoulNumberText(10), "");
    EXPECT_EQ(SoulNumberText(-1), "");
}

TEST(ReferencePages, SignNumberAndYearPagesUseTheirFrames)
{
    const PagePair sign = SignPage(1, 1);
    EXPECT_EQ(sign.entryName, "effects.htm");
    EXPECT_EQ(sign.contentName, "reading.htm");
    EXPECT_EQ(sign.bodyTag, PageBody::Scrolling);
    EXPECT_EQ(sign.printRow, PagePrintRow::Standard);
    EXPECT_EQ(sign.closing, PageClosing::Paragraph);
    EXPECT_EQ(sign.text, "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>" + SignText(1, 1) +
                             BirthstoneLine(1, 1) + ZodiacAttraction() + "</b></font><p>");
    EXPECT_NE(sign.text.find("<p><font color=\"black\">Zodiac Attraction<p>Astrologers arrange the twelve signs"),
              std::string::npos);
    EXPECT_NE(sign.text.find("<p>The Fire Signs<p>Fire signs are assertive, enthusiastic, energetic and creative."),
              std::string::npos);

    // 15 August 1966: 8 + 6 + 3 = 17, soul number 8.
    EXPECT_EQ(SoulNumberOf(8, 15, 1966), 8);
    const PagePair number = NumberPage(8, 15, 1966);
    EXPECT_EQ(number.printRow, PagePrintRow::Standard + "<p><br>");
    EXPECT_EQ(number.closing, PageClosing::Plain);
    EXPECT_EQ(number.text.rfind("<font color=\"black\" size=\"2\" face=\"Verdana\"><b>Your soul number is: <font "
                                "color=\"yellow\">8</b></font><p>",
                                0),
              0u);
    EXPECT_NE(number.text.find("7 and 0<br>8 and 8<br>9 and 7</b></font><p><font color=\"yellow\" size=\"2\" "
                               "face=\"Verdana\"><b>Number 8</b></font><p><font color=\"black\" size=\"2\" "
                               "face=\"Verdana\"><b>People by nature"),
              std::string::npos);
    EXPECT_EQ(number.text.substr(number.text.size() - 14), "</b></font><p>");

    const PagePair year = YearPage(1900);
    EXPECT_EQ(year.printRow, PagePrintRow::Standard + "<p><br>");
    EXPECT_EQ(year.closing, PageClosing::Plain);
}
