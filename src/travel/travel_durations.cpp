#include "travel/travel_durations.h"

#include <cmath>

namespace velmora::travel {

std::int64_t roundedMinutes(double seconds) {
    return std::llround(seconds / 60.0);
}

std::string formatTransit(double seconds) {
    if (seconds <= 0)
        return "\u2014";
    if (seconds < 60)
        return "<1 min";
    const std::int64_t minutes = roundedMinutes(seconds);
    if (minutes <= 59)
        return std::to_string(minutes) + "m";
    if (minutes < 2'880)
        return std::to_string(minutes / 60) + "h " + std::to_string(minutes % 60) + "m";
    return std::to_string(minutes / 1'440) + "d " + std::to_string((minutes / 60) % 24) + "h";
}

std::string formatVoyage(double seconds) {
    if (seconds <= 0)
        return "\u2014";
    const std::int64_t hours = std::llround(seconds / 3'600.0);
    std::string text;
    const auto add = [&text](std::int64_t count, char unit) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(count) + unit;
    };
    if (hours >= 168)
        add(hours / 168, 'w');
    if (hours % 168 >= 24)
        add((hours % 168) / 24, 'd');
    if (hours % 24 >= 1 || text.empty())
        add(hours % 24, 'h');
    return text;
}

} // namespace velmora::travel
