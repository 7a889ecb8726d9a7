#include "sector_io/travellermap_importer.h"

#include "sector_io/palette_color.h"
#include "sector_io/sec_rows.h"
#include "sector_io/sec_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

namespace velmora::sector_io {

ImportError ImportError::sectorNotFound(const std::string& name) {
    return {Kind::sectorNotFound,
            "Couldn't find a sector named \u201c" + name + "\u201d on Traveller Map."};
}
ImportError ImportError::httpStatus(int code) {
    return {Kind::httpStatus, "Traveller Map returned an error (HTTP " + std::to_string(code) +
                                  "). Please try again."};
}
ImportError ImportError::network(const std::string& text) {
    return {Kind::network, "Network error: " + text + ". Please try again."};
}
ImportError ImportError::emptySectorName() {
    return {Kind::emptySectorName, "Enter a sector name to import."};
}
ImportError ImportError::badResponse() {
    return {Kind::badResponse, "Traveller Map returned data that couldn't be read."};
}
ImportError ImportError::noWorlds() {
    return {Kind::noWorlds, "That sector (or subsector) has no worlds to import."};
}

namespace {

using nlohmann::json;

json parsed(std::string_view text) {
    json document = json::parse(text.begin(), text.end(), nullptr, false);
    if (document.is_discarded())
        throw ImportError::badResponse();
    return document;
}

// A field that is missing or null reads as its default; one of the wrong type
// means the document is not what the service sends.
const json* field(const json& object, const char* key) {
    const auto found = object.find(key);
    if (found == object.end() || found->is_null())
        return nullptr;
    return &*found;
}

std::string textField(const json& object, const char* key) {
    const json* value = field(object, key);
    if (!value)
        return {};
    if (!value->is_string())
        throw ImportError::badResponse();
    return value->get<std::string>();
}

// The integers read are sector numbers and offsets, a few dozen at most on the
// service's map; within a million, every hex of such a sector has a global column
// and row an int can hold.
constexpr double largestSectorNumber = 1'000'000;

int integerField(const json& object, const char* key) {
    const json* value = field(object, key);
    if (!value)
        return 0;
    if (!value->is_number())
        throw ImportError::badResponse();
    const double number = value->get<double>();
    if (!(number >= -largestSectorNumber && number <= largestSectorNumber))
        throw ImportError::badResponse();
    return static_cast<int>(number);
}

std::optional<double> numberField(const json& object, const char* key) {
    const json* value = field(object, key);
    if (!value)
        return std::nullopt;
    if (!value->is_number())
        throw ImportError::badResponse();
    return value->get<double>();
}

const json& requireObject(const json& value) {
    if (!value.is_object())
        throw ImportError::badResponse();
    return value;
}

template <typename Decode>
auto listField(const json& object, const char* key, Decode decode) {
    std::vector<decltype(decode(object))> items;
    const json* value = field(object, key);
    if (!value)
        return items;
    if (!value->is_array())
        throw ImportError::badResponse();
    items.reserve(value->size());
    for (const auto& item : *value)
        items.push_back(decode(requireObject(item)));
    return items;
}

std::optional<int> integerText(std::string_view text) {
    int value = 0;
    const auto* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

std::string lowercased(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// Cube directions 0-5; corner i of a cell lies between the neighbours in
// directions i - 1 and i.
constexpr std::array<core::Cube, 6> directions{
    {{1, 0}, {0, 1}, {-1, 1}, {-1, 0}, {0, -1}, {1, -1}}};

core::Cube step(core::Cube cell, int direction) {
    const auto& d = directions[static_cast<std::size_t>(core::floorMod(direction, 6))];
    return {cell.x + d.x, cell.z + d.z};
}

core::GalacticCoordinates hexOfCube(core::Cube cell) {
    return core::GalacticCoordinates::fromGlobal(cell.x, cell.z + core::floorDiv(cell.x, 2));
}

// The connected pieces of the cells, each found from its first cell in path order.
std::set<core::Cube> largestPiece(const std::vector<core::Cube>& ordered) {
    const std::set<core::Cube> all(ordered.begin(), ordered.end());
    std::set<core::Cube> seen;
    std::set<core::Cube> largest;
    for (const auto& first : ordered) {
        if (seen.contains(first))
            continue;
        std::set<core::Cube> piece{first};
        std::vector<core::Cube> pending{first};
        seen.insert(first);
        while (!pending.empty()) {
            const auto cell = pending.back();
            pending.pop_back();
            for (int direction = 0; direction < 6; ++direction) {
                const auto next = step(cell, direction);
                if (all.contains(next) && seen.insert(next).second) {
                    piece.insert(next);
                    pending.push_back(next);
                }
            }
        }
        if (piece.size() > largest.size())
            largest = std::move(piece);
    }
    return largest;
}

} // namespace

Coordinates decodeCoordinates(std::string_view text) {
    const json document = parsed(text);
    requireObject(document);
    return {integerField(document, "sx"), integerField(document, "sy")};
}

std::vector<T5Allegiance> decodeAllegiances(std::string_view text) {
    const json document = parsed(text);
    if (!document.is_array())
        throw ImportError::badResponse();
    std::vector<T5Allegiance> allegiances;
    allegiances.reserve(document.size());
    for (const auto& entry : document) {
        requireObject(entry);
        allegiances.push_back({textField(entry, "Code"), textField(entry, "Name")});
    }
    return allegiances;
}

SectorMetadata decodeSectorMetadata(std::string_view text) {
    const json document = parsed(text);
    requireObject(document);
    SectorMetadata metadata;
    metadata.names =
        listField(document, "Names", [](const json& o) { return MetaName{textField(o, "Text")}; });
    metadata.routes = listField(document, "Routes", [](const json& o) {
        return MetaRoute{textField(o, "Start"),           textField(o, "End"),
                         integerField(o, "StartOffsetX"), integerField(o, "StartOffsetY"),
                         integerField(o, "EndOffsetX"),   integerField(o, "EndOffsetY"),
                         textField(o, "Allegiance"),      numberField(o, "Width")};
    });
    metadata.labels = listField(document, "Labels", [](const json& o) {
        return MetaLabel{textField(o, "Text"), textField(o, "Hex"), textField(o, "Color"),
                         textField(o, "Size")};
    });
    metadata.subsectors = listField(document, "Subsectors", [](const json& o) {
        return MetaSubsector{textField(o, "Name"), textField(o, "Index")};
    });
    metadata.borders = listField(document, "Borders", [](const json& o) {
        return MetaBorder{textField(o, "Path"), textField(o, "Allegiance"), textField(o, "Label"),
                          textField(o, "LabelPosition"), textField(o, "Color")};
    });
    metadata.abbreviation = textField(document, "Abbreviation");
    return metadata;
}

AllegianceTable allegianceTable(const std::vector<T5Allegiance>& allegiances) {
    AllegianceTable table;
    for (const auto& allegiance : allegiances)
        if (!allegiance.code.empty())
            table.emplace(allegiance.code, allegiance.name);
    return table;
}

core::GalacticCoordinates sectorOrigin(const Coordinates& coordinates) {
    return {coordinates.sx, -coordinates.sy, 0, 0};
}

std::optional<core::GalacticCoordinates> hexInSector(std::string_view hex, int sectorX, int sectorY,
                                                     int offsetX, int offsetY) {
    if (hex.size() != 4)
        return std::nullopt;
    const auto column = integerText(hex.substr(0, 2));
    const auto row = integerText(hex.substr(2, 2));
    if (!column || !row)
        return std::nullopt;
    const int globalColumn = (sectorX + offsetX) * core::sectorColumns + (*column - 1);
    const int globalRow = (*row - 1) - core::sectorRows * (sectorY - offsetY);
    return core::GalacticCoordinates::fromGlobal(globalColumn, globalRow);
}

ImportedWorlds importedWorldsFromTab(std::string_view text, int sectorX, int sectorY,
                                     const AllegianceTable& allegiances,
                                     core::RandomSource& random) {
    ImportedWorlds read =
        importedWorlds({tabDelimitedRows(text), 0}, sectorX, sectorY, allegiances, random);
    if (read.worlds.empty())
        throw ImportError::noWorlds();
    return read;
}

std::vector<ImportedRoute> importedRoutes(const SectorMetadata& metadata, int sectorX,
                                          int sectorY) {
    std::vector<ImportedRoute> routes;
    for (const auto& route : metadata.routes) {
        const auto start =
            hexInSector(route.start, sectorX, sectorY, route.startOffsetX, route.startOffsetY);
        const auto end =
            hexInSector(route.end, sectorX, sectorY, route.endOffsetX, route.endOffsetY);
        if (!start || !end)
            continue;
        routes.push_back(
            {*start, *end, route.allegiance, route.width.has_value() && *route.width > 1.0});
    }
    return routes;
}

std::vector<universe::StarmapLabel> importedLabels(const SectorMetadata& metadata, int sectorX,
                                                   int sectorY) {
    std::vector<universe::StarmapLabel> labels;
    for (const auto& label : metadata.labels) {
        const auto position = hexInSector(label.hex, sectorX, sectorY);
        if (!position)
            continue;
        const std::string size = lowercased(label.size);
        universe::StarmapLabel made;
        made.id = core::Uuid::generate();
        made.text = label.text;
        made.size = size == "small" ? 14.0 : size == "large" ? 28.0 : 18.0;
        made.color = nearestPaletteColor(label.color);
        made.angle = 0;
        made.position = *position;
        labels.push_back(std::move(made));
    }
    return labels;
}

std::vector<universe::StarmapLabel> subsectorLabels(const SectorMetadata& metadata, int sectorX,
                                                    int sectorY) {
    std::vector<universe::StarmapLabel> labels;
    for (const auto& subsector : metadata.subsectors) {
        if (subsector.name.empty() || subsector.index.size() != 1 || subsector.index[0] < 'A' ||
            subsector.index[0] > 'P')
            continue;
        const int i = subsector.index[0] - 'A';
        universe::StarmapLabel made;
        made.id = core::Uuid::generate();
        made.text = subsector.name;
        made.size = 20;
        made.color = universe::FactionColor::grey;
        made.angle = 0;
        made.position = {sectorX, sectorY, (i % 4) * 8 + 4, (i / 4) * 10 + 5};
        made.category = universe::subsectorNameCategory;
        labels.push_back(std::move(made));
    }
    return labels;
}

std::vector<universe::RegionAnchor> boundaryAnchors(const std::set<core::Cube>& cells) {
    std::vector<universe::RegionAnchor> anchors;
    if (cells.empty())
        return anchors;
    // Nothing lies left of the leftmost cell, so its edge towards direction 3 is on
    // the outer boundary whatever holes the piece has. The edge facing direction i
    // runs from corner i to corner i + 1, clockwise around its cell.
    const core::Cube first = *std::min_element(cells.begin(), cells.end());
    const int firstCorner = 3;
    core::Cube cell = first;
    int corner = firstCorner;
    // Each boundary edge is visited once; the bound guards against a broken loop.
    const std::size_t limit = cells.size() * 6 + 1;
    do {
        anchors.push_back({hexOfCube(cell), corner});
        // At the edge's end meet this cell, the outside one it faces and the one in
        // direction corner + 1: walk on along this cell when that one is outside
        // too, else along that cell's edge facing the same outside cell.
        const core::Cube ahead = step(cell, corner + 1);
        if (cells.contains(ahead)) {
            cell = ahead;
            corner = core::floorMod(corner - 1, 6);
        } else {
            corner = (corner + 1) % 6;
        }
    } while ((cell != first || corner != firstCorner) && anchors.size() < limit);
    return anchors;
}

std::optional<ImportedRegion> importedRegion(const MetaBorder& border, int sectorX, int sectorY) {
    std::vector<core::Cube> ordered;
    std::size_t start = 0;
    const std::string_view path = border.path;
    while (start <= path.size()) {
        const std::size_t space = std::min(path.find(' ', start), path.size());
        if (const auto hex = hexInSector(path.substr(start, space - start), sectorX, sectorY))
            ordered.push_back(hex->cube());
        start = space + 1;
    }
    const std::set<core::Cube> distinct(ordered.begin(), ordered.end());
    if (distinct.size() <= 2)
        return std::nullopt;
    ImportedRegion region;
    region.cells = largestPiece(ordered);
    region.anchors = boundaryAnchors(region.cells);
    region.name = border.label;
    region.allegiance = border.allegiance;
    region.labelCoordinates = hexInSector(border.labelPosition, sectorX, sectorY);
    region.colorHint = border.color;
    return region;
}

std::vector<ImportedRegion> importedRegions(const SectorMetadata& metadata, int sectorX,
                                            int sectorY) {
    std::vector<ImportedRegion> regions;
    for (const auto& border : metadata.borders)
        if (auto region = importedRegion(border, sectorX, sectorY))
            regions.push_back(std::move(*region));
    return regions;
}

} // namespace velmora::sector_io
