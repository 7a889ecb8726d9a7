#pragma once

#include "core/file_text.h"

#include <filesystem>
#include <functional>
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
std::optional<std::string> readWholeFile(const std::filesystem::path& path,
                                         std::string* error = nullptr);

FileResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);
FileResult writeFileAtomically(const std::filesystem::path& path, const FileText& text);

// How files are written: atomically to disk, or, where a test stands in for a
// full disk, however it likes.
using FileWriting = std::function<FileResult(const std::filesystem::path&, const FileText&)>;
FileWriting atomicFileWriting();

} // namespace velmora::core
