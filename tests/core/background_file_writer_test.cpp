#include "core/background_file_writer.h"
#include "support/temporary_folder.h"

#include <atomic>
#include <gtest/gtest.h>

using namespace velmora::core;
using velmora::testing::TemporaryFolder;

TEST(BackgroundFileWriter, LatestContentsLandAndFailuresAreReported) {
    TemporaryFolder folder;
    std::atomic<int> finished = 0;
    std::string failure;
    {
        BackgroundFileWriter writer;
        for (int i = 0; i < 50; ++i)
            writer.write(folder / "map.json", "version " + std::to_string(i),
                         [&](const FileResult&) { ++finished; });
        writer.write(folder / "missing-folder/x.json", "never", [&](const FileResult& result) {
            if (!result.ok)
                failure = result.error;
        });
        writer.waitUntilIdle();
        EXPECT_FALSE(writer.isBusy());
        EXPECT_EQ(folder.read("map.json"), "version 49");
        // Writes queued behind a running one are replaced by newer ones of the same file.
        EXPECT_LE(finished.load(), 50);
        EXPECT_GE(finished.load(), 1);
        EXPECT_NE(failure.find("missing-folder"), std::string::npos);
        writer.write(folder / "last.json", "written before the writer goes");
    }
    EXPECT_EQ(folder.read("last.json"), "written before the writer goes");
}
