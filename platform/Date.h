#pragma once

// A calendar date as the program keeps it: month 1..12, day of month, four-digit year.
struct Date {
    int month = 1;
    int day = 1;
    int year = 1900;

    friend bool operator==(const Date&, const Date&) = default;
};
