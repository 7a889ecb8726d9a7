#pragma once

#include <optional>
#include <string_view>

namespace velmora::campaign {

// Where a day falls in the calendar's months and weeks. Day 1 is the holiday and
// belongs to no month; month 1 runs from day 2 to day 29, and so on to month 13,
// days 338-365. Each month is four weeks, and each week starts on a Wonday, so
// weekday 1 is Wonday and weekday 7 Senday.
struct CalendarPosition {
    int month = 1;   // 1-13
    int week = 1;    // 1-4 within the month
    int weekday = 1; // 1-7 within the week

    friend bool operator==(const CalendarPosition&, const CalendarPosition&) = default;
};

// Nothing for the holiday and for days outside 1-365.
std::optional<CalendarPosition> calendarPosition(int day);

// The day of the year at that place; each field is first brought into its range.
int dayOfYear(CalendarPosition position);

// The name of weekday 1-7 as a week of a month runs: "Wonday" ... "Senday".
std::string_view weekdayNameInWeek(int weekday);

} // namespace velmora::campaign
