#include "sector_io/imported_world.h"

#include "core/trade_classification.h"
#include "generator/secure_random_pool.h"
#include "generator/star_generation.h"
#include "generator/star_tables.h"
#include "generator/system_filler.h"
#include "sector_io/sec_text.h"
#include "sector_io/sophonts.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace velmora::sector_io {

namespace {

std::vector<std::string_view> spaceSeparated(std::string_view text) {
    std::vector<std::string_view> pieces;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && text[at] == ' ')
            ++at;
        const std::size_t start = at;
        while (at < text.size() && text[at] != ' ')
            ++at;
        if (at > start)
            pieces.push_back(text.substr(start, at - start));
    }
    return pieces;
}

// A digit or capital letter as an extended-hex digit; anything else 0.
int digitValue(char c) {
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')))
        return 0;
    return core::ehexValue(c).value_or(0);
}

int digitAt(std::string_view text, std::size_t index) {
    return index < text.size() ? digitValue(text[index]) : 0;
}

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || at != end)
        return std::nullopt;
    return value;
}

std::string joined(const std::vector<std::string_view>& pieces) {
    std::string text;
    for (const std::string_view piece : pieces) {
        if (!text.empty())
            text += ' ';
        text += piece;
    }
    return text;
}

} // namespace

std::optional<core::UWP> parseSecUwp(std::string_view text) {
    if (text.size() < 7)
        return std::nullopt;
    core::UWP uwp;
    uwp.starport = core::starportFromLetter(text[0]).value_or(core::Starport::typeX);
    uwp.size = digitValue(text[1]);
    uwp.atmosphere = digitValue(text[2]);
    uwp.hydrographics = digitValue(text[3]);
    uwp.population = digitValue(text[4]);
    uwp.government = digitValue(text[5]);
    uwp.lawLevel = digitValue(text[6]);
    uwp.density = 1.0;
    const auto dash = text.rfind('-');
    const std::string_view last = dash == std::string_view::npos ? text : text.substr(dash + 1);
    uwp.techLevel = last.empty() ? core::TechnologyLevel::ttl0
                                 : core::travellerTechLevel(std::clamp(digitValue(last[0]), 0, 22));
    return uwp;
}

std::vector<core::Star> starsFromText(std::string_view text, core::RandomSource& random) {
    std::vector<core::Star> stars;
    const auto pieces = spaceSeparated(text);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::string_view token = pieces[i];
        if (token == "BD" || token == "BH" || token == "NS" || token == "PSR")
            continue;
        core::Star star;
        if (token == "D") {
            star.spectralType = core::SpectralType::K;
            star.temperature = 0;
            star.luminosity = core::LuminosityClass::D;
        } else {
            const auto type = core::spectralTypeFromRawValue(token.substr(0, 1));
            if (!type)
                continue;
            star.spectralType = *type;
            star.temperature = wholeNumber(token.substr(1)).value_or(0);
            star.luminosity = core::LuminosityClass::V;
            if (i + 1 < pieces.size()) {
                if (const auto luminosity = core::luminosityClassFromRawValue(pieces[i + 1])) {
                    star.luminosity = *luminosity;
                    ++i;
                }
            }
        }
        // A white dwarf weighs 0.6-1.1 whatever its type; the others their type's range.
        star.mass = generator::uniformMass(
            generator::starMassRange(star.spectralType, star.luminosity), random);
        stars.push_back(std::move(star));
    }
    if (stars.empty()) {
        core::Star star;
        star.spectralType = core::SpectralType::G;
        star.temperature = 2;
        star.luminosity = core::LuminosityClass::V;
        star.mass = generator::uniformMass({0.8, 1.04}, random);
        stars.push_back(std::move(star));
    }

    static constexpr std::string_view letters = "ABCD";
    const int habitable = generator::hzOrbit(stars.front().spectralType, stars.front().luminosity);
    std::vector<int> taken{0};
    for (std::size_t i = 0; i < stars.size(); ++i) {
        core::Star& star = stars[i];
        star.id = core::Uuid::generate();
        star.name = i < letters.size() ? std::string(1, letters[i]) : std::to_string(i + 1);
        if (i == 0) {
            star.orbit = core::Orbits::starOrbit0;
            continue;
        }
        std::vector<int> free;
        for (int orbit = 1; orbit <= core::lastOrbitNumber; ++orbit) {
            if (orbit != habitable && std::find(taken.begin(), taken.end(), orbit) == taken.end())
                free.push_back(orbit);
        }
        if (free.empty()) {
            // More companions than orbits: the rest cannot be placed.
            stars.resize(i);
            break;
        }
        const int orbit = free[core::randomBelow(random, free.size())];
        taken.push_back(orbit);
        star.orbit = static_cast<core::Orbits>(orbit);
    }
    return stars;
}

std::string starsText(const std::vector<core::Star>& stars) {
    std::string text;
    for (const core::Star& star : stars) {
        if (!text.empty())
            text += ' ';
        if (star.luminosity == core::LuminosityClass::D) {
            text += 'D';
            continue;
        }
        text += core::rawValue(star.spectralType);
        text += std::to_string(star.temperature);
        text += ' ';
        text += core::rawValue(star.luminosity);
    }
    return text;
}

int importedYearLength(int orbitNumber) {
    return generator::yearLengthHours(orbitNumber, 1.0);
}

std::optional<ImportedWorld> importedWorld(const SecRow& row, int sectorX, int sectorY,
                                           const AllegianceTable& allegiances,
                                           core::RandomSource& random) {
    const std::string_view hex = rowValue(row, {"Hex"});
    if (hex.size() != 4 || !isTwoDigitNumber(hex.substr(0, 2)) ||
        !isTwoDigitNumber(hex.substr(2, 2)))
        return std::nullopt;
    const int column = (hex[0] - '0') * 10 + (hex[1] - '0');
    const int rowNumber = (hex[2] - '0') * 10 + (hex[3] - '0');
    // A hex outside the sector's 32 columns and 40 rows would land in a neighbour.
    if (column < 1 || column > core::sectorColumns || rowNumber < 1 || rowNumber > core::sectorRows)
        return std::nullopt;
    auto uwp = parseSecUwp(rowValue(row, {"UWP"}));
    if (!uwp)
        return std::nullopt;

    const std::string name(rowValue(row, {"Name"}));
    const std::string_view basesText = rowValue(row, {"Bases", "B"});
    const std::string_view remarks = rowValue(row, {"Remarks"});
    const std::string_view zone = rowValue(row, {"Zone", "Z"});
    const std::string_view pbg = rowValue(row, {"PBG"});
    const std::string allegiance(rowValue(row, {"Allegiance", "A"}));

    std::string otherBases;
    for (const char c : basesText) {
        if (const auto base = core::baseFromLetter(c))
            uwp->bases.insert(*base);
        else if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            otherBases += c;
    }
    uwp->populationMultiplier = digitAt(pbg, 0);
    int belts = digitAt(pbg, 1);
    const int gasGiants = digitAt(pbg, 2);
    if (uwp->size == 0)
        belts = std::max(belts - 1, 0);

    std::vector<core::Star> stars = starsFromText(rowValue(row, {"Stars", "Stellar"}), random);
    const core::Star& primary = stars.front();

    core::WorldData world;
    world.id = core::Uuid::generate();
    world.name = name;
    world.mainWorld = true;
    world.type = uwp->size == 0 ? core::WorldType::asteroidBelt : core::WorldType::planet;
    const int orbit = generator::hzOrbit(primary.spectralType, primary.luminosity);
    world.sunOrbit = static_cast<core::Orbits>(orbit);
    world.satelliteOrbit = core::PlanetOrbits::planetOrbit0;
    world.hzOffset = 0;
    world.uwp = *uwp;
    world.dayLength = 24;
    world.yearLength = importedYearLength(orbit);
    world.tideLocked = false;

    const auto remarkTokens = spaceSeparated(remarks);
    std::vector<std::string_view> otherRemarks;
    for (const std::string_view token : remarkTokens) {
        std::optional<core::TradeClass> tradeClass = core::tradeClassFromCode(token);
        if (!tradeClass) {
            otherRemarks.push_back(token);
            // Research stations are listed by their letter: "RsA", "RsG".
            if (token.size() >= 3 && token.starts_with("Rs"))
                tradeClass = core::TradeClass::researchStation;
        }
        if (tradeClass && std::find(world.tradeClasses.begin(), world.tradeClasses.end(),
                                    *tradeClass) == world.tradeClasses.end())
            world.tradeClasses.push_back(*tradeClass);
    }
    if (world.tradeClasses.empty()) {
        const int climate = orbit <= 1 ? core::climate::twilightZone : core::climate::temperate;
        world.tradeClasses = core::deriveTradeClasses(world.uwp, climate, false);
    }
    if (zone == "A" || zone == "a")
        world.worldTags.push_back(core::WorldTag::amberZone);
    else if (zone == "R" || zone == "r")
        world.worldTags.push_back(core::WorldTag::redZone);
    world.prevalentRace = prevalentRace(remarkTokens, allegiance);

    std::vector<std::string> notes;
    if (!otherRemarks.empty())
        notes.push_back(joined(otherRemarks));
    if (!otherBases.empty())
        notes.push_back(std::string(otherBasesLabel) + otherBases);
    for (const ImportedNoteColumn& extra : importedNoteColumns) {
        if (const std::string_view value = rowValue(row, {extra.column, extra.shortColumn});
            !value.empty())
            notes.push_back(std::string(extra.label) + ": " + std::string(value));
    }
    for (const std::string& line : notes)
        world.notes += (world.notes.empty() ? "" : "\n") + line;

    stars.front().worlds.push_back(std::move(world));

    ImportedWorld imported;
    imported.coordinates = {sectorX, sectorY, column, rowNumber};
    imported.allegiance = allegiance;
    core::StarSystem& system = imported.hexData.starSystem;
    system.id = core::Uuid::generate();
    system.name = name;
    system.stars = std::move(stars);
    system.gasGiant = gasGiants;
    system.planetoidBelts = belts;
    system.totalNumberOfWorlds =
        wholeNumber(rowValue(row, {"Worlds", "W"})).value_or(belts + gasGiants + 1);
    system.starfarers = true;
    system.sathar = false;
    system.other = false;
    system.surveyed = true;
    imported.hexData.id = core::Uuid::generate();
    imported.hexData.coordinates = imported.coordinates;
    if (!allegiance.empty())
        imported.hexData.notes =
            "Allegiance: " + allegianceName(allegiance, allegiances) + " (" + allegiance + ")";
    return imported;
}

ImportedNotes readImportedNotes(std::string_view notes) {
    ImportedNotes read;
    bool first = true;
    for (const std::string_view line : splitLines(notes)) {
        const bool wasFirst = std::exchange(first, false);
        if (line.starts_with(otherBasesLabel)) {
            read.otherBases = std::string(line.substr(otherBasesLabel.size()));
            continue;
        }
        const auto labelled = std::find_if(
            std::begin(importedNoteColumns), std::end(importedNoteColumns),
            [&](const ImportedNoteColumn& c) {
                return line.starts_with(c.label) && line.substr(c.label.size()).starts_with(": ");
            });
        if (labelled != std::end(importedNoteColumns))
            read.columns[std::string(labelled->column)] =
                std::string(line.substr(labelled->label.size() + 2));
        else if (wasFirst)
            read.otherRemarks = std::string(line);
    }
    return read;
}

ImportedWorlds importedWorlds(const SecTable& table, int sectorX, int sectorY,
                              const AllegianceTable& allegiances, core::RandomSource& random) {
    ImportedWorlds result;
    result.unreadableLines = table.unreadableLines;
    for (const SecRow& row : table.rows) {
        if (auto world = importedWorld(row, sectorX, sectorY, allegiances, random))
            result.worlds.push_back(std::move(*world));
        else
            ++result.unreadableLines;
    }
    return result;
}

std::string unreadableLinesSentence(std::size_t lines) {
    if (lines == 0)
        return {};
    return " " + counted(lines, "line") + " could not be read.";
}

} // namespace velmora::sector_io
