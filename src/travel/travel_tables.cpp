#include "travel/travel_tables.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

namespace velmora::travel {

namespace {

constexpr std::string_view separator = " \u00b7 ";

std::string grouped(long long value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return value < 0 ? "-" + digits : digits;
}

std::string auText(double au) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, au < 10 ? "%.2f AU" : "%.1f AU", au);
    return buffer;
}

std::string bodyName(const core::WorldData& world) {
    return world.name.empty() ? "Unnamed world" : world.name;
}

std::string starName(const core::Star& star) {
    if (star.properName && !star.properName->empty())
        return *star.properName;
    return star.name.empty() ? "Unnamed star" : star.name;
}

std::string kind(const core::WorldData& world) {
    if (core::isGasGiant(world.type) || core::isBelt(world.type))
        return std::string(core::rawValue(world.type));
    return "Size " + std::to_string(world.uwp.size);
}

std::string subtitleOf(const core::WorldData& world) {
    std::string text = auText(orbitDistanceAU(world.sunOrbit));
    if (core::isSatelliteOrbit(world.satelliteOrbit))
        text +=
            std::string(separator) + "orbit " + std::string(core::rawValue(world.satelliteOrbit));
    text += std::string(separator) + kind(world);
    if (world.mainWorld)
        text += std::string(separator) + "Main world";
    return text;
}

void addBody(std::vector<TravelBodyChoice>& bodies, const core::Star& star,
             const core::WorldData& world, bool underPlanet) {
    const bool satellite = underPlanet || core::isSatelliteOrbit(world.satelliteOrbit);
    bodies.push_back({world.id, (satellite ? "\u21b3 " : "") + bodyName(world), subtitleOf(world),
                      TravelBody{&star, &world}});
    for (const core::WorldData& moon : world.satellites)
        addBody(bodies, star, moon, true);
}

} // namespace

void to_json(nlohmann::json& json, const InterplanetaryTravelTarget& target) {
    json = nlohmann::json{{"coordinates",
                           {{"sectorX", target.coordinates.sectorX},
                            {"sectorY", target.coordinates.sectorY},
                            {"column", target.coordinates.column},
                            {"row", target.coordinates.row}}}};
    if (target.fromWorldID)
        json["fromWorldID"] = target.fromWorldID->toString();
}

void from_json(const nlohmann::json& json, InterplanetaryTravelTarget& target) {
    target = {};
    if (const auto c = json.find("coordinates"); c != json.end() && c->is_object()) {
        target.coordinates.sectorX = c->value("sectorX", 0);
        target.coordinates.sectorY = c->value("sectorY", 0);
        target.coordinates.column = c->value("column", 0);
        target.coordinates.row = c->value("row", 0);
    }
    if (const auto id = json.find("fromWorldID"); id != json.end() && id->is_string())
        target.fromWorldID = core::Uuid::fromString(id->get<std::string>());
}

std::string travelWindowTitle(const std::string& locationText, bool interplanetary) {
    return "HEX " + locationText +
           (interplanetary ? " \u00b7 Interplanetary travel" : " \u00b7 Travel times");
}

std::vector<TravelBodyChoice> travelBodies(const core::HexData& hex) {
    std::vector<TravelBodyChoice> bodies;
    for (const core::Star& star : hex.starSystem.stars)
        for (const core::WorldData& world : star.worlds)
            addBody(bodies, star, world, false);
    return bodies;
}

const TravelBodyChoice* findBody(const std::vector<TravelBodyChoice>& bodies,
                                 const core::Uuid& id) {
    for (const TravelBodyChoice& body : bodies)
        if (body.id == id)
            return &body;
    return nullptr;
}

std::vector<TravelRow> jumpPointRows(const core::HexData& hex) {
    const auto& stars = hex.starSystem.stars;
    std::vector<TravelRow> rows;
    for (const core::Star& star : stars) {
        for (const core::WorldData& world : star.worlds) {
            if (!hasSurface(world))
                continue;
            const JumpClearance clearance = jumpClearance(world, star, stars);
            std::string subtitle = starName(star) + std::string(separator) + subtitleOf(world);
            if (clearance.governingStarID) {
                for (const core::Star& governor : stars)
                    if (governor.id == *clearance.governingStarID) {
                        subtitle += std::string(separator) + "clears " + starName(governor) +
                                    "\u2019s 100 D";
                        break;
                    }
            }
            rows.push_back({world.id, bodyName(world), subtitle, clearance.distanceKm});
        }
    }
    return rows;
}

std::string transitHeading(const TravelBodyChoice& from, const TravelBodyChoice& to) {
    const auto plain = [](const TravelBodyChoice& body) {
        return body.body.world ? bodyName(*body.body.world) : body.title;
    };
    return plain(from) + " \u2192 " + plain(to);
}

std::string distanceText(double km) {
    const double au = km / kilometresPerAU;
    if (au < 0.1)
        return "Distance " + grouped(std::llround(km)) + " km";
    return "Distance " + auText(au);
}

std::string_view addTravelTimeHelp(bool campaignSelected) {
    return campaignSelected ? "Add this travel time to the campaign's current date"
                            : "Select a campaign to add this travel time";
}

} // namespace velmora::travel
