#include "travel/route_plan_json.h"

#include <charconv>
#include <nlohmann/json.hpp>

namespace velmora::travel {

namespace {

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::string hexArgumentText(const core::GalacticCoordinates& coordinates) {
    return std::to_string(coordinates.sectorX) + "," + std::to_string(coordinates.sectorY) + "," +
           coordinates.hexNumber();
}

std::optional<core::GalacticCoordinates> parseHexArgument(std::string_view text) {
    const auto first = text.find(',');
    const auto second = first == std::string_view::npos ? first : text.find(',', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    const std::string_view hex = text.substr(second + 1);
    if (hex.size() != 4)
        return std::nullopt;
    const auto sectorX = wholeNumber(text.substr(0, first));
    const auto sectorY = wholeNumber(text.substr(first + 1, second - first - 1));
    const auto column = wholeNumber(hex.substr(0, 2));
    const auto row = wholeNumber(hex.substr(2));
    if (!sectorX || !sectorY || !column || !row || *column < 1 || *column > core::sectorColumns ||
        *row < 1 || *row > core::sectorRows)
        return std::nullopt;
    return core::GalacticCoordinates{*sectorX, *sectorY, *column, *row};
}

nlohmann::json routePlanJson(const RoutePlan& plan) {
    nlohmann::json stops = nlohmann::json::array();
    for (const RouteStop& stop : plan.stops)
        stops.push_back({{"hex", hexArgumentText(stop.coordinates)},
                         {"systemName", stop.systemName},
                         {"fuelSource", rawValue(stop.fuelSource)},
                         {"refuelSeconds", stop.refuelSeconds},
                         {"fuelCostCredits", stop.fuelCostCredits},
                         {"processingSeconds", stop.processingSeconds}});
    nlohmann::json legs = nlohmann::json::array();
    for (const RouteLeg& leg : plan.legs)
        legs.push_back({{"from", hexArgumentText(leg.from)},
                        {"to", hexArgumentText(leg.to)},
                        {"distanceLY", leg.distanceLY},
                        {"jumpSeconds", leg.jumpSeconds},
                        {"departManeuverSeconds", leg.departManeuverSeconds},
                        {"arriveManeuverSeconds", leg.arriveManeuverSeconds}});
    nlohmann::json json = {{"stops", std::move(stops)},
                           {"legs", std::move(legs)},
                           {"totalJumps", plan.totalJumps},
                           {"totalDistanceLY", plan.totalDistanceLY},
                           {"totalSeconds", plan.totalSeconds},
                           {"jumpRating", plan.jumpRating},
                           {"canScoop", plan.canScoop},
                           {"thrustG", plan.thrustG},
                           {"totalFuelCostCredits", plan.totalFuelCostCredits},
                           {"upkeepPeriods", plan.upkeepPeriods},
                           {"upkeepCostCredits", plan.upkeepCostCredits}};
    if (plan.shipName)
        json["shipName"] = *plan.shipName;
    return json;
}

} // namespace velmora::travel
