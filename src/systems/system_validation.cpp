#include "systems/system_validation.h"

#include "core/trade_classification.h"
#include "systems/system_texts.h"

#include <algorithm>
#include <cmath>

namespace velmora::systems {

namespace {

std::string rangeText(DigitRange range) {
    return std::to_string(range.minimum) + "–" + std::to_string(range.maximum);
}

std::string bodyKind(core::WorldType type) {
    if (core::isGasGiant(type))
        return "a gas giant";
    if (core::isBelt(type))
        return "a belt";
    if (core::isSatellite(type))
        return "a satellite";
    return "a planet";
}

void checkDigit(std::vector<EditIssue>& issues, const std::string& subject, const char* label,
                int value, DigitRange range, const std::string& why = {}) {
    if (range.contains(value))
        return;
    std::string message =
        std::string(label) + " " + std::to_string(value) + " is out of range (" + rangeText(range);
    if (!why.empty())
        message += " " + why;
    message += ").";
    issues.push_back({subject, message, true});
}

int clamped(int value, DigitRange range) {
    return std::clamp(value, range.minimum, range.maximum);
}

const core::WorldData* findWorld(const core::HexData& hex, const core::Uuid& id) {
    for (const core::Star& star : hex.starSystem.stars) {
        for (const core::WorldData& world : star.worlds) {
            if (world.id == id)
                return &world;
        }
    }
    return nullptr;
}

const core::Star* findStar(const core::HexData& hex, const core::Uuid& id) {
    for (const core::Star& star : hex.starSystem.stars) {
        if (star.id == id)
            return &star;
    }
    return nullptr;
}

bool isBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

} // namespace

DigitRange sizeRange(core::WorldType type) {
    return core::isGasGiant(type) ? gasGiantSizeRange : bodySizeRange;
}

bool isAllowedSize(core::WorldType type, int size) {
    return sizeRange(type).contains(size) || (!core::isGasGiant(type) && size == megastructureSize);
}

std::vector<EditIssue> checkWorld(const core::WorldData& world) {
    std::vector<EditIssue> issues;
    const std::string subject = worldDisplayName(world);
    const core::UWP& uwp = world.uwp;
    if (isBlank(world.name))
        issues.push_back({subject, "Every world needs a name.", false});
    if (!isAllowedSize(world.type, uwp.size))
        checkDigit(issues, subject, "Size", uwp.size, sizeRange(world.type),
                   "for " + bodyKind(world.type));
    checkDigit(issues, subject, "Atmosphere", uwp.atmosphere, atmosphereRange);
    // The seas a world can hold follow from its size and air; gas giants have no
    // surface to hold them.
    if (!core::isGasGiant(world.type) && isAllowedSize(world.type, uwp.size) &&
        atmosphereRange.contains(uwp.atmosphere)) {
        const core::HydrographicsRange possible =
            core::hydrographicsRange(uwp.size, uwp.atmosphere);
        checkDigit(issues, subject, "Hydrographics", uwp.hydrographics,
                   {possible.minimum, possible.maximum},
                   "for size " + std::to_string(uwp.size) + " and atmosphere " +
                       std::to_string(uwp.atmosphere));
    } else {
        checkDigit(issues, subject, "Hydrographics", uwp.hydrographics, {0, 10});
    }
    checkDigit(issues, subject, "Population", uwp.population, populationRange);
    checkDigit(issues, subject, "Population multiplier", uwp.populationMultiplier,
               populationMultiplierRange);
    checkDigit(issues, subject, "Government", uwp.government, governmentRange);
    checkDigit(issues, subject, "Law level", uwp.lawLevel, lawLevelRange);
    if (!(uwp.density > 0) || !std::isfinite(uwp.density))
        issues.push_back({subject, "Density must be above 0.", true});
    checkDigit(issues, subject, "Orbit offset from the habitable zone", world.hzOffset,
               hzOffsetRange);
    if (world.dayLength < 0)
        issues.push_back({subject, "Day length cannot be negative.", true});
    if (world.yearLength < 0)
        issues.push_back({subject, "Year length cannot be negative.", true});
    return issues;
}

std::vector<EditIssue> checkStar(const core::Star& star) {
    std::vector<EditIssue> issues;
    const std::string subject = star.name.empty() ? std::string("Unnamed star") : star.name;
    checkDigit(issues, subject, "Spectral subclass", star.temperature, starSubclassRange);
    if (!(star.mass > 0) || !std::isfinite(star.mass))
        issues.push_back({subject, "Mass must be above 0 solar masses.", true});
    return issues;
}

core::WorldData clampWorld(core::WorldData world) {
    core::UWP& uwp = world.uwp;
    if (!isAllowedSize(world.type, uwp.size))
        uwp.size = clamped(uwp.size, sizeRange(world.type));
    uwp.atmosphere = clamped(uwp.atmosphere, atmosphereRange);
    if (core::isGasGiant(world.type)) {
        uwp.hydrographics = clamped(uwp.hydrographics, {0, 10});
    } else {
        const core::HydrographicsRange possible =
            core::hydrographicsRange(uwp.size, uwp.atmosphere);
        uwp.hydrographics = clamped(uwp.hydrographics, {possible.minimum, possible.maximum});
    }
    uwp.population = clamped(uwp.population, populationRange);
    uwp.populationMultiplier = clamped(uwp.populationMultiplier, populationMultiplierRange);
    uwp.government = clamped(uwp.government, governmentRange);
    uwp.lawLevel = clamped(uwp.lawLevel, lawLevelRange);
    if (!(uwp.density > 0) || !std::isfinite(uwp.density))
        uwp.density = 1.0;
    world.hzOffset = clamped(world.hzOffset, hzOffsetRange);
    world.dayLength = std::max(0, world.dayLength);
    world.yearLength = std::max(0, world.yearLength);
    world.tradeClasses = core::rederiveTradeClasses(world);
    return world;
}

core::Star clampStar(core::Star star) {
    star.temperature = clamped(star.temperature, starSubclassRange);
    if (!(star.mass > 0) || !std::isfinite(star.mass))
        star.mass = 0.1;
    return star;
}

std::vector<EditIssue> checkSystemEdit(const core::HexData& original, const core::HexData& edited) {
    std::vector<EditIssue> issues;
    const core::StarSystem& system = edited.starSystem;
    if (system.name != original.starSystem.name && isBlank(system.name))
        issues.push_back({"System", "The system needs a name.", false});
    const core::GalacticCoordinates& c = edited.coordinates;
    checkDigit(issues, "System", "Column", c.column, {1, core::sectorColumns});
    checkDigit(issues, "System", "Row", c.row, {1, core::sectorRows});
    for (const core::Star& star : system.stars) {
        const core::Star* stored = findStar(original, star.id);
        if (!stored || stored->temperature != star.temperature || stored->mass != star.mass) {
            const auto found = checkStar(star);
            issues.insert(issues.end(), found.begin(), found.end());
        }
        for (const core::WorldData& world : star.worlds) {
            const core::WorldData* storedWorld = findWorld(original, world.id);
            if (storedWorld && *storedWorld == world)
                continue;
            auto found = checkWorld(world);
            // A stored world keeps the name it came with, even an empty one.
            if (storedWorld && storedWorld->name == world.name)
                std::erase_if(found, [](const EditIssue& issue) { return !issue.clampable; });
            issues.insert(issues.end(), found.begin(), found.end());
        }
    }
    return issues;
}

core::HexData clampSystemEdit(const core::HexData& original, core::HexData edited) {
    edited.coordinates.column = clamped(edited.coordinates.column, {1, core::sectorColumns});
    edited.coordinates.row = clamped(edited.coordinates.row, {1, core::sectorRows});
    for (core::Star& star : edited.starSystem.stars) {
        if (!checkStar(star).empty())
            star = clampStar(std::move(star));
        for (core::WorldData& world : star.worlds) {
            const core::WorldData* storedWorld = findWorld(original, world.id);
            if (storedWorld && *storedWorld == world)
                continue;
            if (!checkWorld(world).empty())
                world = clampWorld(std::move(world));
        }
    }
    return edited;
}

std::string issuesText(const std::vector<EditIssue>& issues) {
    std::string text;
    for (const EditIssue& issue : issues) {
        if (!text.empty())
            text += '\n';
        text += issue.text();
    }
    return text;
}

} // namespace velmora::systems
