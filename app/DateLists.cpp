#include "app/DateLists.h"

#include "engine/Calendar.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <algorithm>

namespace DateLists {

void FillMonths(QComboBox* months)
{
    const QSignalBlocker blocker(months);
    months->clear();
    for (int month = 1; month <= 12; ++month)
        months->addItem(QString::number(month));
}

void FillYears(QComboBox* years)
{
    const QSignalBlocker blocker(years);
    years->clear();
    for (int year = NewestYear; year >= OldestYear; --year)
        years->addItem(QString::number(year));
}

void FillDays(QComboBox* days, int month, int year, int wantedDay)
{
    const QSignalBlocker blocker(days);
    days->clear();
    const int last = DaysInMonth(month, year);
    for (int day = 1; day <= last; ++day)
        days->addItem(QString::number(day));
    days->setCurrentIndex(wantedDay > days->count() ? days->count() - 1 : std::max(wantedDay, 1) - 1);
}

int YearEntry(int year)
{
    return year >= OldestYear && year <= NewestYear ? NewestYear - year : -1;
}

int YearOfEntry(int entry)
{
    return NewestYear - entry;
}

}
