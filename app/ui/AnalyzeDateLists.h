#pragma once

#include "platform/Date.h"

#include <functional>

class QComboBox;
class QObject;

// The month, day and year lists of the date to analyse, and the date they make. The
// day list follows the month and year; a year the list does not offer leaves it
// without a selection while the date keeps its year.
class AnalyzeDateLists {
public:
    AnalyzeDateLists() = default;
    AnalyzeDateLists(const AnalyzeDateLists&) = delete;
    AnalyzeDateLists& operator=(const AnalyzeDateLists&) = delete;

    // `changed` runs after each choice of the user, with the date updated.
    void Attach(QObject* context, QComboBox* month, QComboBox* day, QComboBox* year, std::function<void()> changed);
    // Shows `date` without running `changed`.
    void Select(const Date& date);
    const Date& Selected() const { return date; }

private:
    void MonthChanged();
    void DayChanged();
    void YearChanged();

    QComboBox* monthList = nullptr;
    QComboBox* dayList = nullptr;
    QComboBox* yearList = nullptr;
    std::function<void()> changed;
    Date date;
};
