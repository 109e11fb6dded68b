#include "content/ReferenceTexts.h"

#include <array>

namespace {
struct Animal {
    const char* name;
    const char* traits;
    const char* famous;  // after "Well known <animal> - "
};

// Indexed by (year - 1900) mod 12.
const std::array<Animal, 12> animals{{
    {"Rat",
     "People born in the Year of the Rat are charming, clever and full of energy. They are quick to spot an "
     "opportunity and careful with their money, yet generous to the people they love. Rats are sociable and make "
     "friends easily, although few of those friends ever learn what they really think. They work hard, plan ahead "
     "and waste nothing, and their sharp minds get them out of the tightest corners. Their faults are a taste for "
     "gossip, a tendency to worry and a habit of grabbing small gains where patience would bring larger ones.",
     "William Shakespeare"},
    {"Ox",
     "People born in the Year of the Ox are patient, dependable and remarkably strong-willed. They work steadily "
     "towards their goals and are not easily distracted or discouraged. Oxen speak little but mean what they say, "
     "and their calm gives confidence to everyone around them. They are devoted to family, honest in business and "
     "slow to anger, but once angered they are hard to stop. Their faults are stubbornness and a dislike of "
     "anything new, and they can seem rigid to those who do not know their warm and loyal hearts.",
     "Walt Disney"},
    {"Tiger",
     "People born in the Year of the Tiger are brave, passionate and born to lead. They fight for what they believe "
     "in, defend the weak and take risks that others would never dare. Tigers are generous, warm and magnetic, and "
     "people follow them even when they are heading into trouble. They hate routine and obey rules only when they "
     "agree with them. Their faults are impatience, a quick temper and a restless streak that makes them start many "
     "adventures and finish few.",
     "Marilyn Monroe"},
    {"Rabbit",
     "People born in the Year of the Rabbit are gentle, refined and diplomatic. They dislike quarrels and know how "
     "to smooth over a disagreement with a kind word. Rabbits have excellent taste, love a peaceful home and are "
     "thoughtful hosts and loyal friends. They are cautious by nature and weigh every decision carefully, which "
     "keeps them out of many troubles. Their faults are a tendency to avoid hard choices, to take criticism too much "
     "to heart and to retreat when they should stand their ground.",
     "Frank Sinatra"},
    {"Dragon",
     "People born in the Year of the Dragon are energetic, confident and full of life. In the old tradition the "
     "Dragon is the luckiest of all the signs, and those born under it seem to draw success towards them. Dragons "
     "are enthusiastic, honest and generous, and they inspire others with their big plans and bold ideas. They "
     "expect a great deal of themselves and of everyone else. Their faults are pride, impatience and a quick "
     "temper, and they do not always take advice, even when it is good.",
     "John Lennon"},
    {"Snake",
     "People born in the Year of the Snake are wise, elegant and deep thinkers. They rely on their intuition and are "
     "seldom wrong about people or situations. Snakes are calm and graceful on the outside and determined on the "
     "inside; once they have set a goal they pursue it quietly to the end. They enjoy the finer things in life and "
     "handle money well. Their faults are jealousy, secrecy and a tendency to nurse a grudge long after everyone "
     "else has forgotten the quarrel.",
     "John F. Kennedy"},
    {"Horse",
     "People born in the Year of the Horse are cheerful, popular and full of energy. They love freedom, travel and "
     "crowds, and they are at home wherever there is movement and excitement. Horses are quick-witted and "
     "persuasive, and they can talk their way into and out of almost anything. They work hard when a task "
     "interests them and lose interest when it does not. Their faults are impatience, a hot temper and a "
     "changeable heart that makes it hard for them to stay in one place for long.",
     "Nelson Mandela"},
    {"Goat",
     "People born in the Year of the Goat are gentle, artistic and kind-hearted. They have a fine eye for beauty "
     "and often a talent for painting, music or design. Goats are peaceful, sympathetic and generous, and they make "
     "caring friends who never forget a birthday. They prefer to follow rather than lead and are happiest when "
     "someone else takes care of the practical side of life. Their faults are worry, pessimism and a tendency to "
     "let others make their decisions for them.",
     "Michelangelo"},
    {"Monkey",
     "People born in the Year of the Monkey are clever, inventive and endlessly curious. They solve problems in ways "
     "no one else would think of and learn new skills with astonishing speed. Monkeys are playful, witty and great "
     "entertainers, and people enjoy their company wherever they go. They are ambitious and know how to get what "
     "they want. Their faults are restlessness, a weakness for clever tricks and a habit of looking down on those "
     "who think more slowly than they do.",
     "Leonardo da Vinci"},
    {"Rooster",
     "People born in the Year of the Rooster are hard-working, observant and proud. They are punctual, well "
     "organised and honest to a fault, and they say exactly what they think. Roosters take great care of their "
     "appearance and like to be noticed for their achievements. They are brave, loyal to their friends and careful "
     "with their money. Their faults are boastfulness, a love of arguing and a tendency to criticise others for the "
     "same small details they notice so well.",
     "Bob Marley"},
    {"Dog",
     "People born in the Year of the Dog are loyal, honest and deeply fair. They stand by their friends in good "
     "times and bad, and they cannot stay silent in the face of injustice. Dogs are modest, responsible and good "
     "listeners, and people trust them with their secrets. They work hard for the people and the causes they "
     "believe in. Their faults are worry, a sharp tongue when they feel wronged and a suspicious streak that makes "
     "them see trouble where there is none.",
     "Mother Teresa"},
    {"Pig",
     "People born in the Year of the Pig are warm, sincere and generous. They trust others easily, enjoy good food "
     "and good company, and are always ready to help a friend in need. Pigs are honest, tolerant and hard-working, "
     "and they seldom hold a grudge. They love comfort and beautiful things and know better than anyone how to enjoy "
     "life. Their faults "
     "are naivety, a weakness for luxury and a tendency to let others take advantage of their good nature.",
     "Elvis Presley"},
}};

int AnimalIndex(int year)
{
    if (year < 1900)
        return -1;
    const int index = (year - 1900) % 12;
    if (year <= 2007 || (year <= 2012 && index <= 4))
        return index;
    return -1;
}
}

std::string YearAnimal(int year)
{
    const int index = AnimalIndex(year);
    return index < 0 ? std::string() : animals[static_cast<std::size_t>(index)].name;
}

std::string YearAnimalText(int year)
{
    const int index = AnimalIndex(year);
    if (index < 0)
        return {};
    const Animal& a = animals[static_cast<std::size_t>(index)];
    const std::string name = a.name;
    // The Pig's heading carries one blank more than the others.
    const std::string separator = name == "Pig" ? " -  " : " - ";
    return "The Year of the " + name + "<p><font color=\"black\">" + a.traits +
           "<p><font color=\"yellow\">Well known " + name + separator + a.famous;
}
