#pragma once

#include "core/code_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::core {

// clang-format off
enum class WorldTag {
    // Setting tags.
    abandonedColony, alienRuins, alteredHumanity, anarchists, anthropomorphs, area51,
    badlandsWorld, battleground, beastmasters, bubbleCities, cheapLife, civilWar,
    colonizedPopulation, culturalPower, cybercommunists, cyborgs, cyclicalDoom, desertWorld,
    doomedWorld, dyingRace, eugenicCult, exchangeConsulate, fallenHegemon, feralWorld,
    flyingCities, forbiddenTech, formerWarriors, freakWeather, friendlyFoe, goldRush, greatWork,
    hatred, heavyIndustry, heavyMining, hivemind, holyWar, hostileBiosphere, hostileSpace,
    immortals, localSpecialty, localTech, majorSpaceyard, mandarinate, mandateBase, maneaters,
    megacorps, mercenaries, minimalContact, misandryMisogyny, nightWorld, nomads, oceanicWorld,
    outOfContact, outpostWorld, perimeterAgency, pilgrimageSite, pleasureWorld, policeState,
    postScarcity, preceptorArchive, pretechCultists, primitiveAliens, prisonPlanet,
    psionicsAcademy, psionicsFear, psionicsWorship, quarantinedWorld, radioactiveWorld, refugees,
    regionalHegemon, restrictiveLaws, revanchists, revolutionaries, rigidCulture, risingHegemon,
    ritualCombat, robots, seagoingCities, sealedMenace, secretMasters, sectarians,
    seismicInstability, shackledWorld, societalDespair, soleSuplier, tabooTreasure,
    terraformFailure, theocracy, tombWorld, tradeHub, tyranny, unbrakedAI, urbanizedSurface,
    utopia, warlords, xenophobes, zombies,
    // The plague, and the travel zone of the world, which trade and travel read.
    plague, amberZone, redZone,
    // Frontier markers.
    slfSCC, satharSCC, satharBase, satharHW,
    // Further setting tags.
    lostWorld, ancientSite, sophontHomeworld, sophontMinority, sophontMajority, multispeciesWorld,
    clientState, puppetState, frontierWorld, contestedWorld, corporateEnclave, casteSociety,
    highport, tasFacility, refuellingStop, startown, freeport, ruinedWorld, derelictFleet,
    crashedStarship, hauntedWorld, ringSystem, twinWorld,
    // Government tags, whose raw values are the government names.
    gov0, gov1, gov2, gov3, gov4, gov5, gov6, gov7, gov8, gov9, gov10, gov11, gov12, gov13, gov14,
    gov15, reserved,
};
// clang-format on

// Raw values: the case name in lower case with hyphens between words, except the
// government tags, which carry the government's name.
inline constexpr auto worldTagTable = makeRawValueTable<WorldTag>(
    std::pair{WorldTag::abandonedColony, "abandoned-colony"},
    std::pair{WorldTag::alienRuins, "alien-ruins"},
    std::pair{WorldTag::alteredHumanity, "altered-humanity"},
    std::pair{WorldTag::anarchists, "anarchists"},
    std::pair{WorldTag::anthropomorphs, "anthropomorphs"}, std::pair{WorldTag::area51, "area-51"},
    std::pair{WorldTag::badlandsWorld, "badlands-world"},
    std::pair{WorldTag::battleground, "battleground"},
    std::pair{WorldTag::beastmasters, "beastmasters"},
    std::pair{WorldTag::bubbleCities, "bubble-cities"},
    std::pair{WorldTag::cheapLife, "cheap-life"}, std::pair{WorldTag::civilWar, "civil-war"},
    std::pair{WorldTag::colonizedPopulation, "colonized-population"},
    std::pair{WorldTag::culturalPower, "cultural-power"},
    std::pair{WorldTag::cybercommunists, "cybercommunists"},
    std::pair{WorldTag::cyborgs, "cyborgs"}, std::pair{WorldTag::cyclicalDoom, "cyclical-doom"},
    std::pair{WorldTag::desertWorld, "desert-world"},
    std::pair{WorldTag::doomedWorld, "doomed-world"}, std::pair{WorldTag::dyingRace, "dying-race"},
    std::pair{WorldTag::eugenicCult, "eugenic-cult"},
    std::pair{WorldTag::exchangeConsulate, "exchange-consulate"},
    std::pair{WorldTag::fallenHegemon, "fallen-hegemon"},
    std::pair{WorldTag::feralWorld, "feral-world"},
    std::pair{WorldTag::flyingCities, "flying-cities"},
    std::pair{WorldTag::forbiddenTech, "forbidden-tech"},
    std::pair{WorldTag::formerWarriors, "former-warriors"},
    std::pair{WorldTag::freakWeather, "freak-weather"},
    std::pair{WorldTag::friendlyFoe, "friendly-foe"}, std::pair{WorldTag::goldRush, "gold-rush"},
    std::pair{WorldTag::greatWork, "great-work"}, std::pair{WorldTag::hatred, "hatred"},
    std::pair{WorldTag::heavyIndustry, "heavy-industry"},
    std::pair{WorldTag::heavyMining, "heavy-mining"}, std::pair{WorldTag::hivemind, "hivemind"},
    std::pair{WorldTag::holyWar, "holy-war"},
    std::pair{WorldTag::hostileBiosphere, "hostile-biosphere"},
    std::pair{WorldTag::hostileSpace, "hostile-space"}, std::pair{WorldTag::immortals, "immortals"},
    std::pair{WorldTag::localSpecialty, "local-specialty"},
    std::pair{WorldTag::localTech, "local-tech"},
    std::pair{WorldTag::majorSpaceyard, "major-spaceyard"},
    std::pair{WorldTag::mandarinate, "mandarinate"},
    std::pair{WorldTag::mandateBase, "mandate-base"}, std::pair{WorldTag::maneaters, "maneaters"},
    std::pair{WorldTag::megacorps, "megacorps"}, std::pair{WorldTag::mercenaries, "mercenaries"},
    std::pair{WorldTag::minimalContact, "minimal-contact"},
    std::pair{WorldTag::misandryMisogyny, "misandry-misogyny"},
    std::pair{WorldTag::nightWorld, "night-world"}, std::pair{WorldTag::nomads, "nomads"},
    std::pair{WorldTag::oceanicWorld, "oceanic-world"},
    std::pair{WorldTag::outOfContact, "out-of-contact"},
    std::pair{WorldTag::outpostWorld, "outpost-world"},
    std::pair{WorldTag::perimeterAgency, "perimeter-agency"},
    std::pair{WorldTag::pilgrimageSite, "pilgrimage-site"},
    std::pair{WorldTag::pleasureWorld, "pleasure-world"},
    std::pair{WorldTag::policeState, "police-state"},
    std::pair{WorldTag::postScarcity, "post-scarcity"},
    std::pair{WorldTag::preceptorArchive, "preceptor-archive"},
    std::pair{WorldTag::pretechCultists, "pretech-cultists"},
    std::pair{WorldTag::primitiveAliens, "primitive-aliens"},
    std::pair{WorldTag::prisonPlanet, "prison-planet"},
    std::pair{WorldTag::psionicsAcademy, "psionics-academy"},
    std::pair{WorldTag::psionicsFear, "psionics-fear"},
    std::pair{WorldTag::psionicsWorship, "psionics-worship"},
    std::pair{WorldTag::quarantinedWorld, "quarantined-world"},
    std::pair{WorldTag::radioactiveWorld, "radioactive-world"},
    std::pair{WorldTag::refugees, "refugees"},
    std::pair{WorldTag::regionalHegemon, "regional-hegemon"},
    std::pair{WorldTag::restrictiveLaws, "restrictive-laws"},
    std::pair{WorldTag::revanchists, "revanchists"},
    std::pair{WorldTag::revolutionaries, "revolutionaries"},
    std::pair{WorldTag::rigidCulture, "rigid-culture"},
    std::pair{WorldTag::risingHegemon, "rising-hegemon"},
    std::pair{WorldTag::ritualCombat, "ritual-combat"}, std::pair{WorldTag::robots, "robots"},
    std::pair{WorldTag::seagoingCities, "seagoing-cities"},
    std::pair{WorldTag::sealedMenace, "sealed-menace"},
    std::pair{WorldTag::secretMasters, "secret-masters"},
    std::pair{WorldTag::sectarians, "sectarians"},
    std::pair{WorldTag::seismicInstability, "seismic-instability"},
    std::pair{WorldTag::shackledWorld, "shackled-world"},
    std::pair{WorldTag::societalDespair, "societal-despair"},
    std::pair{WorldTag::soleSuplier, "sole-supplier"},
    std::pair{WorldTag::tabooTreasure, "taboo-treasure"},
    std::pair{WorldTag::terraformFailure, "terraform-failure"},
    std::pair{WorldTag::theocracy, "theocracy"}, std::pair{WorldTag::tombWorld, "tomb-world"},
    std::pair{WorldTag::tradeHub, "trade-hub"}, std::pair{WorldTag::tyranny, "tyranny"},
    std::pair{WorldTag::unbrakedAI, "unbraked-ai"},
    std::pair{WorldTag::urbanizedSurface, "urbanized-surface"},
    std::pair{WorldTag::utopia, "utopia"}, std::pair{WorldTag::warlords, "warlords"},
    std::pair{WorldTag::xenophobes, "xenophobes"}, std::pair{WorldTag::zombies, "zombies"},
    std::pair{WorldTag::plague, "plague"}, std::pair{WorldTag::amberZone, "amber-zone"},
    std::pair{WorldTag::redZone, "red-zone"}, std::pair{WorldTag::slfSCC, "slf-scc"},
    std::pair{WorldTag::satharSCC, "sathar-scc"}, std::pair{WorldTag::satharBase, "sathar-base"},
    std::pair{WorldTag::satharHW, "sathar-homeworld"}, std::pair{WorldTag::lostWorld, "lost-world"},
    std::pair{WorldTag::ancientSite, "ancient-site"},
    std::pair{WorldTag::sophontHomeworld, "sophont-homeworld"},
    std::pair{WorldTag::sophontMinority, "sophont-minority"},
    std::pair{WorldTag::sophontMajority, "sophont-majority"},
    std::pair{WorldTag::multispeciesWorld, "multispecies-world"},
    std::pair{WorldTag::clientState, "client-state"},
    std::pair{WorldTag::puppetState, "puppet-state"},
    std::pair{WorldTag::frontierWorld, "frontier-world"},
    std::pair{WorldTag::contestedWorld, "contested-world"},
    std::pair{WorldTag::corporateEnclave, "corporate-enclave"},
    std::pair{WorldTag::casteSociety, "caste-society"}, std::pair{WorldTag::highport, "highport"},
    std::pair{WorldTag::tasFacility, "tas-facility"},
    std::pair{WorldTag::refuellingStop, "refuelling-stop"},
    std::pair{WorldTag::startown, "startown"}, std::pair{WorldTag::freeport, "free-port"},
    std::pair{WorldTag::ruinedWorld, "ruined-world"},
    std::pair{WorldTag::derelictFleet, "derelict-fleet"},
    std::pair{WorldTag::crashedStarship, "crashed-starship"},
    std::pair{WorldTag::hauntedWorld, "haunted-world"},
    std::pair{WorldTag::ringSystem, "ring-system"}, std::pair{WorldTag::twinWorld, "twin-world"},
    std::pair{WorldTag::gov0, "No Government"},
    std::pair{WorldTag::gov1, "Governed by corporation"},
    std::pair{WorldTag::gov2, "Participating democracy"},
    std::pair{WorldTag::gov3, "Self-Perpetuating Oligarchy"},
    std::pair{WorldTag::gov4, "Representative Democracy"},
    std::pair{WorldTag::gov5, "Feudal Technocracy"},
    std::pair{WorldTag::gov6, "Captive Government/Colony"},
    std::pair{WorldTag::gov7, "Balkanization"},
    std::pair{WorldTag::gov8, "Civil Service Bureaucracy"},
    std::pair{WorldTag::gov9, "Impersonal Bureaucracy"},
    std::pair{WorldTag::gov10, "Charismatic Dictatorship"},
    std::pair{WorldTag::gov11, "Non-Charismatic Dictatorship"},
    std::pair{WorldTag::gov12, "Charismatic Oligarchy"},
    std::pair{WorldTag::gov13, "Religious Dictatorship"},
    std::pair{WorldTag::gov14, "Religious Autocracy"},
    std::pair{WorldTag::gov15, "Totalitarian Oligarchy"},
    std::pair{WorldTag::reserved, "Reserved"});

static_assert(worldTagTable.size() == 144);
static_assert(isInCaseOrder(worldTagTable) && hasDistinctTexts(worldTagTable));

constexpr std::string_view rawValue(WorldTag tag) {
    return textAt(worldTagTable, tag);
}

// Accepts every raw value and the older spelling "refueling-stop".
std::optional<WorldTag> worldTagFromRawValue(std::string_view text);

// The tag as the referee reads it: "amber-zone" reads "Amber Zone", "unbraked-ai"
// "Unbraked AI"; government tags are their government's name.
std::string worldTagDisplayName(WorldTag tag);

// Tags sort by their raw values compared without regard to case.
bool worldTagLess(WorldTag a, WorldTag b);
void sortWorldTags(std::vector<WorldTag>& tags);

// The groups a referee picks tags from. The raw value is the integer.
enum class WorldTagCategory {
    environment,
    society,
    powerConflict,
    people,
    economyTech,
    mystery,
    zone,
    government,
};

constexpr int rawValue(WorldTagCategory category) {
    return static_cast<int>(category);
}

constexpr std::optional<WorldTagCategory> worldTagCategoryFromRawValue(int value) {
    if (value < rawValue(WorldTagCategory::environment) ||
        value > rawValue(WorldTagCategory::government))
        return std::nullopt;
    return static_cast<WorldTagCategory>(value);
}

// The categories the tag picker offers: all but the government one.
inline constexpr WorldTagCategory selectableWorldTagCategories[] = {
    WorldTagCategory::environment, WorldTagCategory::society,     WorldTagCategory::powerConflict,
    WorldTagCategory::people,      WorldTagCategory::economyTech, WorldTagCategory::mystery,
    WorldTagCategory::zone,
};

} // namespace velmora::core
