#pragma once

#include "core/galactic_coordinates.h"
#include "core/raw_value_table.h"
#include "core/uuid.h"
#include "universe/faction_asset.h"
#include "universe/faction_color.h"
#include "universe/faction_note.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::universe {

// Declaration order is also the order of the faction groups in the sidebar.
enum class FactionCategory { megacorporation, race, group, political, religious, other };

enum class FactionTag {
    colonists,
    deepRooted,
    eugenicsCult,
    exchangeConsulate,
    fanatical,
    imperialists,
    machiavellian,
    perimeterAgency,
    pirates,
    planetaryGovernment,
    plutocratic,
    preceptorArchive,
    psychicAcademy,
    savage,
    scavengers,
    secretive,
    technicalExpertise,
    theocratic,
    warlike,
    sathar,
    starfarers,
    humans,
    dralasites,
    yazirians,
    vrusks,
};

inline constexpr auto factionCategoryTable = core::makeRawValueTable<FactionCategory>(
    std::pair{FactionCategory::megacorporation, "megacorporation"},
    std::pair{FactionCategory::race, "race"}, std::pair{FactionCategory::group, "group"},
    std::pair{FactionCategory::political, "political"},
    std::pair{FactionCategory::religious, "religious"}, std::pair{FactionCategory::other, "other"});

inline constexpr auto factionTagTable = core::makeRawValueTable<FactionTag>(
    std::pair{FactionTag::colonists, "colonists"}, std::pair{FactionTag::deepRooted, "deepRooted"},
    std::pair{FactionTag::eugenicsCult, "eugenicsCult"},
    std::pair{FactionTag::exchangeConsulate, "exchangeConsulate"},
    std::pair{FactionTag::fanatical, "fanatical"},
    std::pair{FactionTag::imperialists, "imperialists"},
    std::pair{FactionTag::machiavellian, "machiavellian"},
    std::pair{FactionTag::perimeterAgency, "perimeterAgency"},
    std::pair{FactionTag::pirates, "pirates"},
    std::pair{FactionTag::planetaryGovernment, "planetaryGovernment"},
    std::pair{FactionTag::plutocratic, "plutocratic"},
    std::pair{FactionTag::preceptorArchive, "preceptorArchive"},
    std::pair{FactionTag::psychicAcademy, "psychicAcademy"},
    std::pair{FactionTag::savage, "savage"}, std::pair{FactionTag::scavengers, "scavengers"},
    std::pair{FactionTag::secretive, "secretive"},
    std::pair{FactionTag::technicalExpertise, "technicalExpertise"},
    std::pair{FactionTag::theocratic, "theocratic"}, std::pair{FactionTag::warlike, "warlike"},
    std::pair{FactionTag::sathar, "sathar"}, std::pair{FactionTag::starfarers, "starfarers"},
    std::pair{FactionTag::humans, "humans"}, std::pair{FactionTag::dralasites, "dralasites"},
    std::pair{FactionTag::yazirians, "yazirians"}, std::pair{FactionTag::vrusks, "vrusks"});

constexpr std::string_view rawValue(FactionCategory category) {
    return factionCategoryTable.text(category);
}

constexpr std::string_view rawValue(FactionTag tag) {
    return factionTagTable.text(tag);
}

// One of the powers of a universe. Worlds and rutters refer to it by id.
// A new faction needs a fresh id (core::Uuid::generate()); the default is null
// so that reading a file draws no random numbers it would throw away.
struct Faction {
    core::Uuid id;
    std::string name;
    std::string shortName; // "short" in files: an abbreviation, such as an allegiance code
    core::GalacticCoordinates homeworld;
    FactionCategory category = FactionCategory::other;
    FactionColor color = FactionColor::black;
    std::string description;
    int hp = 0; // current hit points
    int force = 1;
    int cunning = 1;
    int wealth = 1;
    int credits = 0; // FacCreds
    int xp = 0;
    std::vector<FactionTag> tags;
    std::vector<FactionAsset> assets;
    std::vector<FactionNote> notes;

    friend bool operator==(const Faction&, const Faction&) = default;
};

} // namespace velmora::universe
