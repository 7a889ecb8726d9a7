#include "core/file_io.h"
#include "support/child_process.h"
#include "support/sample_hex.h"
#include "support/temporary_folder.h"
#include "universe/universe_codec.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>
#include <random>

using namespace velmora;
using velmora::testing::ChildProcess;
using velmora::testing::TemporaryFolder;

namespace {

std::size_t fromEnvironment(const char* name, std::size_t fallback) {
    const char* text = std::getenv(name);
    return text ? static_cast<std::size_t>(std::strtoul(text, nullptr, 10)) : fallback;
}

} // namespace

// A save cut short by SIGKILL at any moment leaves the universe as it was or as the
// save made it, never a broken file. VELMORA_KILL_HEXES and VELMORA_KILL_ROUNDS
// scale it up for a longer run (10,000 hexes and 100 kills).
TEST(KillDuringSave, TheFileIsAlwaysTheOldOrTheNewUniverse) {
    const std::size_t hexes = fromEnvironment("VELMORA_KILL_HEXES", 2000);
    const std::size_t rounds = fromEnvironment("VELMORA_KILL_ROUNDS", 20);
    TemporaryFolder data;
    TemporaryFolder logs;
    universe::UniverseRecord record;
    record.name = "Spinward Marches";
    for (std::size_t i = 0; i < hexes; ++i) {
        core::HexData hex = velmora::testing::sampleHex();
        hex.id = core::Uuid::generate();
        const int sector = static_cast<int>(i / 1280);
        const int inSector = static_cast<int>(i % 1280);
        hex.coordinates = {sector, 0, inSector / 40 + 1, inSector % 40 + 1};
        record.data.push_back(std::move(hex));
    }
    const auto file = data / "Universes" / (record.id.toString() + ".json");
    data.write(file.lexically_relative(data.path()), universe::encodeUniverse(record));

    // Each run adds one system in sector (100, 0), one hex after the other.
    const auto save = [&](std::size_t round) {
        const std::string hex = "100,0," + std::string(round % 32 + 1 < 10 ? "0" : "") +
                                std::to_string(round % 32 + 1) +
                                std::string(round / 32 + 1 < 10 ? "0" : "") +
                                std::to_string(round / 32 + 1);
        return std::make_unique<ChildProcess>(
            std::vector<std::string>{VELMORA_CLI, "--data-dir", data.path().string(), "generate",
                                     "--hex", hex, "--save"},
            logs, "save");
    };
    // How long one whole save takes here, so that the kills fall across all of it.
    const auto started = std::chrono::steady_clock::now();
    auto first = save(0);
    ASSERT_EQ(first->waitForExit(), 0) << first->err();
    const auto whole = std::chrono::steady_clock::now() - started;
    std::size_t expected = hexes + 1;

    std::mt19937 random(20261206);
    std::uniform_int_distribution<long long> moment(
        0, std::chrono::duration_cast<std::chrono::microseconds>(whole).count() * 5 / 4);
    std::size_t cutShort = 0;
    for (std::size_t round = 1; round <= rounds; ++round) {
        auto running = save(round);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        running->kill(SIGKILL);
        const auto status = running->waitForExit();
        ASSERT_TRUE(status);
        cutShort += *status == 128 + SIGKILL ? 1 : 0;

        const auto text = core::readWholeFile(file);
        ASSERT_TRUE(text) << "round " << round;
        universe::UniverseRecord after;
        ASSERT_NO_THROW(after = universe::decodeUniverse(*text)) << "round " << round;
        EXPECT_EQ(after.id, record.id);
        ASSERT_TRUE(after.data.size() == expected || after.data.size() == expected + 1)
            << "round " << round << ": " << after.data.size() << " hexes, " << expected
            << " before the save";
        expected = after.data.size();
    }
    std::cout << rounds << " saves of a " << hexes << "-hex universe: " << cutShort
              << " killed before they ended; the universe grew by " << expected - hexes - 1
              << " systems\n";
}
