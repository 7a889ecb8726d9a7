#pragma once

namespace velmora::universe {

// The date of a faction note, on the campaign calendar: day 1-365, hour 0-23,
// minute 0-59.
struct Stardate {
    int year = 0;
    int day = 1;
    int hour = 0;
    int minute = 0;

    friend bool operator==(const Stardate&, const Stardate&) = default;
};

} // namespace velmora::universe
