// Star map frames of all of Charted Space: 50,000 systems with 100 regions,
// 2,000 rutters and 500 labels (a hundred of them subsector names), drawn offscreen at the widest
// zoom, a sector and a subsector; and the tracing of a 400-anchor region, cold and cached.

#include "starmap/region_borders.h"
#include "starmap/ui/starmap_renderer.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <unordered_set>

using namespace velmora;
using namespace velmora::starmap;

namespace {

core::HexData syntheticSystem(int index, const core::GalacticCoordinates& where) {
    core::HexData hex;
    hex.id = core::Uuid::generate();
    hex.coordinates = where;
    hex.starSystem.name = "Sys" + std::to_string(index);
    hex.starSystem.starfarers = true;
    hex.starSystem.gasGiant = index % 3;
    core::Star star;
    core::WorldData world;
    world.mainWorld = true;
    world.uwp.starport = static_cast<core::Starport>(index % 6);
    world.uwp.size = index % 10;
    world.uwp.atmosphere = (index * 7) % 13;
    world.uwp.hydrographics = (index * 3) % 11;
    world.uwp.population = index % 12;
    world.uwp.techLevel = core::travellerTechLevel(index % 15);
    if (index % 5 == 0)
        world.uwp.bases = {core::Base::scoutBase};
    star.worlds.push_back(world);
    hex.starSystem.stars.push_back(star);
    return hex;
}

// 50,000 systems spread over a 10 x 8 block of sectors, about half the hexes full.
const universe::UniverseRecord& charted() {
    static const universe::UniverseRecord universe = [] {
        universe::UniverseRecord u;
        int index = 0;
        for (int q = 0; q < 320 && index < 50000; ++q) {
            for (int r = 0; r < 320 && index < 50000; ++r) {
                if ((q * 7 + r * 13) % 100 < 49)
                    u.data.push_back(
                        syntheticSystem(index++, core::GalacticCoordinates::fromGlobal(q, r)));
            }
        }
        universe::Faction faction;
        faction.id = core::Uuid::generate();
        u.factions.push_back(faction);
        for (int i = 0; i < 100; ++i) {
            universe::Region region;
            region.id = core::Uuid::generate();
            region.name = "Region " + std::to_string(i);
            region.closed = true;
            region.color = static_cast<universe::FactionColor>(i % 24);
            const int q = (i % 10) * 32 + 4;
            const int r = (i / 10) * 32 + 4;
            for (const auto& [dq, dr, corner] : {std::tuple{0, 0, 4}, std::tuple{18, 1, 5},
                                                 std::tuple{20, 20, 0}, std::tuple{1, 22, 2}})
                region.anchors.push_back(
                    {core::GalacticCoordinates::fromGlobal(q + dq, r + dr), corner});
            u.regions.push_back(region);
        }
        for (int i = 0; i < 2000; ++i) {
            universe::Rutter rutter;
            rutter.id = core::Uuid::generate();
            rutter.factionID = faction.id;
            rutter.start = u.data[static_cast<std::size_t>(i * 23) % u.data.size()].coordinates;
            rutter.end = core::GalacticCoordinates::fromGlobal(rutter.start.globalColumn() + 3,
                                                               rutter.start.globalRow() + 2);
            rutter.mainTradeRoute = i % 4 == 0;
            u.rutters.push_back(rutter);
        }
        for (int i = 0; i < 500; ++i) {
            universe::StarmapLabel label;
            label.id = core::Uuid::generate();
            label.text = "Label " + std::to_string(i);
            label.size = 20 + i % 30;
            label.angle = i % 90 - 45;
            label.position = core::GalacticCoordinates::fromGlobal((i * 37) % 320, (i * 53) % 320);
            if (i < 100) {
                // A hundred subsectors around the middle named, as an import names
                // them: these move off the worlds they would cover.
                label.category = universe::subsectorNameCategory;
                label.angle = 0;
                label.size = 20;
                label.position =
                    core::GalacticCoordinates::fromGlobal(123 + (i % 10) * 8, 114 + (i / 10) * 10);
            }
            u.starmapLabels.push_back(label);
        }
        return u;
    }();
    return universe;
}

// Frame transforms: scale by the screen size of a hex, centred in the middle of the block.
universe::MapTransform transformFor(double hexRadiusOnScreen, QSize size) {
    const double scale = hexRadiusOnScreen / mapHexRadius;
    const core::PointF centre = core::HexLayout{mapHexRadius}.centerOfGlobal(160, 160);
    return {scale, size.width() / 2.0 - centre.x * scale, size.height() / 2.0 - centre.y * scale};
}

void drawFrame(benchmark::State& state, double hexRadiusOnScreen, bool overlays = true,
               bool searched = false) {
    universe::UniverseRecord universe = charted();
    universe.mapShowRegions = universe.mapShowRutters = universe.mapShowLabels = overlays;
    const StarMapModel model(universe);
    const QSize size(1400, 900);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    StarMapRenderer renderer;
    StarMapRenderer::Frame frame{transformFor(hexRadiusOnScreen, size), QSizeF(size), std::nullopt,
                                 true};
    // A search that found one system in ten: the rest are drawn dimmed.
    std::unordered_set<const core::HexData*> found;
    for (std::size_t i = 0; i < universe.data.size(); i += 10)
        found.insert(&universe.data[i]);
    if (searched)
        frame.highlighted = &found;
    {
        QPainter warm(&image); // the first frame traces the regions into the cache
        renderer.render(warm, model, universe, frame);
    }
    // Each frame a few pixels on from the last, as while panning, so nothing kept
    // for one position of the map stands in for drawing it.
    const universe::MapTransform start = frame.transform;
    int step = 0;
    for (auto _ : state) {
        frame.transform.offsetWidth = start.offsetWidth + (step % 64) * 3.3;
        frame.transform.offsetHeight = start.offsetHeight + (step % 64) * 2.1;
        ++step;
        QPainter painter(&image);
        renderer.render(painter, model, universe, frame);
    }
}

// The whole block of 80 sectors fits the frame at a hex radius of about 1.5 pixels.
void frameWholeUniverse(benchmark::State& state) {
    drawFrame(state, 1.5);
}
void frameSector(benchmark::State& state) {
    drawFrame(state, 11.0);
}
void frameSubsector(benchmark::State& state) {
    drawFrame(state, 40.0);
}
BENCHMARK(frameWholeUniverse)->Unit(benchmark::kMillisecond);
BENCHMARK(frameSector)->Unit(benchmark::kMillisecond);
BENCHMARK(frameSubsector)->Unit(benchmark::kMillisecond);
// Hexes 40 pixels across: the widest zoom that numbers every hex, so the most numbers.
void frameSmallestHexNumbers(benchmark::State& state) {
    drawFrame(state, 20.0);
}
BENCHMARK(frameSmallestHexNumbers)->Unit(benchmark::kMillisecond);
// A sector frame while a search marks its matches.
void frameSectorSearched(benchmark::State& state) {
    drawFrame(state, 11.0, true, true);
}
BENCHMARK(frameSectorSearched)->Unit(benchmark::kMillisecond);
// The first sector frame of a renderer whose caches are empty, as after zooming to
// a size not seen before: every glyph, name, region and grid picture drawn afresh.
void frameSectorCold(benchmark::State& state) {
    universe::UniverseRecord universe = charted();
    const StarMapModel model(universe);
    const QSize size(1400, 900);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const StarMapRenderer::Frame frame{transformFor(11.0, size), QSizeF(size), std::nullopt, true};
    for (auto _ : state) {
        StarMapRenderer renderer;
        QPainter painter(&image);
        renderer.render(painter, model, universe, frame);
    }
}
BENCHMARK(frameSectorCold)->Unit(benchmark::kMillisecond);
// Sector frames while zooming smoothly, 2 % a frame, between hexes 18 and 26 pixels
// across: every frame at a size not drawn before, the caches kept between frames.
void frameSectorWhileZooming(benchmark::State& state) {
    universe::UniverseRecord universe = charted();
    const StarMapModel model(universe);
    const QSize size(1400, 900);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    StarMapRenderer renderer;
    double hexRadius = 9.0;
    double step = 1.02;
    for (auto _ : state) {
        hexRadius *= step;
        if (hexRadius > 13 || hexRadius < 9)
            step = 1 / step;
        // A hair off the sizes of the last pass, so none of them comes back exactly.
        hexRadius *= 1.0001;
        const StarMapRenderer::Frame frame{transformFor(hexRadius, size), QSizeF(size),
                                           std::nullopt, true};
        QPainter painter(&image);
        renderer.render(painter, model, universe, frame);
    }
}
BENCHMARK(frameSectorWhileZooming)->Unit(benchmark::kMillisecond);
// The same frames without regions, rutters and labels: what the systems and grid cost alone.
void frameSectorSystemsOnly(benchmark::State& state) {
    drawFrame(state, 11.0, false);
}
void frameSubsectorSystemsOnly(benchmark::State& state) {
    drawFrame(state, 40.0, false);
}
BENCHMARK(frameSectorSystemsOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(frameSubsectorSystemsOnly)->Unit(benchmark::kMillisecond);

void buildMapModel(benchmark::State& state) {
    const auto& universe = charted();
    for (auto _ : state)
        benchmark::DoNotOptimize(StarMapModel(universe).systems().size());
}
BENCHMARK(buildMapModel)->Unit(benchmark::kMillisecond);

universe::Region bigRegion() {
    universe::Region region;
    region.id = core::Uuid::generate();
    region.closed = true;
    // 400 anchors on a ring of radius 120 hexes.
    for (int i = 0; i < 400; ++i) {
        const double angle = 2 * M_PI * i / 400;
        region.anchors.push_back(
            {core::GalacticCoordinates::fromGlobal(static_cast<int>(160 + 120 * std::cos(angle)),
                                                   static_cast<int>(160 + 120 * std::sin(angle))),
             i % 6});
    }
    return region;
}

void traceRegionCold(benchmark::State& state) {
    const universe::Region region = bigRegion();
    for (auto _ : state)
        benchmark::DoNotOptimize(borderPoints(region, mapHexRadius).size());
}
BENCHMARK(traceRegionCold)->Unit(benchmark::kMillisecond);

void traceRegionCached(benchmark::State& state) {
    const universe::Region region = bigRegion();
    RegionBorderCache cache;
    cache.points(region, mapHexRadius);
    for (auto _ : state)
        benchmark::DoNotOptimize(cache.points(region, mapHexRadius).size());
}
BENCHMARK(traceRegionCached)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
