#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace velmora::universe::detail {

// Runs work(from, to, stop) over [0, count) in contiguous blocks, one per core, when
// there is enough to share. A block runs to its end, its first failure, or until an
// earlier block has failed (stop() turns true); the failure of the earliest block is
// rethrown, so the error is the one a single pass would meet first.
template <typename Work>
void inBlocks(std::size_t count, Work work) {
    constexpr std::size_t worthSharing = 256;
    const std::size_t blocks =
        count < worthSharing ? 1
                             : std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 4);
    std::vector<std::exception_ptr> failures(blocks);
    std::atomic<std::size_t> firstFailedBlock{blocks};
    const auto runBlock = [&](std::size_t block) {
        try {
            work(count * block / blocks, count * (block + 1) / blocks,
                 [&] { return firstFailedBlock.load(std::memory_order_relaxed) < block; });
        } catch (...) {
            failures[block] = std::current_exception();
            std::size_t failed = firstFailedBlock.load();
            while (block < failed && !firstFailedBlock.compare_exchange_weak(failed, block)) {
            }
        }
    };
    std::vector<std::thread> helpers;
    helpers.reserve(blocks);
    std::size_t started = 1;
    try {
        for (; started < blocks; ++started)
            helpers.emplace_back(runBlock, started);
    } catch (const std::system_error&) {
        // No thread to be had: this one does the rest.
    }
    for (std::size_t block = started; block < blocks; ++block)
        runBlock(block);
    runBlock(0);
    for (std::thread& helper : helpers)
        helper.join();
    for (const std::exception_ptr& failure : failures) {
        if (failure)
            std::rethrow_exception(failure);
    }
}

} // namespace velmora::universe::detail
