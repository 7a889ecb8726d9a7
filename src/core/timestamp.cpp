#include "core/timestamp.h"

#include <cstdio>

namespace velmora::core {

namespace {

using namespace std::chrono;

// The digits at text[at...at+count), or -1 when any is not a digit.
int digits(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size())
        return -1;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool charAt(std::string_view text, std::size_t at, char c) {
    return at < text.size() && text[at] == c;
}

// Seconds east of UTC of the zone designator that is the whole of `zone`.
std::optional<int> offsetSeconds(std::string_view zone) {
    if (zone == "Z" || zone == "z")
        return 0;
    if (zone.empty() || (zone[0] != '+' && zone[0] != '-'))
        return std::nullopt;
    const int sign = zone[0] == '-' ? -1 : 1;
    const int hours = digits(zone, 1, 2);
    int minutes = 0;
    if (zone.size() == 3) {
        minutes = 0;
    } else if (zone.size() == 6 && zone[3] == ':') {
        minutes = digits(zone, 4, 2);
    } else if (zone.size() == 5) {
        minutes = digits(zone, 3, 2);
    } else {
        return std::nullopt;
    }
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59)
        return std::nullopt;
    return sign * (hours * 3600 + minutes * 60);
}

} // namespace

Timestamp systemNow() {
    return floor<seconds>(system_clock::now());
}

std::string iso8601Text(Timestamp time) {
    const sys_days day = floor<days>(time);
    const year_month_day date(day);
    const hh_mm_ss clock(time - day);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(clock.hours().count()),
                  static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

std::optional<Timestamp> parseIso8601(std::string_view text) {
    const int y = digits(text, 0, 4);
    const int mo = digits(text, 5, 2);
    const int d = digits(text, 8, 2);
    const int h = digits(text, 11, 2);
    const int mi = digits(text, 14, 2);
    const int s = digits(text, 17, 2);
    if (y < 0 || mo < 0 || d < 0 || h < 0 || mi < 0 || s < 0 || !charAt(text, 4, '-') ||
        !charAt(text, 7, '-') || !(charAt(text, 10, 'T') || charAt(text, 10, 't')) ||
        !charAt(text, 13, ':') || !charAt(text, 16, ':'))
        return std::nullopt;
    if (h > 23 || mi > 59 || s > 59)
        return std::nullopt;
    const year_month_day date{year{y}, month{static_cast<unsigned>(mo)},
                              day{static_cast<unsigned>(d)}};
    if (!date.ok())
        return std::nullopt;
    std::size_t at = 19;
    if (charAt(text, at, '.')) {
        ++at;
        const std::size_t first = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
        if (at == first)
            return std::nullopt;
    }
    const auto offset = offsetSeconds(text.substr(at));
    if (!offset)
        return std::nullopt;
    const Timestamp local = sys_days(date) + hours(h) + minutes(mi) + seconds(s);
    const Timestamp utc = local - seconds(*offset);
    const sys_days first = sys_days(year{0} / January / 1);
    const sys_days past = sys_days(year{10000} / January / 1);
    if (utc < first || utc >= past)
        return std::nullopt;
    return utc;
}

} // namespace velmora::core
