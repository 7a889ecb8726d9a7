#include "core/world_json.h"

#include "core/hex_data.h"
#include "core/json_support.h"
#include "core/star.h"
#include "core/star_system.h"
#include "core/trade_classification.h"
#include "core/uwp.h"
#include "core/world_data.h"

#include <string>
#include <utility>
#include <vector>

namespace velmora::core {

// A universe file holds tens of thousands of these records, so readers look each
// key up once and decode list elements in place, and writers fill the object
// directly instead of going through temporary initializer lists.

namespace {

Json::object_t& startObject(Json& json) {
    json = Json::object();
    return json.get_ref<Json::object_t&>();
}

template <typename T>
void readListInto(const Json& array, const char* key, std::vector<T>& out) {
    if (!array.is_array())
        throw DecodeError(std::string("\"") + key + "\" is not a list");
    out.clear();
    out.reserve(array.size());
    for (const Json& element : array)
        from_json(element, out.emplace_back());
}

template <typename T>
void readRequiredList(const Json& object, const char* key, std::vector<T>& out) {
    const auto it = object.find(key);
    if (it == object.end())
        throw DecodeError(std::string("Missing key \"") + key + "\"");
    readListInto(*it, key, out);
}

// A missing or null list reads as empty.
template <typename T>
void readOptionalList(const Json& object, const char* key, std::vector<T>& out) {
    const auto it = object.find(key);
    if (it == object.end() || it->is_null())
        out.clear();
    else
        readListInto(*it, key, out);
}

template <typename T>
Json listToJson(const std::vector<T>& values) {
    Json array = Json::array();
    auto& elements = array.get_ref<Json::array_t&>();
    elements.reserve(values.size());
    for (const T& value : values)
        to_json(elements.emplace_back(), value);
    return array;
}

bool flagIsSet(const Json& object, const char* key) {
    const auto it = object.find(key);
    return it != object.end() && it->is_boolean() && it->get<bool>();
}

// Unknown letters are skipped rather than failing the file: profiles imported from
// elsewhere carry base codes this program does not know.
void readBases(const Json& object, std::set<Base>& bases) {
    bases.clear();
    const auto it = object.find("bases");
    if (it != object.end() && !it->is_null()) {
        if (!it->is_array())
            throw DecodeError("\"bases\" is not a list");
        for (const Json& letter : *it) {
            if (!letter.is_string())
                continue;
            if (const auto base = baseFromRawValue(letter.get_ref<const std::string&>()))
                bases.insert(*base);
        }
        return;
    }
    // Older files kept two flags instead of the list.
    if (flagIsSet(object, "navalBase"))
        bases.insert(Base::imperialNavalBase);
    if (flagIsSet(object, "scoutBase"))
        bases.insert(Base::scoutBase);
}

// Newer files list the ids of the universe's factions. Older ones stored whole faction
// records inside the world; those ids become the world's factionIDs, and the records
// are kept as text for the universe to adopt when it migrates the file.
void readFactions(const Json& object, WorldData& world) {
    world.factionIDs.clear();
    world.legacyFactionsJson.clear();
    if (const auto ids = object.find("factionIDs"); ids != object.end() && !ids->is_null()) {
        readListInto(*ids, "factionIDs", world.factionIDs);
        return;
    }
    const auto factions = object.find("factions");
    if (factions == object.end() || factions->is_null())
        return;
    if (!factions->is_array())
        throw DecodeError("\"factions\" is not a list");
    world.factionIDs.reserve(factions->size());
    world.legacyFactionsJson.reserve(factions->size());
    for (const Json& faction : *factions) {
        readRequired(faction, "id", world.factionIDs.emplace_back());
        world.legacyFactionsJson.push_back(faction.dump());
    }
}

} // namespace

void to_json(Json& json, const UWP& uwp) {
    auto& object = startObject(json);
    object.emplace("starport", uwp.starport);
    object.emplace("size", uwp.size);
    object.emplace("density", uwp.density);
    object.emplace("atmosphere", uwp.atmosphere);
    object.emplace("hydrographics", uwp.hydrographics);
    object.emplace("population", uwp.population);
    object.emplace("government", uwp.government);
    object.emplace("lawLevel", uwp.lawLevel);
    object.emplace("techLevel", uwp.techLevel);
    Json bases = Json::array();
    for (const Base base : uwp.bases)
        bases.push_back(rawValue(base));
    object.emplace("bases", std::move(bases));
    object.emplace("populationMultiplier", uwp.populationMultiplier);
    object.emplace("tags", listToJson(uwp.tags));
}

void from_json(const Json& json, UWP& uwp) {
    readRequired(json, "starport", uwp.starport);
    readRequired(json, "size", uwp.size);
    uwp.density = valueOr(json, "density", 1.0);
    readRequired(json, "atmosphere", uwp.atmosphere);
    readRequired(json, "hydrographics", uwp.hydrographics);
    readRequired(json, "population", uwp.population);
    readRequired(json, "government", uwp.government);
    readRequired(json, "lawLevel", uwp.lawLevel);
    readRequired(json, "techLevel", uwp.techLevel);
    readBases(json, uwp.bases);
    uwp.populationMultiplier = valueOr(json, "populationMultiplier", 0);
    readOptionalList(json, "tags", uwp.tags);
}

void to_json(Json& json, const WorldData& world) {
    auto& object = startObject(json);
    object.emplace("id", world.id);
    object.emplace("name", world.name);
    object.emplace("mainWorld", world.mainWorld);
    object.emplace("type", world.type);
    object.emplace("sunOrbit", world.sunOrbit);
    object.emplace("satelliteOrbit", world.satelliteOrbit);
    object.emplace("satellites", listToJson(world.satellites));
    object.emplace("hzOffset", world.hzOffset);
    object.emplace("uwp", world.uwp);
    object.emplace("dayLength", world.dayLength);
    object.emplace("yearLength", world.yearLength);
    object.emplace("tideLocked", world.tideLocked);
    object.emplace("prevalentRace", world.prevalentRace);
    object.emplace("factionIDs", listToJson(world.factionIDs));
    object.emplace("worldTags", listToJson(world.worldTags));
    object.emplace("tradeClasses", listToJson(world.tradeClasses));
    object.emplace("notes", world.notes);
    object.emplace("image", world.image);
}

void from_json(const Json& json, WorldData& world) {
    readRequired(json, "id", world.id);
    readRequired(json, "name", world.name);
    readRequired(json, "mainWorld", world.mainWorld);
    readRequired(json, "type", world.type);
    readRequired(json, "sunOrbit", world.sunOrbit);
    readRequired(json, "satelliteOrbit", world.satelliteOrbit);
    readOptionalList(json, "satellites", world.satellites);
    readRequired(json, "hzOffset", world.hzOffset);
    readRequired(json, "uwp", world.uwp);
    readRequired(json, "dayLength", world.dayLength);
    world.yearLength = valueOr(json, "yearLength", 0);
    world.tideLocked = valueOr(json, "tideLocked", false);
    if (const auto race = json.find("prevalentRace"); race != json.end() && !race->is_null())
        from_json(*race, world.prevalentRace);
    else
        world.prevalentRace = Race(Race::Kind::human);
    readFactions(json, world);
    readRequiredList(json, "worldTags", world.worldTags);
    readRequired(json, "notes", world.notes);
    readRequired(json, "image", world.image);
    // Files from before worlds carried their classes get them derived, once the
    // orbits and the profile the climate depends on have been read.
    if (const auto classes = json.find("tradeClasses");
        classes != json.end() && !classes->is_null())
        readListInto(*classes, "tradeClasses", world.tradeClasses);
    else
        world.tradeClasses = deriveTradeClasses(world.uwp, worldClimate(world), world.tideLocked);
}

void to_json(Json& json, const Star& star) {
    auto& object = startObject(json);
    object.emplace("id", star.id);
    object.emplace("name", star.name);
    if (star.properName)
        object.emplace("properName", *star.properName);
    object.emplace("spectralType", star.spectralType);
    object.emplace("temperature", star.temperature);
    object.emplace("luminosity", star.luminosity);
    object.emplace("mass", star.mass);
    object.emplace("orbit", star.orbit);
    object.emplace("worlds", listToJson(star.worlds));
}

void from_json(const Json& json, Star& star) {
    readRequired(json, "id", star.id);
    readRequired(json, "name", star.name);
    if (const auto name = json.find("properName"); name != json.end() && !name->is_null())
        star.properName = name->get<std::string>();
    else
        star.properName.reset();
    readRequired(json, "spectralType", star.spectralType);
    readRequired(json, "temperature", star.temperature);
    readRequired(json, "luminosity", star.luminosity);
    readRequired(json, "mass", star.mass);
    readRequired(json, "orbit", star.orbit);
    readRequiredList(json, "worlds", star.worlds);
}

void to_json(Json& json, const StarSystem& system) {
    auto& object = startObject(json);
    object.emplace("id", system.id);
    object.emplace("name", system.name);
    object.emplace("stars", listToJson(system.stars));
    object.emplace("gasGiant", system.gasGiant);
    object.emplace("planetoidBelts", system.planetoidBelts);
    object.emplace("totalNumberOfWorlds", system.totalNumberOfWorlds);
    object.emplace("starfarers", system.starfarers);
    object.emplace("sathar", system.sathar);
    object.emplace("other", system.other);
    object.emplace("surveyed", system.surveyed);
}

void from_json(const Json& json, StarSystem& system) {
    readRequired(json, "id", system.id);
    readRequired(json, "name", system.name);
    readRequiredList(json, "stars", system.stars);
    readRequired(json, "gasGiant", system.gasGiant);
    readRequired(json, "planetoidBelts", system.planetoidBelts);
    readRequired(json, "totalNumberOfWorlds", system.totalNumberOfWorlds);
    readRequired(json, "starfarers", system.starfarers);
    readRequired(json, "sathar", system.sathar);
    readRequired(json, "other", system.other);
    system.surveyed = valueOr(json, "surveyed", false);
}

void to_json(Json& json, const HexData& hex) {
    auto& object = startObject(json);
    object.emplace("id", hex.id);
    object.emplace("coordinates", hex.coordinates);
    object.emplace("starSystem", hex.starSystem);
    object.emplace("notes", hex.notes);
}

void from_json(const Json& json, HexData& hex) {
    readRequired(json, "id", hex.id);
    readRequired(json, "coordinates", hex.coordinates);
    readRequired(json, "starSystem", hex.starSystem);
    readRequired(json, "notes", hex.notes);
}

} // namespace velmora::core
