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
    const auto covered = [&](core::PointF centre) {
        const LabelBox box = LabelBox::centredOn(centre, width, height);
        return std::count_if(obstacles.begin(), obstacles.end(),
                             [&box](const LabelBox& obstacle) { return box.intersects(obstacle); });
    };
    auto fewest = covered(preferred);
    if (fewest == 0 || reach.rings <= 0 || reach.stepX <= 0 || reach.stepY <= 0)
        return preferred;
    core::PointF best = preferred;
    for (const auto& [dx, dy] : offsets(reach.rings)) {
        const core::PointF candidate{preferred.x + dx * reach.stepX,
                                     preferred.y + dy * reach.stepY};
        const auto count = covered(candidate);
        if (count == 0)
            return candidate;
        if (count < fewest) {
            fewest = count;
            best = candidate;
        }
    }
    return best;
}

} // namespace velmora::starmap
