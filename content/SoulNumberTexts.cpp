#include "content/ReferenceTexts.h"

#include "platform/Calendar.h"

#include <array>

namespace {
// Each text continues the words "People by nature".
const std::array<const char*, 10> rest{{
    " open to every possibility carry the number 0, the circle that has no beginning and no end. They are "
    "spiritual, unhurried and free of the ambitions that drive others, and they often become the quiet centre "
    "around which family and friends gather. Their gift is potential: they can grow into whatever they set their "
    "hearts on. Their challenge is to choose a path at all, since every road looks equally promising to them.",
    " independent and ambitious carry the number 1, the number of the pioneer. They are original thinkers who "
    "prefer to lead rather than follow, and they are at their best when something new is starting. Determined and "
    "courageous, they rarely ask for help and seldom need it. They must take care not to become stubborn or "
    "self-centred, and learn that listening is also a form of strength.",
    " gentle and cooperative carry the number 2, the number of partnership. They are tactful, patient and sensitive "
    "to the feelings of others, and they make devoted partners, loyal friends and skilled peacemakers. They work "
    "best as part of a team and often achieve through others what they would never claim for themselves. Their "
    "sensitivity can turn into shyness or indecision, and they must learn to value their own wishes as highly as "
    "those of the people they love.",
    " cheerful and expressive carry the number 3, the number of creativity. They are talkative, witty and full of "
    "imagination, and they light up every room they walk into. Words, music, colour and play come easily to them, "
    "and they have a talent for making others feel good. They can scatter their energy over too many projects and "
    "leave things unfinished, so discipline is the lesson that brings their many gifts to fruit.",
    " steady and practical carry the number 4, the number of the builder. They are honest, orderly and "
    "hard-working, and they lay solid foundations for everything they undertake. Others rely on them because they "
    "keep their word and finish what they start. Routine comforts them and sudden change unsettles them, so they "
    "may appear rigid or too serious. When they learn to bend a little, their patience turns plans into lasting "
    "achievements.",
    " restless and adventurous carry the number 5, the number of freedom. They are curious, quick-witted and "
    "versatile, and they love travel, new faces and new experiences. They adapt to any situation and can talk to "
    "anyone, which makes them fine salespeople, writers and explorers. Boredom is their enemy: they may jump from "
    "one thing to the next without looking back. Their lesson is to use their freedom wisely and to stay long "
    "enough to see results.",
    " loving and responsible carry the number 6, the number of home and harmony. They are caring, generous and "
    "devoted to family and friends, and they cannot rest while someone near them is unhappy. They have a fine sense "
    "of beauty and balance and a talent for creating a warm home. Because they give so much, they sometimes worry "
    "too much or interfere where they are not asked. Their lesson is to care without trying to control.",
    " thoughtful and searching carry the number 7, the number of wisdom. They are analytical, intuitive and drawn "
    "to the hidden side of things, from science to philosophy and faith. They need time alone to think and often "
    "know more than they say. Others find them reserved or hard to read, yet the few who win their trust gain a "
    "wise and loyal friend. Their lesson is to share what they discover instead of keeping it to themselves.",
    " strong and ambitious carry the number 8, the number of power and material success. They are practical "
    "organisers with good judgement in money and business, and they carry heavy responsibilities without "
    "complaint. Authority suits them, and they often rise to the top of whatever they undertake. They may work too "
    "hard or measure everything by results, forgetting the people around them. Their lesson is to balance success "
    "with generosity and rest.",
    " generous and idealistic carry the number 9, the number of humanity. They are compassionate, broad-minded and "
    "eager to make the world a better place, and they give freely of their time, talent and money. Artists, "
    "healers and teachers often carry this number. They feel the sorrows of others deeply and may be let down when "
    "people do not live up to their ideals. Their lesson is to forgive, to let go of the past and to keep giving "
    "without expecting thanks.",
}};
}

int SoulNumberOf(int month, int day, int year)
{
    return TripleNumber(ReduceNumber(month), ReduceNumber(day), YearNumber(year));
}

std::string SoulNumberText(int number)
{
    if (number < 0 || number > 9)
        return {};
    return "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Number " + std::to_string(number) +
           "</b></font><p><font color=\"black\" size=\"2\" face=\"Verdana\"><b>People by nature" +
           rest[static_cast<std::size_t>(number)];
}
