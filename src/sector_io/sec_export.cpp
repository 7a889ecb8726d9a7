#include "sector_io/sec_export.h"

#include "core/uwp.h"
#include "sector_io/imported_world.h"
#include "sector_io/sec_text.h"
#include "universe/region_json.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace velmora::sector_io {

namespace {

void place(std::u32string& line, std::size_t start, std::size_t width, std::string_view text) {
    const std::u32string characters = toCodePoints(text);
    for (std::size_t i = 0; i < width && i < characters.size(); ++i)
        line[start + i] = characters[i];
}

bool hasTag(const core::WorldData& world, core::WorldTag tag) {
    return std::find(world.worldTags.begin(), world.worldTags.end(), tag) != world.worldTags.end();
}

std::string twoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

std::string hexText(const core::GalacticCoordinates& coordinates) {
    return twoDigits(coordinates.column) + twoDigits(coordinates.row);
}

std::string profile(const core::WorldData& world) {
    return core::uwpCode(world.uwp).substr(0, 9);
}

std::string baseLetters(const core::WorldData& world) {
    std::string bases;
    for (const core::Base base : world.uwp.bases)
        bases += core::letter(base);
    return bases;
}

// The trade codes joined by spaces.
std::string tradeCodes(const core::WorldData& world) {
    std::string remarks;
    for (const core::TradeClass tradeClass : world.tradeClasses)
        remarks +=
            (remarks.empty() ? "" : " ") + std::string(core::tradeClassTable.text(tradeClass));
    return remarks;
}

std::string zoneLetter(const core::WorldData& world, const char* none) {
    return hasTag(world, core::WorldTag::redZone)     ? "R"
           : hasTag(world, core::WorldTag::amberZone) ? "A"
                                                      : none;
}

// The listing counts every belt of the system; a belt main world is one of them,
// which the system's own count leaves out.
std::string pbgText(const core::StarSystem& system, const core::WorldData& world) {
    const int belts = system.planetoidBelts + (world.uwp.size == 0 ? 1 : 0);
    return {core::ehex(world.uwp.populationMultiplier), core::ehex(belts),
            core::ehex(system.gasGiant)};
}

std::vector<core::HexData> sortedByColumnAndRow(std::vector<core::HexData> hexes) {
    std::stable_sort(hexes.begin(), hexes.end(),
                     [](const core::HexData& a, const core::HexData& b) {
                         if (a.coordinates.column != b.coordinates.column)
                             return a.coordinates.column < b.coordinates.column;
                         return a.coordinates.row < b.coordinates.row;
                     });
    return hexes;
}

// The regions as comments other programs skip, after the worlds.
void appendRegionBlock(std::vector<std::string>& lines, const std::vector<core::HexData>& hexes,
                       const SecSector& sector, const std::vector<universe::Region>& regions) {
    std::vector<std::string> encoded;
    for (const universe::Region& region : regions) {
        try {
            encoded.push_back(nlohmann::json(region).dump());
        } catch (const nlohmann::json::exception&) {
            // A name that is not valid text cannot be written; the region stays behind.
        }
    }
    if (encoded.empty())
        return;
    int x = sector.sectorX;
    int y = sector.sectorY;
    if (!sector.name) {
        x = hexes.empty() ? 0 : hexes.front().coordinates.sectorX;
        y = hexes.empty() ? 0 : hexes.front().coordinates.sectorY;
    }
    lines.emplace_back("#");
    lines.emplace_back(regionBlockTitle);
    lines.push_back(std::string(regionSectorPrefix) + std::to_string(x) + " " + std::to_string(y));
    for (const std::string& json : encoded)
        lines.push_back(std::string(regionPrefix) + json);
}

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

// A field of the tab listing: a tab or line break inside would split the row.
std::string tabField(std::string_view text) {
    std::string field(text);
    std::replace_if(
        field.begin(), field.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; },
        ' ');
    return field;
}

// The subsector letter of a hex: A to D across the top row of subsectors, and so on.
char subsectorLetter(const core::GalacticCoordinates& coordinates) {
    const int across = (coordinates.column - 1) / 8;
    const int down = (coordinates.row - 1) / 10;
    return static_cast<char>('A' + std::clamp(down, 0, 3) * 4 + std::clamp(across, 0, 3));
}

// The remarks as the file had them: the trade codes and what the import kept in the
// notes. A research station's lettered remark ("RsA") counts in both lists, so it is
// written where it falls in each, and both read back in their order.
std::string tabRemarks(const core::WorldData& world, const ImportedNotes& notes) {
    std::vector<std::string> codes;
    for (const core::TradeClass tradeClass : world.tradeClasses)
        codes.emplace_back(core::tradeClassTable.text(tradeClass));
    std::vector<std::string> others;
    for (std::size_t at = 0; at < notes.otherRemarks.size();) {
        const std::size_t end =
            std::min(notes.otherRemarks.find(' ', at), notes.otherRemarks.size());
        if (end > at)
            others.push_back(notes.otherRemarks.substr(at, end - at));
        at = end + 1;
    }
    const auto station = std::find(world.tradeClasses.begin(), world.tradeClasses.end(),
                                   core::TradeClass::researchStation);
    const auto lettered = std::find_if(others.begin(), others.end(), [](const std::string& t) {
        return t.size() >= 3 && t.starts_with("Rs");
    });
    std::vector<std::string> remarks;
    if (station != world.tradeClasses.end() && lettered != others.end()) {
        const auto codeAt = codes.begin() + (station - world.tradeClasses.begin());
        remarks.insert(remarks.end(), codes.begin(), codeAt);
        remarks.insert(remarks.end(), others.begin(), lettered + 1);
        remarks.insert(remarks.end(), codeAt + 1, codes.end());
        remarks.insert(remarks.end(), lettered + 1, others.end());
    } else {
        remarks = codes;
        remarks.insert(remarks.end(), others.begin(), others.end());
    }
    std::string text;
    for (const std::string& remark : remarks)
        text += (text.empty() ? "" : " ") + remark;
    return text;
}

std::optional<std::string> tabLine(const core::HexData& hex, const SecSector& sector) {
    const core::StarSystem& system = hex.starSystem;
    const core::WorldData* world = core::mainWorld(system);
    if (!world)
        return std::nullopt;
    const ImportedNotes notes = readImportedNotes(world->notes);
    const auto column = [&](std::string_view name) {
        const auto it = notes.columns.find(name);
        return it == notes.columns.end() ? std::string() : it->second;
    };
    const std::string fields[] = {
        sector.abbreviation,
        std::string(1, subsectorLetter(hex.coordinates)),
        hexText(hex.coordinates),
        system.name,
        profile(*world),
        baseLetters(*world) + notes.otherBases,
        tabRemarks(*world, notes),
        zoneLetter(*world, ""),
        pbgText(system, *world),
        allegianceCode(hex.notes),
        starsText(system.stars),
        column("{Ix}"),
        column("(Ex)"),
        column("[Cx]"),
        column("Nobility"),
        std::to_string(system.totalNumberOfWorlds),
        column("RU"),
    };
    std::string line = tabField(fields[0]);
    for (std::size_t i = 1; i < std::size(fields); ++i)
        line += '\t' + tabField(fields[i]);
    return line;
}

} // namespace

std::string allegianceCode(std::string_view notes) {
    constexpr std::string_view label = "Allegiance: ";
    for (const std::string_view line : splitLines(notes)) {
        if (!line.starts_with(label))
            continue;
        const auto close = line.rfind(')');
        const auto open = close == std::string_view::npos ? close : line.rfind('(', close);
        if (open != std::string_view::npos)
            return std::string(line.substr(open + 1, close - open - 1));
    }
    const auto open = notes.find('(');
    if (open == std::string_view::npos)
        return {};
    const auto close = notes.find(')', open + 1);
    if (close == std::string_view::npos)
        return {};
    return std::string(notes.substr(open + 1, close - open - 1));
}

std::string allegianceCodeFromNotes(std::string_view notes) {
    const std::u32string code = toCodePoints(allegianceCode(notes));
    if (code.empty())
        return "--";
    return toUtf8(std::u32string_view(code).substr(0, 2));
}

std::optional<std::string> secLine(const core::HexData& hex) {
    const core::StarSystem& system = hex.starSystem;
    const core::WorldData* world = core::mainWorld(system);
    if (!world)
        return std::nullopt;
    std::u32string line(80, U' ');
    place(line, 0, 13, system.name);
    place(line, 14, 4, hexText(hex.coordinates));
    place(line, 19, 9, profile(*world));
    place(line, 30, 8, baseLetters(*world));
    place(line, 32, 15, tradeCodes(*world));
    place(line, 48, 1, zoneLetter(*world, " "));
    place(line, 51, 3, pbgText(system, *world));
    place(line, 55, 2, allegianceCodeFromNotes(hex.notes));

    while (!line.empty() && line.back() == U' ')
        line.pop_back();
    const std::string stars = starsText(system.stars);
    if (!stars.empty()) {
        if (line.size() < 58)
            line.resize(58, U' ');
        line += toCodePoints(stars);
    }
    return toUtf8(line);
}

std::string secExportText(std::vector<core::HexData> hexes, const SecSector& sector,
                          const std::vector<universe::Region>& regions) {
    hexes = sortedByColumnAndRow(std::move(hexes));
    std::vector<std::string> lines;
    lines.reserve(hexes.size() + regions.size() + 8);
    lines.push_back("# " + sector.name.value_or("Unknown Sector"));
    lines.emplace_back("# Generated by Velmora");
    lines.emplace_back("# Name          Hex  UWP       B  Remarks          Z PBG  A   Stars");
    lines.emplace_back("#");
    for (const core::HexData& hex : hexes) {
        if (auto line = secLine(hex))
            lines.push_back(std::move(*line));
    }
    appendRegionBlock(lines, hexes, sector, regions);
    return joinedLines(lines);
}

std::string secTabExportText(std::vector<core::HexData> hexes, const SecSector& sector,
                             const std::vector<universe::Region>& regions) {
    hexes = sortedByColumnAndRow(std::move(hexes));
    std::vector<std::string> lines;
    lines.reserve(hexes.size() + regions.size() + 8);
    lines.push_back("# " + sector.name.value_or("Unknown Sector"));
    lines.emplace_back("# Generated by Velmora");
    lines.emplace_back("Sector\tSS\tHex\tName\tUWP\tBases\tRemarks\tZone\tPBG\tAllegiance\tStars\t"
                       "{Ix}\t(Ex)\t[Cx]\tNobility\tW\tRU");
    for (const core::HexData& hex : hexes) {
        if (auto line = tabLine(hex, sector))
            lines.push_back(std::move(*line));
    }
    appendRegionBlock(lines, hexes, sector, regions);
    return joinedLines(lines);
}

std::string secExportTextAs(SecExportFormat format, std::vector<core::HexData> hexes,
                            const SecSector& sector, const std::vector<universe::Region>& regions) {
    return format == SecExportFormat::tab ? secTabExportText(std::move(hexes), sector, regions)
                                          : secExportText(std::move(hexes), sector, regions);
}

std::string suggestedSecFileName(const universe::SectorInfo* sector, SecExportFormat format) {
    const std::string extension = format == SecExportFormat::tab ? ".tab" : ".sec";
    if (!sector)
        return "sector" + extension;
    if (!sector->abbreviation.empty())
        return sector->abbreviation + extension;
    return sector->name + extension;
}

std::string secExportTextFor(const std::vector<core::HexData>& allHexes,
                             const universe::SectorInfo* sector,
                             const std::vector<universe::Region>& regions, SecExportFormat format) {
    if (!sector)
        return secExportTextAs(format, allHexes, SecSector{}, regions);
    std::vector<core::HexData> hexes;
    for (const core::HexData& hex : allHexes) {
        if (hex.coordinates.sectorX == sector->sectorX &&
            hex.coordinates.sectorY == sector->sectorY)
            hexes.push_back(hex);
    }
    return secExportTextAs(
        format, std::move(hexes),
        SecSector{sector->sectorX, sector->sectorY, sector->name, sector->abbreviation}, regions);
}

std::size_t exportedWorldCount(const std::vector<core::HexData>& hexes) {
    return static_cast<std::size_t>(
        std::count_if(hexes.begin(), hexes.end(), [](const core::HexData& hex) {
            return core::mainWorld(hex.starSystem) != nullptr;
        }));
}

std::string secExportMessage(std::size_t worlds, const std::string& file) {
    return "Exported " + counted(worlds, "world") + " to \"" + file + "\".";
}

} // namespace velmora::sector_io
