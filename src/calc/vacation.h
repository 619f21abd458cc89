#pragma once

// The vacation page's rules: months of a period, the entitlement, the extra days for the
// severely disabled and the next period of the plus button.
namespace calc {

struct Date
{
    int year;
    int month; // 1 … 12
    int day;   // 1 … days of the month

    friend bool operator==(const Date &, const Date &) = default;
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
Date nextDay(Date date);

// The months that count between the hiring date and the end of employment: the hiring month
// when hired on the 14th or earlier, the last month when employed until the 15th or later.
// Periods across a new year count their months; the count stays within 0 … 12, so an end before
// the start gives 0 and a period longer than a year gives 12.
int vacationMonths(Date start, Date end);

// Standard entitlement converted from the company's to the employee's working days per week,
// prorated by months, plus five days for the severely disabled. Every step is rounded to two
// decimals as the field shows it, because the next step reads it back from there.
// The caller makes sure that no input is zero.
double vacationEntitlement(double standard, double sollTage, double istTageMA, double months,
                           bool schwerb);

// The entitlement after the severe-disability box changed state; an entitlement of zero or
// less stays as it is (the next run adds the days).
double schwerbEntitlement(double shownEntitlement, bool nowChecked);

struct Period
{
    Date start;
    Date end;
};

// The period after the plus button: from the day after the old end to the end of that month.
Period nextPeriod(Date oldEnd);

} // namespace calc
