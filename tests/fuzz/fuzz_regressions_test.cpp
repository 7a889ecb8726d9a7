#include "core/file_io.h"
#include "fuzz_checks.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace velmora::fuzz {

// Tests are named after their target; this names it in GoogleTest's messages too.
void PrintTo(const FuzzTarget& target, std::ostream* out) {
    *out << target.name;
}

} // namespace velmora::fuzz

namespace {

namespace fs = std::filesystem;
using velmora::fuzz::FuzzTarget;

std::vector<fs::path> inputsIn(const fs::path& folder) {
    std::vector<fs::path> files;
    if (fs::is_directory(folder)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            if (entry.is_regular_file())
                files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

fs::path seedsOf(const FuzzTarget& target) {
    return fs::path(VELMORA_SOURCE_DIR) / "fuzz" / "corpus" / target.name;
}

fs::path findingsOf(const FuzzTarget& target) {
    return fs::path(VELMORA_FIXTURES_DIR) / "fuzz-regressions" / target.name;
}

// A failed check aborts the test: the last line it printed names the input.
void replay(const FuzzTarget& target, const fs::path& file) {
    std::fprintf(stderr, "%s\n", file.c_str());
    const auto bytes = velmora::core::readWholeFile(file);
    ASSERT_TRUE(bytes) << file;
    target.check(*bytes);
}

class FuzzRegressions : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzRegressions, EveryFindingPassesItsCheck) {
    for (const fs::path& file : inputsIn(findingsOf(GetParam())))
        replay(GetParam(), file);
}

// The seeds are real files of each kind; the checks pass on them as on anything.
TEST_P(FuzzRegressions, EverySeedPassesItsCheck) {
    const std::vector<fs::path> seeds = inputsIn(seedsOf(GetParam()));
    EXPECT_FALSE(seeds.empty()) << "no seeds in " << seedsOf(GetParam());
    for (const fs::path& file : seeds)
        replay(GetParam(), file);
}

// Every folder of kept inputs belongs to a target, so none is skipped by a typo.
TEST(FuzzRegressionFolders, NameTheirTargets) {
    for (const fs::path& root : {fs::path(VELMORA_FIXTURES_DIR) / "fuzz-regressions",
                                 fs::path(VELMORA_SOURCE_DIR) / "fuzz" / "corpus"}) {
        ASSERT_TRUE(fs::is_directory(root)) << root;
        for (const fs::directory_entry& entry : fs::directory_iterator(root)) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(std::any_of(std::begin(velmora::fuzz::fuzzTargets),
                                    std::end(velmora::fuzz::fuzzTargets),
                                    [&](const FuzzTarget& target) { return target.name == name; }))
                << entry.path();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzRegressions, ::testing::ValuesIn(velmora::fuzz::fuzzTargets),
                         [](const ::testing::TestParamInfo<FuzzTarget>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
