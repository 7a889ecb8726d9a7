// Sector files at the sizes referees meet: the real Spinward Marches listing
// (439 worlds, tab-delimited) and the legacy fixed-column file read and converted
// into hexes; a hundred synthetic sectors in one go; and a full sector written out.

#include "core/file_io.h"
#include "generator/secure_random_pool.h"
#include "sector_io/imported_world.h"
#include "sector_io/sec_export.h"
#include "sector_io/sec_rows.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

using namespace velmora;

namespace {

// The fixtures live beside the repository, in the shared folder.
std::string fixture(const char* name) {
    const auto folder = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
                        "shared" / "fixtures" / "travellermap";
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
        auto written = sector_io::secExportText(hexes, sector_io::SecSector{0, 0, "Full"}, {});
        benchmark::DoNotOptimize(written);
    }
    state.counters["hexes"] = static_cast<double>(hexes.size());
}
BENCHMARK(ExportFullSector)->Unit(benchmark::kMillisecond);

} // namespace
