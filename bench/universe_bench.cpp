// Opening and saving whole universes of the size referees import: 10,000 and
// 50,000 hexes of two stars and six worlds each. The same run times Python's
// json.load on the same file and prints the ratio, and measures the peak memory
// of an open in a child process.

#include "core/file_io.h"
#include "universe/ridivivev_izeviduv.h"
#include "universe/universe_codec.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmora;
using namespace velmora::universe;

namespace {

core::WorldData syntheticWorld(int index, bool main) {
    core::WorldData world;
    world.id = core::Uuid::generate();
    world.name = "World " + std::to_string(index);
    world.mainWorld = main;
    world.type = index % 3 == 0 ? core::WorldType::largeGasGiant : core::WorldType::planet;
    world.sunOrbit = static_cast<core::Orbits>(index % 12);
    world.hzOffset = index % 5 - 2;
    world.uwp.starport = core::Starport::typeC;
    world.uwp.size = index % 10;
    world.uwp.atmosphere = (index * 3) % 15;
    world.uwp.hydrographics = (index * 7) % 11;
    world.uwp.population = (index * 5) % 12;
    world.uwp.government = (index * 11) % 15;
    world.uwp.lawLevel = (index * 13) % 16;
    world.uwp.techLevel = core::travellerTechLevel(index % 16);
    world.uwp.bases = {core::Base::scoutBase};
    world.uwp.populationMultiplier = 1 + index % 9;
    world.dayLength = 20 + index % 10;
    world.yearLength = 8000 + index;
    world.tradeClasses = {core::TradeClass::agricultural, core::TradeClass::rich};
    world.worldTags = {core::WorldTag::tradeHub};
    world.factionIDs = {core::Uuid::generate()};
    world.notes = "Notes on world " + std::to_string(index);
    return world;
}

UniverseRecord syntheticUniverse(int hexCount) {
    UniverseRecord universe;
    universe.name = "Charted Space (synthetic)";
    universe.data.reserve(static_cast<std::size_t>(hexCount));
    for (int i = 0; i < hexCount; ++i) {
        core::HexData hex;
        hex.id = core::Uuid::generate();
        hex.coordinates = core::GalacticCoordinates::fromGlobal(i % 640, i / 640);
        hex.notes = "";
        hex.starSystem.id = core::Uuid::generate();
        hex.starSystem.name = "System " + std::to_string(i);
        hex.starSystem.gasGiant = 2;
        hex.starSystem.planetoidBelts = 1;
        hex.starSystem.totalNumberOfWorlds = 6;
        hex.starSystem.starfarers = true;
        for (int s = 0; s < 2; ++s) {
            core::Star star;
            star.id = core::Uuid::generate();
            star.name = s == 0 ? "A" : "B";
            star.spectralType = core::SpectralType::G;
            star.temperature = 2;
            star.mass = 1.02;
            star.orbit = s == 0 ? core::Orbits::starOrbitP : core::Orbits::starOrbit16;
            for (int w = 0; w < 3; ++w)
                star.worlds.push_back(syntheticWorld(i * 6 + s * 3 + w, s == 0 && w == 0));
            hex.starSystem.stars.push_back(std::move(star));
        }
        universe.data.push_back(std::move(hex));
    }
    return universe;
}

std::filesystem::path benchFolder() {
    const auto folder = std::filesystem::temp_directory_path() / "velmora-bench";
    std::filesystem::create_directories(folder);
    return folder;
}

// One file per size, written once per run.
const std::filesystem::path& universeFile(int hexCount) {
    static std::map<int, std::filesystem::path> files;
    auto& file = files[hexCount];
    if (file.empty()) {
        file = benchFolder() / ("universe-" + std::to_string(hexCount) + ".json");
        core::writeFileAtomically(file, encodeUniverse(syntheticUniverse(hexCount)));
    }
    return file;
}

double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A figure from /proc/self/status, in bytes.
long statusBytes(const char* field) {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return 0;
    char line[256];
    long kilobytes = 0;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, length) == 0)
            kilobytes = std::atol(line + length);
    }
    std::fclose(status);
    return kilobytes * 1024L;
}

// The peak memory an open adds, in bytes: measured in a child process, from the
// resident size it starts with (the benchmark's own, shared at the fork) to its high
// water mark once the universe is open.
long peakMemoryOfOpen(const std::filesystem::path& file) {
    int channel[2];
    if (pipe(channel) != 0)
        return 0;
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const long before = statusBytes("VmRSS:");
        {
            const auto text = core::readWholeFile(file);
            const UniverseRecord universe = decodeUniverse(*text);
            benchmark::DoNotOptimize(universe.data.size());
        }
        const long growth = statusBytes("VmHWM:") - before;
        (void)!write(channel[1], &growth, sizeof growth);
        _exit(0);
    }
    close(channel[1]);
    long growth = 0;
    if (read(channel[0], &growth, sizeof growth) != static_cast<ssize_t>(sizeof growth))
        growth = 0;
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return growth;
}

void openUniverse(benchmark::State& state) {
    const int hexCount = static_cast<int>(state.range(0));
    const auto& file = universeFile(hexCount);
    const double fileBytes = static_cast<double>(std::filesystem::file_size(file));
    for (auto _ : state) {
        const auto text = core::readWholeFile(file);
        const UniverseRecord universe = decodeUniverse(*text);
        benchmark::DoNotOptimize(universe.data.size());
    }
    state.counters["fileMB"] = fileBytes / 1e6;
    state.counters["peakMemoryPerFileSize"] =
        static_cast<double>(peakMemoryOfOpen(file)) / fileBytes;

    const std::string command =
        "python3 -c 'import json; json.load(open(\"" + file.string() + "\"))'";
    const double python = secondsOf([&] {
        if (std::system(command.c_str()) != 0)
            std::fprintf(stderr, "python3 failed\n");
    });
    double ours = 0;
    for (int i = 0; i < 2; ++i) {
        ours += secondsOf([&] {
            const auto text = core::readWholeFile(file);
            benchmark::DoNotOptimize(decodeUniverse(*text).data.size());
        });
    }
    ours /= 2;
    state.counters["pythonLoadSeconds"] = python;
    state.counters["timesFasterThanPython"] = python / ours;
}
BENCHMARK(openUniverse)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(2);

// Listing the universes reads every file's id and name, and checks that the file is
// whole JSON; the store does it after each open, rename and create.
void readUniverseHeader(benchmark::State& state) {
    const auto& file = universeFile(static_cast<int>(state.range(0)));
    const auto text = core::readWholeFile(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeUniverseHeader(*text).name);
}
BENCHMARK(readUniverseHeader)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(2);

// A full save: encode every hex, sorted and indented, and write atomically.
void saveUniverseFully(benchmark::State& state) {
    const UniverseRecord universe = syntheticUniverse(static_cast<int>(state.range(0)));
    const auto file = benchFolder() / "saved.json";
    for (auto _ : state)
        core::writeFileAtomically(file, encodeUniverse(universe));
}
BENCHMARK(saveUniverseFully)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(2);

// An open universe as the application holds it: files written on the background
// writer, whose reports are dropped here. Every figure below is what an edit or a
// save costs the window's thread; the write itself is waited for outside the timing.
struct OpenDocument {
    std::unique_ptr<RidivivevIzeviduv> universe;
    explicit OpenDocument(int hexCount) {
        UniverseRecord record = syntheticUniverse(hexCount);
        const auto file = benchFolder() / ("open-" + std::to_string(hexCount) + ".json");
        universe = std::make_unique<RidivivevIzeviduv>(std::move(record), file, nullptr, nullptr);
        universe->writeSavesInBackground([](std::function<void()>) {});
        universe->save(); // the first save encodes everything
    }
    void waitForWriter(benchmark::State& state) {
        state.PauseTiming();
        universe->abandonPendingSave();
        state.ResumeTiming();
    }
};

// A whole sector at full density, in a sector the synthetic universe leaves empty.
std::vector<core::HexData> generatedSector() {
    UniverseRecord sector = syntheticUniverse(1280);
    for (std::size_t i = 0; i < sector.data.size(); ++i)
        sector.data[i].coordinates = {0, 5, 1 + static_cast<int>(i % 32),
                                      1 + static_cast<int>(i / 32)};
    return sector.data;
}

// The save after a map pan: nothing but view settings changed since the last save.
void windowCostOfPanSave(benchmark::State& state) {
    OpenDocument open(static_cast<int>(state.range(0)));
    double scale = 1.0;
    for (auto _ : state) {
        MapViewSettings view = open.universe->mapView();
        view.mapTransform = MapTransform{scale += 0.1, 10, 20};
        open.universe->setMapView(view); // without a delay, saves at once
        open.waitForWriter(state);
    }
}
BENCHMARK(windowCostOfPanSave)
    ->Arg(10000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// Editing one system: the edit, its undo record and the save.
void windowCostOfOneSystemEdit(benchmark::State& state) {
    OpenDocument open(static_cast<int>(state.range(0)));
    int edits = 0;
    for (auto _ : state) {
        core::HexData hex = open.universe->data()[17];
        hex.notes = "edited " + std::to_string(++edits);
        open.universe->replaceHex(std::move(hex), "Edit System 17");
        open.waitForWriter(state);
    }
}
BENCHMARK(windowCostOfOneSystemEdit)
    ->Arg(10000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// Saving a generated sector of 1,280 systems into the universe, then its undo and redo.
void windowCostOfAreaGeneration(benchmark::State& state) {
    OpenDocument open(static_cast<int>(state.range(0)));
    const std::vector<core::HexData> sector = generatedSector();
    for (auto _ : state) {
        UniverseEdit edit = open.universe->beginEdit("Generate Sector 05");
        for (const core::HexData& hex : sector)
            edit.addHex(hex);
        open.universe->apply(std::move(edit));
        open.waitForWriter(state);
        state.PauseTiming();
        open.universe->undo();
        open.universe->abandonPendingSave();
        state.ResumeTiming();
    }
}
BENCHMARK(windowCostOfAreaGeneration)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(5);

void undoAndRedoAreaGeneration(benchmark::State& state) {
    OpenDocument open(static_cast<int>(state.range(0)));
    UniverseEdit edit = open.universe->beginEdit("Generate Sector 05");
    for (const core::HexData& hex : generatedSector())
        edit.addHex(hex);
    open.universe->apply(std::move(edit));
    open.universe->abandonPendingSave();
    for (auto _ : state) {
        open.universe->undo();
        open.waitForWriter(state);
        open.universe->redo();
        open.waitForWriter(state);
    }
}
BENCHMARK(undoAndRedoAreaGeneration)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
