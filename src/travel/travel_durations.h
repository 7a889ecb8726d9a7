#pragma once

#include <cstdint>
#include <string>

namespace velmora::travel {

// Whole units rounded half away from zero, as every travel figure is shown and booked.
std::int64_t roundedMinutes(double seconds);

// A short time in flight: "—", "<1 min", "45m", "3h 5m", "2d 0h".
std::string formatTransit(double seconds);
// A whole voyage in weeks, days and hours: "1w 2d 5h", "3d", "0h"; "—" for none.
std::string formatVoyage(double seconds);

} // namespace velmora::travel
