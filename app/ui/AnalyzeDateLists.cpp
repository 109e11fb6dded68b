#include "app/ui/AnalyzeDateLists.h"

#include "platform/ui/ComboLists.h"

#include <QComboBox>
#include <QSignalBlocker>

void AnalyzeDateLists::Attach(QObject* context, QComboBox* month, QComboBox* day, QComboBox* year,
                              std::function<void()> onChange)
{
    monthList = month;
    dayList = day;
    yearList = year;
    changed = std::move(onChange);
    QObject::connect(monthList, &QComboBox::currentIndexChanged, context, [this] { MonthChanged(); });
    QObject::connect(dayList, &QComboBox::currentIndexChanged, context, [this] { DayChanged(); });
    QObject::connect(yearList, &QComboBox::currentIndexChanged, context, [this] { YearChanged(); });
}

void AnalyzeDateLists::Select(const Date& shown)
{
    date = shown;
    const QSignalBlocker month(monthList), year(yearList), day(dayList);
    monthList->setCurrentIndex(date.month >= 1 && date.month <= 12 ? date.month - 1 : -1);
    yearList->setCurrentIndex(DateLists::YearEntry(date.year));
    DateLists::FillDays(dayList, date.month, date.year, date.day);
}

void AnalyzeDateLists::MonthChanged()
{
    date.month = monthList->currentIndex() + 1;
    DateLists::FillDays(dayList, date.month, date.year, date.day);
    date.day = dayList->currentIndex() + 1;
    changed();
}

void AnalyzeDateLists::DayChanged()
{
    date.day = dayList->currentIndex() + 1;
    changed();
}

void AnalyzeDateLists::YearChanged()
{
    if (yearList->currentIndex() < 0)
        return;
    date.year = DateLists::YearOfEntry(yearList->currentIndex());
    MonthChanged();
}
