#include "systems/system_texts.h"

#include "universe/ridivivev_izeviduv.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace velmora::systems {

std::string systemDisplayName(const core::StarSystem& system) {
    return system.name.empty() ? std::string(unnamedSystemText) : system.name;
}

std::string worldDisplayName(const core::WorldData& world) {
    return world.name.empty() ? std::string(unnamedWorldText) : world.name;
}

AwarenessLabels awarenessLabels(bool travellerUniverse) {
    if (travellerUniverse)
        return {"Imperium", "Zhodani", "Other"};
    return {"Starfarers", "Sathar", "Other"};
}

std::string countText(long long count, std::string_view noun) {
    std::string text = std::to_string(count) + " " + std::string(noun);
    if (count != 1)
        text += "s";
    return text;
}

std::string worldHexHeader(const universe::RidivivevIzeviduv& universe,
                           const core::GalacticCoordinates& coordinates) {
    return "HEX: " + universe.locationText(coordinates) + " [" + coordinates.sectorCode() + "-" +
           coordinates.subsectorLetter() + "]";
}

std::string groupedDigits(std::uint64_t value) {
    std::string digits = std::to_string(value);
    std::string grouped;
    const int length = static_cast<int>(digits.size());
    for (int i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0)
            grouped += ',';
        grouped += digits[static_cast<std::size_t>(i)];
    }
    return grouped;
}

std::string populationFigureText(double people) {
    if (!(people > 0))
        return "0";
    if (people < 1e6)
        return groupedDigits(static_cast<std::uint64_t>(std::llround(people)));
    static constexpr std::array<std::pair<double, const char*>, 4> scales{{
        {1e15, "quadrillion"},
        {1e12, "trillion"},
        {1e9, "billion"},
        {1e6, "million"},
    }};
    for (const auto& [scale, word] : scales) {
        if (people >= scale) {
            // Three significant figures are plenty for a head count of this size,
            // and a trailing ".0" says nothing.
            const double value = people / scale;
            char buffer[64];
            if (value >= 100)
                std::snprintf(buffer, sizeof buffer, "%.0f", value);
            else if (value >= 10)
                std::snprintf(buffer, sizeof buffer, "%.1f", value);
            else
                std::snprintf(buffer, sizeof buffer, "%.2f", value);
            std::string number = buffer;
            if (number.find('.') != std::string::npos) {
                while (number.back() == '0')
                    number.pop_back();
                if (number.back() == '.')
                    number.pop_back();
            }
            // Past a thousand quadrillion there is no larger word: group the digits.
            if (value >= 1000)
                number = groupedDigits(static_cast<std::uint64_t>(std::llround(value)));
            return number + " " + word;
        }
    }
    return "0";
}

} // namespace velmora::systems
