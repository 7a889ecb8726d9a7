#include "sector_io/sec_regions.h"

#include "sector_io/sec_export.h"
#include "sector_io/sec_text.h"
#include "universe/region_json.h"

#include <charconv>
#include <nlohmann/json.hpp>
#include <optional>

namespace velmora::sector_io {

namespace {

std::optional<int> integer(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || at != end)
        return std::nullopt;
    return value;
}

} // namespace

std::vector<universe::Region> regionsFromSECText(std::string_view text, int sectorX, int sectorY) {
    const auto lines = splitLines(text);
    int sourceX = sectorX;
    int sourceY = sectorY;
    for (const std::string_view line : lines) {
        if (!line.starts_with(regionSectorPrefix))
            continue;
        std::vector<std::string_view> pieces;
        std::string_view rest = line.substr(regionSectorPrefix.size());
        std::size_t at = 0;
        while (at <= rest.size()) {
            const auto space = rest.find(' ', at);
            const auto end = space == std::string_view::npos ? rest.size() : space;
            if (end > at)
                pieces.push_back(rest.substr(at, end - at));
            at = end + 1;
        }
        if (pieces.size() >= 2) {
            const auto x = integer(pieces[0]);
            const auto y = integer(pieces[1]);
            if (x && y) {
                sourceX = *x;
                sourceY = *y;
            }
        }
        break;
    }
    const int dx = sectorX - sourceX;
    const int dy = sectorY - sourceY;

    std::vector<universe::Region> regions;
    for (const std::string_view line : lines) {
        if (!line.starts_with(regionPrefix))
            continue;
        universe::Region region;
        try {
            region =
                nlohmann::json::parse(line.substr(regionPrefix.size())).get<universe::Region>();
        } catch (const std::exception&) {
            continue;
        }
        if (dx != 0 || dy != 0) {
            for (universe::RegionAnchor& anchor : region.anchors) {
                anchor.hex.sectorX += dx;
                anchor.hex.sectorY += dy;
            }
            if (region.labelCoordinates) {
                region.labelCoordinates->sectorX += dx;
                region.labelCoordinates->sectorY += dy;
            }
        }
        regions.push_back(std::move(region));
    }
    return regions;
}

} // namespace velmora::sector_io
