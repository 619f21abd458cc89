#include "calc/vacation.h"

#include "calc/numbers.h"

#include <algorithm>

namespace calc {

namespace {

constexpr double kSchwerbDays = 5;
constexpr int kDecimals = 2;

} // namespace

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeapYear(year))
        return 29;
    return days[month - 1];
}

Date nextDay(Date date)
{
    if (date.day < daysInMonth(date.year, date.month))
        return {date.year, date.month, date.day + 1};
    if (date.month < 12)
        return {date.year, date.month + 1, 1};
    return {date.year + 1, 1, 1};
}

int vacationMonths(Date start, Date end)
{
    const int s = start.day >= 15 ? start.month + 1 : start.month;
    const int e = end.day <= 14 ? end.month - 1 : end.month;
    // counted across years, so that a period over the new year or ending before it starts
    // cannot wrap around
    const int months = 12 * (end.year - start.year) + e - s + 1;
    return std::clamp(months, 0, 12);
}

double vacationEntitlement(double standard, double sollTage, double istTageMA, double months,
                           bool schwerb)
{
    double anspruch = asShown(standard / sollTage * istTageMA, kDecimals);
    anspruch = asShown(anspruch * months / 12, kDecimals);
    if (schwerb)
        anspruch = asShown(anspruch + kSchwerbDays, kDecimals);
    return anspruch;
}

double schwerbEntitlement(double shownEntitlement, bool nowChecked)
{
    if (shownEntitlement <= 0)
        return shownEntitlement;
    return asShown(nowChecked ? shownEntitlement + kSchwerbDays : shownEntitlement - kSchwerbDays,
                   kDecimals);
}

Period nextPeriod(Date oldEnd)
{
    const Date start = nextDay(oldEnd);
    return {start, {start.year, start.month, daysInMonth(start.year, start.month)}};
}

} // namespace calc
