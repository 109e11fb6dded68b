#include "profiles/ProfileChecks.h"

#include "platform/Calendar.h"

std::string ParentAgeMessage(const ProfileRecord& record)
{
    struct Parent {
        bool used;
        int year;
        const char* name;
    };
    const Parent parents[] = {{record.hasMother, record.motherBirthday.year, "mother"},
                              {record.hasFather, record.fatherBirthday.year, "father"}};
    const int birthYear = record.birthday.year;
    for (const Parent& parent : parents) {
        if (!parent.used)
            continue;
        if (birthYear < parent.year)
            return std::string("You indicated that you are older than your ") + parent.name +
                   ".    \nPlease correct it and then try again.    ";
        if (parent.year + 10 > birthYear)
            return std::string("You indicated that your ") + parent.name +
                   " was younger than 10 years old when you were born.    \nPlease correct it and then try again.    ";
    }
    return {};
}

std::string BeforeBirthMessage(const Date& birthday, const Date& day)
{
    if (IsOnOrAfter(day.year, day.month, day.day, birthday.year, birthday.month, birthday.day))
        return {};
    return "You can't analyze a date before your birth date.     ";
}
