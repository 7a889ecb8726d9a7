// Painting a region of 400 hexes on the star map of 50,000 systems at sector
// zoom: a frame while the stroke is under way (the last map frame with the
// stroke over it), the work when the stroke ends (the painted area outlined into
// anchors and checked), and the first full frame after it, which traces the
// region's new border.

#include "starmap/painted_area.h"
#include "starmap/region_borders.h"
#include "starmap/ui/map_paint_tool.h"
#include "starmap/ui/name_placement.h"
#include "starmap/ui/starmap_canvas.h"
#include "starmap/ui/starmap_renderer.h"
#include "ui/map_painting.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <benchmark/benchmark.h>

using namespace velmora;
using namespace velmora::starmap;

namespace {

// 50,000 systems over a 10 x 8 block of sectors, about half the hexes full.
const universe::UniverseRecord& charted() {
    static const universe::UniverseRecord universe = [] {
        universe::UniverseRecord u;
        u.id = core::Uuid::generate();
        int index = 0;
        for (int q = 0; q < 320 && index < 50000; ++q) {
            for (int r = 0; r < 320 && index < 50000; ++r) {
                if ((q * 7 + r * 13) % 100 >= 49)
                    continue;
                core::HexData hex;
                hex.id = core::Uuid::generate();
                hex.coordinates = core::GalacticCoordinates::fromGlobal(q, r);
                hex.starSystem.name = "Sys" + std::to_string(index++);
                hex.starSystem.starfarers = true;
                core::Star star;
                core::WorldData world;
                world.mainWorld = true;
                world.uwp.size = index % 10;
                world.uwp.population = index % 12;
                star.worlds.push_back(world);
                hex.starSystem.stars.push_back(star);
                u.data.push_back(hex);
            }
        }
        return u;
    }();
    return universe;
}

// The 400 hexes painted: a 20 x 20 block in the middle of the universe.
std::vector<core::GalacticCoordinates> paintedBlock(int shift = 0) {
    std::vector<core::GalacticCoordinates> hexes;
    for (int q = 150; q < 170; ++q)
        for (int r = 150 + shift; r < 170 + shift; ++r)
            hexes.push_back(core::GalacticCoordinates::fromGlobal(q, r));
    return hexes;
}

universe::MapTransform sectorZoom(QSize size) {
    const double scale = 11.0 / mapHexRadius; // hexes 22 pixels across: a sector fills the frame
    const core::PointF centre = core::HexLayout{mapHexRadius}.centerOfGlobal(160, 160);
    return {scale, size.width() / 2.0 - centre.x * scale, size.height() / 2.0 - centre.y * scale};
}

QPointF onScreen(const core::GalacticCoordinates& hex, const universe::MapTransform& t) {
    const core::PointF c = core::HexLayout{mapHexRadius}.center(hex);
    return {c.x * t.scale + t.offsetWidth, c.y * t.scale + t.offsetHeight};
}

// A frame during the stroke: the canvas keeps its last map frame, the brush
// draws the 400 hexes of the stroke so far over it.
void frameWhilePainting(benchmark::State& state) {
    universe::UniverseRecord universe = charted();
    const StarMapModel model(universe);
    StarMapCanvas canvas;
    canvas.resize(1400, 900);
    canvas.setContent(&universe, &model);
    canvas.setTransform(sectorZoom(canvas.size()));
    MapPaintTool tool(canvas, universe.id);
    ui::MapPaintTarget target;
    target.universeID = universe.id;
    target.color = QColor(80, 200, 120);
    target.paint = [](const std::vector<core::GalacticCoordinates>&, bool) { return QString(); };
    ui::mapPaintSession().start(target);
    const auto hexes = paintedBlock();
    const auto send = [&](QEvent::Type type, const core::GalacticCoordinates& hex) {
        const QPointF at = onScreen(hex, canvas.transform());
        QMouseEvent event(type, at, at, Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&tool, &event);
    };
    const auto strokeHexes = static_cast<std::size_t>(std::max<std::int64_t>(state.range(0), 0));
    send(QEvent::MouseButtonPress, hexes.front());
    for (std::size_t i = 0; i < strokeHexes; ++i)
        send(QEvent::MouseMove, hexes[i]);
    if (strokeHexes > 0 && tool.stroke().size() != strokeHexes)
        state.SkipWithError("the stroke did not cover the block");
    // The canvas keeps its last map frame while the pointer moves: each repaint
    // puts that frame on screen and the brush draws the stroke over it.
    QPixmap mapFrame(canvas.size());
    {
        QPainter painter(&mapFrame);
        StarMapRenderer renderer;
        renderer.render(painter, model, universe,
                        {canvas.transform(), QSizeF(canvas.size()), std::nullopt, true});
    }
    if (state.range(0) < 0)
        ui::mapPaintSession().stop();
    QImage screen(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        {
            QPainter painter(&screen);
            painter.drawPixmap(0, 0, mapFrame);
        }
        if (!tool.isHidden())
            tool.render(&screen, QPoint(), QRegion(), QWidget::DrawChildren);
        benchmark::DoNotOptimize(screen.bits());
    }
    state.counters["strokeHexes"] = static_cast<double>(tool.stroke().size());
    ui::mapPaintSession().stop();
}
// Without the brush (-1) or with no hexes yet (0), the frame is what the canvas
// costs on its own.
BENCHMARK(frameWhilePainting)->Arg(-1)->Arg(0)->Arg(400)->Unit(benchmark::kMillisecond);

// The end of a stroke of one more row along a 400-hex region: its enclosed hexes,
// the new outline's anchors and the check that the outline keeps them.
void strokeEnd(benchmark::State& state) {
    universe::Region region;
    region.id = core::Uuid::generate();
    region.closed = true;
    region.anchors = outlineAnchors(paintedBlock());
    std::vector<core::GalacticCoordinates> row;
    for (int q = 150; q < 170; ++q)
        row.push_back(core::GalacticCoordinates::fromGlobal(q, 170));
    for (auto _ : state) {
        const auto area = paintedArea(region, row, false);
        universe::Region painted = region;
        painted.anchors = outlineAnchors(area);
        benchmark::DoNotOptimize(outlineKeeps(painted, area, row, false));
    }
    state.counters["anchors"] = static_cast<double>(region.anchors.size());
}
BENCHMARK(strokeEnd)->Unit(benchmark::kMillisecond);

// The first full frame after a stroke: the painted region's border is traced
// afresh (its anchors changed), everything else comes from the caches.
void frameAfterStroke(benchmark::State& state) {
    universe::UniverseRecord universe = charted();
    universe.mapShowRegions = true;
    universe::Region region;
    region.id = core::Uuid::generate();
    region.name = "Painted";
    region.closed = true;
    universe.regions.push_back(region);
    const std::vector<universe::RegionAnchor> outlines[] = {outlineAnchors(paintedBlock(0)),
                                                            outlineAnchors(paintedBlock(1))};
    const StarMapModel model(universe);
    const QSize size(1400, 900);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    StarMapRenderer renderer;
    const StarMapRenderer::Frame frame{sectorZoom(size), QSizeF(size), std::nullopt, true};
    std::size_t turn = 0;
    for (auto _ : state) {
        universe.regions[0].anchors = outlines[turn++ % 2];
        QPainter painter(&image);
        renderer.render(painter, model, universe, frame);
    }
}
BENCHMARK(frameAfterStroke)->Unit(benchmark::kMillisecond);

// What placing the names of 100 regions among the worlds adds to a sector frame
// (hexes 22 pixels across, names drawn under every world): each name looks at
// the systems within its reach and tries the places around where it belongs.
void placeRegionNames(benchmark::State& state) {
    const universe::UniverseRecord& universe = charted();
    const StarMapModel model(universe);
    const QSize size(1400, 900);
    const universe::MapTransform transform = sectorZoom(size);
    const double hexRadius = mapHexRadius * transform.scale;
    std::vector<QPointF> names;
    for (int i = 0; i < 100; ++i) {
        const QPointF at =
            onScreen(core::GalacticCoordinates::fromGlobal(130 + (i % 10) * 6, 140 + (i / 10) * 4),
                     transform);
        names.push_back(at);
    }
    int moved = 0;
    for (auto _ : state) {
        moved = 0;
        for (const QPointF& at : names)
            moved += placeNameAmongSystems(model, transform, hexRadius, at, QSizeF(110, 16)) != at;
    }
    state.counters["moved"] = moved;
}
BENCHMARK(placeRegionNames)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
