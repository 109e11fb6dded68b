#include "app/Welcome.h"

#include "content/PageWriter.h"

std::string WelcomeText()
{
    return "Moravel 2005 is one of a kind Numerology, Astrology and Biorhythms Daily Analyzer and Companion Reader."
           "<p>Create a profile for yourself and for the people close to you: a full name and a birthday are all "
           "it takes. Add your parents' birthdays for a finer reading, or calibrate the readings by a day you "
           "remember as good and a day you remember as bad."
           "<p>Pick any date from your past, present or future and press <font color=\"white\">Analyze Day"
           "<font color=\"black\">: five day readings, the day's character, the evil eye, your lucky numbers, your "
           "soul number and your zodiac sign, with a chart you can save, print or send by e-mail."
           "<p>Spread any reading over the 24 hours of the day, compare two people for love, friendship and "
           "business, look up what last night's dream means, and have your daily report mailed to you every "
           "morning."
           "<p>The Quick Tip line below the main window always tells you what to do next. Enjoy!";
}

bool WriteWelcomePages()
{
    return WritePagePair({"effects.htm", "reading.htm", PageBody::Scrolling, PageParagraph(WelcomeText()),
                          PagePrintRow::None, PageClosing::Break});
}
