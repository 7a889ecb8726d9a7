// The ship library as a referee with a large collection sees it: listing 500 saved
// ships (what opening "Starships" costs), opening one, and drawing a ship's
// one-page PDF sheet with two pictures on it.

#include "ships/saved_ship_designs_store.h"
#include "ships/ui/ship_sheet_renderer.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <filesystem>

using namespace velmora;
using namespace velmora::ships;

namespace {

constexpr int shipCount = 500;

// A design with most of the file filled in: mounts, rooms and a long description.
SavedShipDesign sampleShip(int index) {
    SavedShipDesign saved;
    saved.id = core::Uuid::generate();
    saved.configurationName = "Class " + std::to_string(index % 40);
    saved.typeLabel = index % 2 ? "Patrol Cruiser" : "Far Trader";
    saved.shipName = "Ship " + std::to_string(index);
    for (int i = 0; i < 12; ++i)
        saved.description += "The **ship** runs the *Spinward Main* between Regina and Efate. ";
    saved.design.tonnage = 400;
    saved.design.hasJumpDrive = true;
    saved.design.jumpDriveRating = 2;
    saved.design.powerPlantTonnage = 30;
    saved.design.stateroomCount = 12;
    saved.design.lowBerthCount = 8;
    for (int i = 0; i < 4; ++i) {
        WeaponMount mount;
        mount.id = core::Uuid::generate();
        mount.mountType = WeaponMountType::tripleTurret;
        mount.turretWeaponCount = 3;
        saved.design.weaponMounts.push_back(mount);
    }
    saved.createdDate = saved.modifiedDate = core::systemNow();
    return saved;
}

struct Library {
    std::filesystem::path root;
    Library() {
        root = std::filesystem::temp_directory_path() / "velmora-ships-bench";
        std::filesystem::remove_all(root);
        SavedShipDesignsStore store(root);
        for (int i = 0; i < shipCount; ++i) {
            auto saved = sampleShip(i);
            store.save(saved);
        }
    }
    ~Library() { std::filesystem::remove_all(root); }
};

const Library& library() {
    static Library made;
    return made;
}

void BM_ListFiveHundredShips(benchmark::State& state) {
    SavedShipDesignsStore store(library().root);
    for (auto _ : state) {
        store.reloadHeaders();
        benchmark::DoNotOptimize(store.headers().size());
    }
    state.counters["ships"] = double(store.headers().size());
}
BENCHMARK(BM_ListFiveHundredShips)->Unit(benchmark::kMillisecond);

void BM_OpenOneShip(benchmark::State& state) {
    SavedShipDesignsStore store(library().root);
    const auto id = store.headers().front().id;
    for (auto _ : state)
        benchmark::DoNotOptimize(store.load(id));
}
BENCHMARK(BM_OpenOneShip)->Unit(benchmark::kMicrosecond);

QImage picture(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QPainter painter(&image);
    painter.setPen(Qt::white);
    for (int x = 0; x < width; x += 16)
        painter.drawLine(x, 0, width - x, height);
    return image;
}

void BM_RenderShipSheet(benchmark::State& state) {
    const auto saved = sampleShip(1);
    const QList<QImage> images{picture(1200, 800, Qt::darkBlue), picture(800, 600, Qt::darkRed)};
    for (auto _ : state)
        benchmark::DoNotOptimize(renderShipSheet(saved, images).size());
}
BENCHMARK(BM_RenderShipSheet)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
