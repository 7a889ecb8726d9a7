#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::core {

// Whole-file reads and atomic writes: a write goes to a temporary file beside the
// target, is flushed to disk and then renamed over it, so a crash mid-save leaves
// the previous file intact.

struct FileResult {
    bool ok = true;
    std::string error; // the system's description of the failure when !ok
};

// The whole file, or the error text in `error`.
std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::string* error = nullptr);

FileResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace velmora::core
