#include "campaign/party_location.h"

#include "core/stellar.h"

#include <algorithm>
#include <cmath>

namespace velmora::campaign {

namespace {

std::string worldName(const core::WorldData& world) {
    return world.name.empty() ? std::string("Unnamed world") : world.name;
}

std::string orbitNumber(core::Orbits orbit) {
    return orbit == core::Orbits::starOrbitP ? std::string("P")
                                             : std::to_string(core::rawValue(orbit));
}

} // namespace

std::string starLabel(const core::Star& star, int index) {
    std::string label = index == 0 ? std::string("Primary") : "Companion " + std::to_string(index);
    const std::string& name =
        star.properName && !star.properName->empty() ? *star.properName : star.name;
    if (!name.empty())
        label += ": " + name;
    label += " (" + std::string(core::rawValue(star.spectralType)) +
             std::to_string(star.temperature) + " " + std::string(core::rawValue(star.luminosity)) +
             ")";
    return label;
}

std::vector<OrbitChoice> orbitChoices(const core::HexData& hex, int starIndex) {
    std::vector<OrbitChoice> choices;
    const auto& stars = hex.starSystem.stars;
    if (starIndex < 0 || starIndex >= static_cast<int>(stars.size()))
        return choices;
    for (const core::WorldData& world : stars[static_cast<std::size_t>(starIndex)].worlds) {
        const std::string orbit = "Orbit " + orbitNumber(world.sunOrbit);
        choices.push_back(
            {world.sunOrbit, core::PlanetOrbits::planetOrbit0, orbit + ": " + worldName(world)});
        for (const core::WorldData& satellite : world.satellites) {
            choices.push_back({world.sunOrbit, satellite.satelliteOrbit,
                               orbit + " / " +
                                   std::string(core::rawValue(satellite.satelliteOrbit)) + ": " +
                                   worldName(satellite)});
        }
    }
    return choices;
}

void setPartyHex(Campaign& campaign, const core::HexData& hex) {
    campaign.hex = hex;
    campaign.starIndex = 0;
    campaign.orbit.reset();
    campaign.planetOrbit.reset();
    const auto& stars = hex.starSystem.stars;
    for (std::size_t s = 0; s < stars.size(); ++s) {
        for (const core::WorldData& world : stars[s].worlds) {
            if (!world.mainWorld)
                continue;
            campaign.starIndex = static_cast<int>(s);
            campaign.orbit = world.sunOrbit;
            campaign.planetOrbit = core::PlanetOrbits::planetOrbit0;
            return;
        }
    }
}

void clearPartyHex(Campaign& campaign) {
    campaign.hex.reset();
    campaign.starIndex = 0;
    campaign.orbit.reset();
    campaign.planetOrbit.reset();
}

void setPartyStar(Campaign& campaign, int starIndex) {
    if (!campaign.hex || starIndex < 0 ||
        starIndex >= static_cast<int>(campaign.hex->starSystem.stars.size()) ||
        starIndex == campaign.starIndex)
        return;
    campaign.starIndex = starIndex;
    campaign.orbit.reset();
    campaign.planetOrbit.reset();
}

void setPartyOrbit(Campaign& campaign, std::optional<OrbitChoice> choice) {
    if (!choice) {
        campaign.orbit.reset();
        campaign.planetOrbit.reset();
        return;
    }
    campaign.orbit = choice->orbit;
    campaign.planetOrbit = choice->planetOrbit;
}

void setTravelState(Campaign& campaign, TravelState state) {
    campaign.travelState = state;
}

void setHoursToLocation(Campaign& campaign, double hours) {
    campaign.hoursToLocation = std::isfinite(hours) ? std::max(hours, 0.0) : 0.0;
}

std::string partyLocationText(const Campaign& campaign) {
    if (!campaign.hex)
        return "Nowhere yet";
    const std::string& name = campaign.hex->starSystem.name;
    const std::string hex = campaign.hex->coordinates.description();
    return name.empty() ? hex : name + " (" + hex + ")";
}

} // namespace velmora::campaign
