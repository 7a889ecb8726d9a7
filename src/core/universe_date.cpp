#include "core/universe_date.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>

namespace velmora::core {

namespace {

constexpr std::int64_t floorDiv64(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

constexpr std::int64_t floorMod64(std::int64_t a, std::int64_t b) {
    return a - floorDiv64(a, b) * b;
}

constexpr int clampedToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// Minutes since the start of the date's own year; outside 0...525,599 when the
// fields are out of their ranges.
std::int64_t minutesIntoYear(const UniverseDate& date) {
    return (std::int64_t{date.day} - 1) * minutesPerDay + std::int64_t{date.hour} * minutesPerHour +
           date.minute;
}

} // namespace

UniverseDate UniverseDate::adding(std::int64_t minutes) const {
    // A count beyond a few billion years is not a date any more; it stops there.
    std::int64_t t = 0;
    if (__builtin_add_overflow(minutesIntoYear(*this), minutes, &t))
        t = minutes < 0 ? std::numeric_limits<std::int64_t>::min() / 2
                        : std::numeric_limits<std::int64_t>::max() / 2;
    std::int64_t newYear = year;
    if (t < 0) {
        // Whole years are borrowed until the count is no longer negative.
        const std::int64_t borrowed = (-t + minutesPerYear - 1) / minutesPerYear;
        newYear -= borrowed;
        t += borrowed * minutesPerYear;
    }
    newYear += t / minutesPerYear;
    const std::int64_t r = t % minutesPerYear;
    UniverseDate result = *this;
    result.year = clampedToInt(newYear);
    result.day = static_cast<int>(r / minutesPerDay) + 1;
    result.hour = static_cast<int>((r % minutesPerDay) / minutesPerHour);
    result.minute = static_cast<int>(r % minutesPerHour);
    return result;
}

void UniverseDate::normalize() {
    std::int64_t m = minute;
    std::int64_t h = std::int64_t{hour} + floorDiv64(m, minutesPerHour);
    m = floorMod64(m, minutesPerHour);
    std::int64_t d = std::int64_t{day} + floorDiv64(h, hoursPerDay);
    h = floorMod64(h, hoursPerDay);
    std::int64_t y = year;
    if (d >= daysPerYear + 1) {
        const std::int64_t years = (d - 1) / daysPerYear;
        y += years;
        d -= years * daysPerYear;
    } else if (d < 1) {
        const std::int64_t years = (1 - d + daysPerYear - 1) / daysPerYear;
        y -= years;
        d += years * daysPerYear;
    }
    year = clampedToInt(y);
    day = static_cast<int>(d);
    hour = static_cast<int>(h);
    minute = static_cast<int>(m);
}

std::int64_t UniverseDate::absoluteMinutes() const {
    return std::int64_t{year} * minutesPerYear + minutesIntoYear(*this);
}

std::string UniverseDate::timeText() const {
    char text[64];
    std::snprintf(text, sizeof text, "%02d:%02d-%03d-%d", hour, minute, day, year);
    return text;
}

std::string UniverseDate::dayYearText() const {
    char text[32];
    std::snprintf(text, sizeof text, "%03d-%d", day, year);
    return text;
}

UniverseDate campaignStartDate() {
    UniverseDate date;
    date.day = 1;
    date.year = 1105;
    date.hour = 12;
    date.minute = 0;
    return date;
}

std::int64_t minutesBetween(const UniverseDate& a, const UniverseDate& b) {
    return b.absoluteMinutes() - a.absoluteMinutes();
}

int monthIndex(const UniverseDate& date) {
    const int month = date.day - 1 < 1 ? 0 : std::min((date.day - 1) / daysPerMonth, 12);
    return clampedToInt(std::int64_t{date.year} * monthsPerYear + month);
}

std::string_view weekdayName(int day) {
    static constexpr std::array<std::string_view, daysPerWeek> names = {
        "Senday", "Wonday", "Tuday", "Thirday", "Forday", "Fiday", "Sixday"};
    if (day < 1)
        return "Not Normal";
    if (day == 1)
        return "Holiday";
    return names[static_cast<std::size_t>((day - 1) % daysPerWeek)];
}

std::string durationText(std::int64_t minutes) {
    if (minutes < 1)
        return "0m";
    const std::int64_t days = minutes / minutesPerDay;
    if (minutes % minutesPerDay == 0)
        return std::to_string(days) + (days == 1 ? " day" : " days");
    const std::int64_t hours = (minutes % minutesPerDay) / minutesPerHour;
    const std::int64_t rest = minutes % minutesPerHour;
    std::string text;
    if (days > 0)
        text += std::to_string(days) + "d";
    if (hours > 0)
        text += std::to_string(hours) + "h";
    if (rest != 0)
        text += std::to_string(rest) + "m";
    return text;
}

UniverseDate roundedToTenMinutes(const UniverseDate& date) {
    const std::int64_t past = floorMod64(date.minute, 10);
    return date.adding(past >= 5 ? 10 - past : -past);
}

} // namespace velmora::core
