#include "sector_io/sec_regions.h"

#include "sector_io/sec_export.h"
#include "sector_io/sec_text.h"
#include "universe/region_json.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
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

// Sector numbers a region block may hold: far beyond any map, and near enough that
// moving a region between any two such sectors keeps its numbers within an int.
constexpr int largestSectorNumber = 1'000'000;

bool isNearSector(int number) {
    return number >= -largestSectorNumber && number <= largestSectorNumber;
}

bool liesNear(const universe::Region& region) {
    const auto near = [](const core::GalacticCoordinates& hex) {
        return isNearSector(hex.sectorX) && isNearSector(hex.sectorY);
    };
    return std::all_of(region.anchors.begin(), region.anchors.end(),
                       [&](const universe::RegionAnchor& anchor) { return near(anchor.hex); }) &&
           (!region.labelCoordinates || near(*region.labelCoordinates));
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
            if (x && y && isNearSector(*x) && isNearSector(*y)) {
                sourceX = *x;
                sourceY = *y;
            }
        }
        break;
    }
    // The sector read into is the referee's choice and may be anywhere: a region
    // that would move off the numbers an int holds is left out.
    const std::int64_t dx = std::int64_t{sectorX} - sourceX;
    const std::int64_t dy = std::int64_t{sectorY} - sourceY;
    const auto move = [&](core::GalacticCoordinates& hex) {
        const std::int64_t x = hex.sectorX + dx;
        const std::int64_t y = hex.sectorY + dy;
        if (x < std::numeric_limits<int>::min() || x > std::numeric_limits<int>::max() ||
            y < std::numeric_limits<int>::min() || y > std::numeric_limits<int>::max())
            return false;
        hex.sectorX = static_cast<int>(x);
        hex.sectorY = static_cast<int>(y);
        return true;
    };

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
        if (!liesNear(region))
            continue;
        bool moved = true;
        for (universe::RegionAnchor& anchor : region.anchors)
            moved = moved && move(anchor.hex);
        if (region.labelCoordinates)
            moved = moved && move(*region.labelCoordinates);
        if (moved)
            regions.push_back(std::move(region));
    }
    return regions;
}

} // namespace velmora::sector_io
