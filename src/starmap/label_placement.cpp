#include "starmap/label_placement.h"

#include <algorithm>
#include <utility>

namespace velmora::starmap {

namespace {

// The grid steps around the start, nearest first; fixed order for equal distances.
std::vector<std::pair<int, int>> offsets(int rings) {
    std::vector<std::pair<int, int>> result;
    for (int dy = -rings; dy <= rings; ++dy)
        for (int dx = -rings; dx <= rings; ++dx)
            if (dx != 0 || dy != 0)
                result.emplace_back(dx, dy);
    std::stable_sort(result.begin(), result.end(), [](const auto& a, const auto& b) {
        return a.first * a.first + a.second * a.second < b.first * b.first + b.second * b.second;
    });
    return result;
}

} // namespace

core::PointF placeLabel(core::PointF preferred, double width, double height,
                        const std::vector<LabelBox>& obstacles, const PlacementReach& reach) {
    const auto isFree = [&](core::PointF centre) {
        const LabelBox box = LabelBox::centredOn(centre, width, height);
        return std::none_of(obstacles.begin(), obstacles.end(),
                            [&box](const LabelBox& obstacle) { return box.intersects(obstacle); });
    };
    if (isFree(preferred))
        return preferred;
    if (reach.rings <= 0 || reach.stepX <= 0 || reach.stepY <= 0)
        return preferred;
    for (const auto& [dx, dy] : offsets(reach.rings)) {
        const core::PointF candidate{preferred.x + dx * reach.stepX,
                                     preferred.y + dy * reach.stepY};
        if (isFree(candidate))
            return candidate;
    }
    return preferred;
}

} // namespace velmora::starmap
