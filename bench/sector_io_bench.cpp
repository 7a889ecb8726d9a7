// Sector files at the sizes referees meet: the real Spinward Marches listing
// (439 worlds, tab-delimited) and the legacy fixed-column file read and converted
// into hexes; a hundred synthetic sectors in one go; a full sector written out;
// and the map service's answers for that sector read, converted and applied.

#include "core/file_io.h"
#include "generator/secure_random_pool.h"
#include "sector_io/imported_world.h"
#include "sector_io/sec_export.h"
#include "sector_io/sec_rows.h"
#include "sector_io/travellermap_apply.h"
#include "sector_io/travellermap_importer.h"
#include "universe/ridivivev_izeviduv.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

using namespace velmora;

namespace {

// The fixtures the tests read, in the repository.
std::string fixture(const char* name) {
    const auto folder = std::filesystem::path(__FILE__).parent_path().parent_path() / "tests" /
                        "fixtures" / "travellermap";
    return core::readWholeFile(folder / name).value_or("");
}

std::size_t convertAll(const std::string& text, int sectorX) {
    std::size_t worlds = 0;
    for (const auto& row : sector_io::secRows(text)) {
        auto world =
            sector_io::importedWorld(row, sectorX, 0, {}, generator::generatorRandomSource());
        worlds += world ? 1 : 0;
        benchmark::DoNotOptimize(world);
    }
    return worlds;
}

void ParseAndConvertFixture(benchmark::State& state, const char* name) {
    const std::string text = fixture(name);
    std::size_t worlds = 0;
    for (auto _ : state)
        worlds = convertAll(text, 0);
    state.counters["worlds"] = static_cast<double>(worlds);
}
BENCHMARK_CAPTURE(ParseAndConvertFixture, spinwardMarchesTab, "spinward-marches.tab")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ParseAndConvertFixture, legacySec, "legacy-example.sec")
    ->Unit(benchmark::kMillisecond);

// A sector with a world in every other hex, in the fixed columns.
std::string syntheticSector(int seed) {
    std::string text = "# Synthetic " + std::to_string(seed) + "\n#\n";
    static const char* remarks[] = {"Ag Ni", "Hi In Cp", "Ri Pa Ph", "Ba Va", "De Po", "Fl Wa Ni"};
    char line[96];
    for (int column = 1; column <= 32; ++column) {
        for (int row = 1; row <= 40; ++row) {
            if ((column + row + seed) % 2 != 0)
                continue;
            const int k = column * 41 + row + seed;
            std::snprintf(
                line, sizeof line,
                "World%-8c %02d%02d %c%d%d%d%d%d%d-%c  %s %-15s %c  %d%d%d Im G%d V M%d V\n",
                'a' + k % 26, column, row, "ABCDEX"[k % 6], k % 10, k % 9, k % 11 % 10, k % 7,
                k % 8, k % 6, "0123456789ABC"[k % 13], k % 5 == 0 ? "N" : " ", remarks[k % 6],
                k % 17 == 0 ? 'A' : ' ', k % 9, k % 3, k % 4, k % 10, k % 10);
            text += line;
        }
    }
    return text;
}

void ParseAndConvertHundredSectors(benchmark::State& state) {
    std::vector<std::string> sectors;
    for (int i = 0; i < 100; ++i)
        sectors.push_back(syntheticSector(i));
    std::size_t worlds = 0;
    for (auto _ : state) {
        worlds = 0;
        for (std::size_t i = 0; i < sectors.size(); ++i)
            worlds += convertAll(sectors[i], static_cast<int>(i));
    }
    state.counters["worlds"] = static_cast<double>(worlds);
    state.counters["worlds/s"] = benchmark::Counter(static_cast<double>(worlds),
                                                    benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(ParseAndConvertHundredSectors)->Unit(benchmark::kMillisecond);

// Every hex of a sector holds a system: the largest file one export writes.
void ExportFullSector(benchmark::State& state) {
    std::vector<core::HexData> hexes;
    const std::string text = syntheticSector(0) + syntheticSector(1);
    for (const auto& row : sector_io::secRows(text))
        if (auto world =
                sector_io::importedWorld(row, 0, 0, {}, generator::generatorRandomSource()))
            hexes.push_back(std::move(world->hexData));
    for (auto _ : state) {
        auto written = sector_io::secExportText(hexes, sector_io::SecSector{0, 0, "Full", ""}, {});
        benchmark::DoNotOptimize(written);
    }
    state.counters["hexes"] = static_cast<double>(hexes.size());
}
BENCHMARK(ExportFullSector)->Unit(benchmark::kMillisecond);

// The four answers of one import, from bytes to a download ready to apply.
sector_io::TravellerMapDownload readServiceAnswers() {
    sector_io::TravellerMapDownload download;
    const auto origin = sector_io::sectorOrigin(
        sector_io::decodeCoordinates(fixture("spinward-marches.coordinates.json")));
    download.sectorName = "Spinward Marches";
    download.sectorX = origin.sectorX;
    download.sectorY = origin.sectorY;
    download.allegiances =
        sector_io::allegianceTable(sector_io::decodeAllegiances(fixture("allegiances.json")));
    download.worlds = sector_io::importedWorldsFromTab(
                          fixture("spinward-marches.tab"), origin.sectorX, origin.sectorY,
                          download.allegiances, generator::generatorRandomSource())
                          .worlds;
    const auto metadata =
        sector_io::decodeSectorMetadata(fixture("spinward-marches.metadata.json"));
    download.metadataFetched = true;
    download.abbreviation = metadata.abbreviation;
    download.routes = sector_io::importedRoutes(metadata, origin.sectorX, origin.sectorY);
    download.regions = sector_io::importedRegions(metadata, origin.sectorX, origin.sectorY);
    download.labels = sector_io::subsectorLabels(metadata, origin.sectorX, origin.sectorY);
    return download;
}

void ReadServiceAnswers(benchmark::State& state) {
    for (auto _ : state) {
        auto download = readServiceAnswers();
        benchmark::DoNotOptimize(download);
    }
}
BENCHMARK(ReadServiceAnswers)->Unit(benchmark::kMillisecond);

// The apply step on the window's thread: factions, hexes, rutters, regions and
// labels into an empty universe, and its save.
void ApplySectorImport(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "velmora-bench-import";
    std::filesystem::create_directories(folder);
    const sector_io::TravellerMapDownload download = readServiceAnswers();
    for (auto _ : state) {
        state.PauseTiming();
        universe::RidivivevIzeviduv universe({}, folder / "universe.json", nullptr,
                                             [](const std::string&) {});
        auto copy = download;
        state.ResumeTiming();
        auto message = sector_io::applyTravellerMapImport(std::move(copy), {}, universe,
                                                          generator::generatorRandomSource());
        benchmark::DoNotOptimize(message);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(ApplySectorImport)->Unit(benchmark::kMillisecond);

} // namespace
