#include "factions/faction_texts.h"

#include "core/raw_value_table.h"

#include <algorithm>

namespace velmora::factions {

using universe::AssetCategory;
using universe::FactionCategory;
using universe::FactionTag;

namespace {

constexpr auto categoryNameTable = core::makeRawValueTable<FactionCategory>(
    std::pair{FactionCategory::megacorporation, "Megacorporation"},
    std::pair{FactionCategory::race, "Race"}, std::pair{FactionCategory::group, "Group"},
    std::pair{FactionCategory::political, "Political"},
    std::pair{FactionCategory::religious, "Religious"}, std::pair{FactionCategory::other, "Other"});

constexpr auto assetCategoryNameTable = core::makeRawValueTable<AssetCategory>(
    std::pair{AssetCategory::cunning, "Cunning"}, std::pair{AssetCategory::force, "Force"},
    std::pair{AssetCategory::wealth, "Wealth"});

constexpr auto tagNameTable = core::makeRawValueTable<FactionTag>(
    std::pair{FactionTag::colonists, "Colonists"}, std::pair{FactionTag::deepRooted, "Deep Rooted"},
    std::pair{FactionTag::eugenicsCult, "Eugenics Cult"},
    std::pair{FactionTag::exchangeConsulate, "Exchange Consulate"},
    std::pair{FactionTag::fanatical, "Fanatical"},
    std::pair{FactionTag::imperialists, "Imperialists"},
    std::pair{FactionTag::machiavellian, "Machiavellian"},
    std::pair{FactionTag::perimeterAgency, "Perimeter Agency"},
    std::pair{FactionTag::pirates, "Pirates"},
    std::pair{FactionTag::planetaryGovernment, "Planetary Government"},
    std::pair{FactionTag::plutocratic, "Plutocratic"},
    std::pair{FactionTag::preceptorArchive, "Preceptor Archive"},
    std::pair{FactionTag::psychicAcademy, "Psychic Academy"},
    std::pair{FactionTag::savage, "Savage"}, std::pair{FactionTag::scavengers, "Scavengers"},
    std::pair{FactionTag::secretive, "Secretive"},
    std::pair{FactionTag::technicalExpertise, "Technical Expertise"},
    std::pair{FactionTag::theocratic, "Theocratic"}, std::pair{FactionTag::warlike, "Warlike"},
    std::pair{FactionTag::sathar, "Sathar"}, std::pair{FactionTag::starfarers, "Starfarers"},
    std::pair{FactionTag::humans, "Humans"}, std::pair{FactionTag::dralasites, "Dralasites"},
    std::pair{FactionTag::yazirians, "Yazirians"}, std::pair{FactionTag::vrusks, "Vrusks"});

} // namespace

std::string_view displayName(FactionCategory category) {
    return categoryNameTable.text(category);
}

std::string_view displayName(AssetCategory category) {
    return assetCategoryNameTable.text(category);
}

std::string_view displayName(FactionTag tag, bool travellerUniverse) {
    if (travellerUniverse) {
        if (tag == FactionTag::starfarers)
            return "Imperium";
        if (tag == FactionTag::sathar)
            return "Zhodani";
    }
    return tagNameTable.text(tag);
}

std::string factionDisplayName(const universe::Faction& faction) {
    return faction.name.empty() ? std::string("Unnamed Faction") : faction.name;
}

std::string factionDisplayName(std::span<const universe::Faction> factions, const core::Uuid& id) {
    const auto it = std::find_if(factions.begin(), factions.end(),
                                 [&id](const universe::Faction& f) { return f.id == id; });
    return it == factions.end() ? std::string("Unknown Faction") : factionDisplayName(*it);
}

} // namespace velmora::factions
