#include "core/profile_texts.h"

#include <array>
#include <cstddef>

namespace velmora::core {

namespace {

constexpr std::string_view undefined = "Undefined";

template <std::size_t Count>
std::string_view lookup(const std::array<std::string_view, Count>& table, int value) {
    if (value < 0 || static_cast<std::size_t>(value) >= Count)
        return undefined;
    return table[static_cast<std::size_t>(value)];
}

constexpr std::array<std::string_view, 17> sizes{
    "800 km (Asteroid)", "1,600 km (Pluto)", "3,200 km (Moon)", "4,800 km (Mercury)",
    "6,400 km (Mars)",   "8,000 km",         "9,600 km",        "11,200 km",
    "12,800 km (Earth)", "14,400 km",        "16,000 km",       "17,600 km",
    "19,200 km",         "20,800 km",        "22,400 km",       "24,000 km",
    "25,600 km",
};

// The size digit of an artificial world.
constexpr int megastructureSize = 35;

constexpr std::array<std::string_view, 16> atmospheres{
    "Vacuum (S3)",
    "Trace (S3)",
    "Very Thin, Tainted (P1, S2)",
    "Very Thin (S2)",
    "Thin, Tainted (P1, S1)",
    "Thin (S1)",
    "Standard",
    "Standard, Tainted (P1)",
    "Dense",
    "Dense, Tainted (P1)",
    "Exotic (P1)",
    "Corrosive (C1, P1)",
    "Insiduous (C2, P1)",
    "Dense High (varies)",
    "Thin Low (varies)",
    "Unusual (varies)",
};

constexpr std::array<std::string_view, 11> hydrographics{
    "Desert world (0%-5%)",       "Dry world (6%-15%)",
    "A few small seas (16%-25%)", "Small seas and oceans (26%-35%)",
    "Wet world (36%-45%)",        "Large oceans (46%-55%)",
    "Large oceans (56%-65%)",     "Earth-like world (66%-75%)",
    "Water world (76%-85%)",      "Few small islands (86%-95%)",
    "Water world (96%-100%)",
};

constexpr std::array<std::string_view, 16> populations{
    "None",
    "Tens",
    "Hundreds",
    "Thousands",
    "Tens of thousands",
    "Hundred of thousands",
    "Millions",
    "Tens of millions",
    "Hundreds of millions",
    "Billions",
    "Tens of billions",
    "Hundreds of billions",
    "Trillions",
    "Tens of trillions",
    "Hundreds of trillions",
    "Quadrillions",
};

constexpr std::array<std::string_view, 16> governments{
    "No Government Structure",   "Company/Corporation",
    "Participating Democracy",   "Self-Perpetuating Oligarchy",
    "Representative Democracy",  "Feudal Technocracy",
    "Captive Government/Colony", "Balkanization",
    "Civil Service Bureaucracy", "Impersonal Bureaucracy",
    "Charismatic Dictatorship",  "Non-Charismatic Dictatorship",
    "Charismatic Oligarchy",     "Religious Dictatorship",
    "Religious Autocracy",       "Totalitarian Oligarchy",
};

constexpr std::array<std::string_view, 16> governmentDescriptions{
    "No Government Structure. Families, clans and neighbours settle their own affairs, and "
    "nobody speaks for the world as a whole.",
    "Company/Corporation. A company owns the world and runs it for profit, and most of the "
    "population are its employees or their dependants.",
    "Participating Democracy. Every citizen may vote directly on matters of law and policy, "
    "usually through open assemblies or referenda.",
    "Self-Perpetuating Oligarchy. A ruling minority with little regard for the governed passes "
    "power among its own members.",
    "Representative Democracy. Citizens elect representatives who make the laws and run the "
    "government on their behalf.",
    "Feudal Technocracy. Power rests on specialised skills, and each guild or lord trades "
    "services to the others in return for loyalty.",
    "Captive Government/Colony. The world is ruled from outside, as a colony, a conquered "
    "territory or a protectorate of another power.",
    "Balkanization. Several rival states share the world and no single government holds "
    "authority over all of it.",
    "Civil Service Bureaucracy. Agencies of appointed officials, chosen for their expertise, "
    "govern through regulation and procedure.",
    "Impersonal Bureaucracy. Entrenched agencies answer to no one but themselves and treat "
    "citizens as cases to be processed.",
    "Charismatic Dictatorship. A single leader rules by the devotion of the people and "
    "commands far more than the law grants.",
    "Non-Charismatic Dictatorship. A leader or faction holds power through the state's "
    "machinery and the threat of force rather than popular support.",
    "Charismatic Oligarchy. A small, admired group of leaders governs with the willing "
    "consent of most of the population.",
    "Religious Dictatorship. A religious authority rules absolutely, and the faith's "
    "doctrine is the law of the land.",
    "Religious Autocracy. A single ruler governs by divine right, backed by the church and "
    "its teachings.",
    "Totalitarian Oligarchy. A small elite controls every part of public and private life, "
    "enforcing its will through surveillance and fear.",
};

constexpr std::array<std::string_view, 19> lawLevels{
    "No Law. No prohibitions.",
    "Low Law. Prohibition of WMD, Psi weapons.",
    "Low Law. Prohibition of \u201CPortable\u201D Weapons.",
    "Low Law. Prohibition of Acid, Fire, Gas.",
    "Moderate Law. Prohibition of Laser, Beam.",
    "Moderate Law. No Shock, EMP, Rad, Mag, Grav.",
    "Moderate Law. Prohibition of MachineGuns.",
    "Moderate Law. Prohibition of Pistols.",
    "High Law. Open display of weapons prohibited.",
    "High Law. No weapons outside the home.",
    "Extreme Law. All weapons prohibited.",
    "Extreme Law. Continental passports required.",
    "Extreme Law. Unrestricted invasion of privacy.",
    "Extreme Law. Paramilitary law enforcement.",
    "Extreme Law. Full-fledged police state.",
    "Extreme Law. Daily life rigidly controlled.",
    "Extreme Law. Disproportionate punishment.",
    "Extreme Law. Legalized oppressive practices.",
    "Extreme Law. Routine oppression.",
};

} // namespace

std::string_view sizeText(int size) {
    if (size == megastructureSize)
        return "Megastructure";
    return lookup(sizes, size);
}

std::string_view atmosphereText(int atmosphere) {
    return lookup(atmospheres, atmosphere);
}

std::string_view hydrographicsText(int value) {
    return lookup(hydrographics, value);
}

std::string_view populationText(int population) {
    return lookup(populations, population);
}

std::string_view governmentText(int government) {
    return lookup(governments, government);
}

std::string_view governmentDescription(int government) {
    return lookup(governmentDescriptions, government);
}

std::string_view lawLevelText(int lawLevel) {
    if (lawLevel >= static_cast<int>(lawLevels.size()))
        return "Extreme";
    return lookup(lawLevels, lawLevel);
}

} // namespace velmora::core
