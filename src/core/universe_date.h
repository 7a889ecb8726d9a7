#pragma once

#include "core/uuid.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::core {

// The Imperial calendar: 365 days numbered 1-365 and no leap years. Day 1 is a
// holiday; the other 364 days make 13 months of 28 days and weeks of 7 named days.
inline constexpr int daysPerYear = 365;
inline constexpr int hoursPerDay = 24;
inline constexpr int minutesPerHour = 60;
inline constexpr int minutesPerDay = hoursPerDay * minutesPerHour;
inline constexpr std::int64_t minutesPerYear = std::int64_t{daysPerYear} * minutesPerDay;
inline constexpr int monthsPerYear = 13;
inline constexpr int daysPerMonth = 28;
inline constexpr int daysPerWeek = 7;

// A moment of campaign time, to the minute. The id only tells dates in a list
// apart; moving a date keeps it.
struct UniverseDate {
    Uuid id;
    int day = 1; // 1-365
    int year = 1105;
    int hour = 0;   // 0-23
    int minute = 0; // 0-59

    // This date moved `minutes` later (earlier when negative), across days and years.
    UniverseDate adding(std::int64_t minutes) const;
    // Brings fields edited one by one back into their ranges: minutes carry into
    // hours, hours into days, days past 365 into years, and each field below its
    // range borrows from the one above (below day 1 is day 365 of the year before).
    void normalize();
    // Minutes since day 1, 00:00 of year 0.
    std::int64_t absoluteMinutes() const;

    // "12:00-001-1105": hour and minute, the day with three digits, the year.
    std::string timeText() const;
    // "001-1105".
    std::string dayYearText() const;

    friend bool operator==(const UniverseDate&, const UniverseDate&) = default;
};

// 12:00 on the holiday of 1105, where every new campaign starts.
UniverseDate campaignStartDate();

// Minutes from `a` to `b`: negative when `b` comes first.
std::int64_t minutesBetween(const UniverseDate& a, const UniverseDate& b);

// The month counted from year 0, which every monthly obligation is reckoned in:
// year × 13 plus 0 for days 1-28, 1 for days 29-56, ... and 12 for days 337-365.
// Years so far out that the count leaves an int's range give its limit.
int monthIndex(const UniverseDate& date);

// "Holiday" for day 1, "Senday", "Wonday", ... "Sixday" by (day - 1) mod 7
// (so day 2 is a Wonday), and "Not Normal" below day 1.
std::string_view weekdayName(int day);

// "0m" below a minute, "1 day" or "28 days" for whole days, otherwise days, hours
// and minutes run together, each only when present: "1d2h30m", "4h", "10m".
std::string durationText(std::int64_t minutes);

// The date on the nearest multiple of 10 minutes; 5 past rounds up.
UniverseDate roundedToTenMinutes(const UniverseDate& date);

} // namespace velmora::core
