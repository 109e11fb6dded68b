#include "content/Superstitions.h"

#include <array>

namespace {
struct Superstition {
    int day;
    const char* topic;
    const char* text;
};

// In day order; a day's paragraphs are shown in the order listed.
const std::array<Superstition, 36> table{{
    {1, "cats",
     "If a black cat walks towards you, it brings good fortune, but if it walks away, it takes the good luck with "
     "it. Sailors once kept a black cat on board to bring their ship safely home."},
    {1, "kiss", "Don\u2019t kiss over a gate or doorstep, you will have a serious quarrel."},
    {2, "bed",
     "When making the bed, don't interrupt your work, or you will spend a restless night in it. A bed left half "
     "made invites bad dreams."},
    {3, "brooms",
     "Never take a broom along when you move. Leave the old one behind with the old troubles and buy a new broom "
     "for your new home. Sweeping dirt out of the front door after dark sweeps your luck away with it."},
    {4, "clothes",
     "If any of your clothes are mended while you are wearing them, people will speak unkindly of you. To break "
     "the spell, hold a thread between your teeth until the sewing is done."},
    {5, "garment",
     "To put on a garment wrong side by accident brings good luck, as long as you wear it that way for the rest of "
     "the day. Changing it back at once turns the luck away."},
    {5, "friend",
     "Never say good-bye on a bridge, or you will never meet again. Walk to the end of the bridge together before "
     "you part."},
    {6, "clover",
     "Clover was one of the anti-witch plants, and a four-leaf clover was believed to let its finder see fairies "
     "and escape the spells of witches. Finding one still brings good luck, and a five-leaf clover promises "
     "money."},
    {7, "eyelash",
     "Dropped eyelash brings good luck. Place it on the back of your hand, make a wish and blow it away; if it flies "
     "off at the first try, your wish will come true."},
    {8, "garter",
     "A garter worn by a bride on her wedding-day brings good luck. The guest who catches it when it is thrown will "
     "be the next to marry."},
    {9, "horseshoe",
     "Horseshoes have been regarded for centuries as powerful charms against evil. Hung above a door with the ends "
     "pointing up, a horseshoe holds the luck in the house; turned the other way, the luck runs out."},
    {10, "ivy",
     "Ivy is a lucky plant. Ivy growing on the walls of a house protects those who live in it, but if it withers "
     "and dies, misfortune is on its way."},
    {10, "umbrella", "It is a very bad luck to open an umbrella inside a building."},
    {11, "knock on wood", "Knocking on wood is done to prevent bad luck."},
    {12, "ladder",
     "It is considered very unlucky to pass through the angle formed by a ladder leaning against a wall. If you "
     "must walk under one, cross your fingers and keep them crossed until you see a dog."},
    {13, "ladybug",
     "It is a sign of good fortune if one lands on a person's hand or dress. Do not brush it away; let it fly off "
     "on its own and it will carry your wishes with it. The spots on its back tell how many happy months lie "
     "ahead."},
    {14, "mirror", "Breaking a mirror brings bad luck for seven years."},
    {15, "owl", "Hearing the hoot of an owl is associated with bad luck."},
    {15, "wedding ring",
     "Wedding ring is worn on the fourth finger of the left hand because a vein was believed to run from that "
     "finger straight to the heart. Taking it off once it has been put on is said to invite trouble into the "
     "marriage."},
    {16, "rabbit's foot",
     "As far back as the time of the ancient Britons, the rabbit was thought to hold magic powers. Carrying a "
     "rabbit's foot in your pocket keeps harm away and brings good luck, especially to gamblers and travellers."},
    {17, "salt",
     "All the way from ancient Greece until today, the spilling of salt has been taken as the sign of a coming "
     "quarrel. To undo the harm, throw a pinch of the spilled salt over your left shoulder with your right hand."},
    {18, "swan",
     "A swan's feather, sewed into the husband's pillow ensures fidelity. Three swans flying together foretell a "
     "happy event."},
    {19, "sneezing",
     "If you sneeze on a Monday, you sneeze for danger; on a Tuesday, you will meet a stranger; on a Wednesday, a "
     "letter is coming; on a Thursday, something better; on a Friday, sorrow; on a Saturday, you will see your "
     "sweetheart tomorrow. A sneeze on a Sunday is best kept to yourself."},
    {20, "bird",
     "If a bird flies into the house or also if it taps at a window, it brings news from far away. Open the window "
     "wide and let it find its own way out, or the news will be bad."},
    {20, "seven",
     "For ages people believed that seven is the luckiest number. There are seven days in the week, seven colours "
     "in the rainbow and seven notes in the scale, and the seventh son of a seventh son was said to have the gift "
     "of healing."},
    {21, "crow",
     "When a single crow caws near a house, bad news is on its way; two crows bring good luck and three foretell a "
     "wedding. Greet a lonely crow politely to turn its message aside."},
    {22, "bee", "If a bee flies into a window, it is a messenger of good news."},
    {23, "cricket",
     "Crickets are believed to be symbols of good fortune and guardians of the home. Never kill a cricket that has "
     "come into your house, or its luck will leave with it."},
    {24, "spider",
     "If you see a spider in the morning it is a warning. A spider seen in the afternoon brings a gift, and one "
     "seen in the evening brings hope. Killing a spider brings bad luck, so carry it outside instead."},
    {25, "dogs", "If a dog throws back its head and howls, it is a sure sign of death or disaster."},
    {26, "marriage",
     "Best month for marriage - June. Worst month for marriage - May. A bride who marries in June will have a happy "
     "home, and rain on the wedding day promises a long and fruitful marriage."},
    {27, "wine",
     "It was believed that the juice of the grape was blood of the earth, and wine was poured for the gods at every "
     "feast. Spilling a little wine on the table is still thought to bring good luck to everyone sitting at it."},
    {28, "whistling", "Whistling in the house is a sign of a bad luck in financial matters."},
    {29, "pin", "See a pin and pick it up, all the day you\u2019ll have good luck."},
    {30, "cheeks", "If your cheeks feel hot it means someone is talking about you."},
    {31, "itching",
     "If your right ear is itching someone is saying good things about you; if it is your left ear, they are saying "
     "something bad. An itching right palm means money is coming, an itching left palm that you will soon pay it "
     "out."},
}};
}

std::string SuperstitionText(int day)
{
    std::string text;
    for (const Superstition& s : table) {
        if (s.day != day)
            continue;
        text += std::string("<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>") + s.topic +
                "<p><font color=\"black\">" + s.text + "<p>";
    }
    return text;
}

int SuperstitionCount(int day)
{
    int count = 0;
    for (const Superstition& s : table)
        count += s.day == day ? 1 : 0;
    return count;
}

PagePair SuperstitionPage(int day)
{
    return PagePair{"super_e.htm",         "super_r.htm",          PageBody::FixedUncentred,
                    SuperstitionText(day), PagePrintRow::Standard, PageClosing::Uncentred};
}
