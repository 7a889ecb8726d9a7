#include "campaign/calendar_position.h"

#include "core/universe_date.h"

#include <algorithm>

namespace velmora::campaign {

using core::daysPerMonth;
using core::daysPerWeek;

namespace {

constexpr int weeksPerMonth = daysPerMonth / daysPerWeek;

} // namespace

std::optional<CalendarPosition> calendarPosition(int day) {
    if (day < 2 || day > core::daysPerYear)
        return std::nullopt;
    const int intoMonths = day - 2;
    const int intoMonth = intoMonths % daysPerMonth;
    return CalendarPosition{intoMonths / daysPerMonth + 1, intoMonth / daysPerWeek + 1,
                            intoMonth % daysPerWeek + 1};
}

int dayOfYear(CalendarPosition position) {
    const int month = std::clamp(position.month, 1, core::monthsPerYear);
    const int week = std::clamp(position.week, 1, weeksPerMonth);
    const int weekday = std::clamp(position.weekday, 1, daysPerWeek);
    return 2 + (month - 1) * daysPerMonth + (week - 1) * daysPerWeek + (weekday - 1);
}

std::string_view weekdayNameInWeek(int weekday) {
    // Weekday 1 of every week is day 2 of the year or a multiple of 7 after it.
    return core::weekdayName(1 + std::clamp(weekday, 1, daysPerWeek));
}

} // namespace velmora::campaign
