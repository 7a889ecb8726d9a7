#include "core/previous_version.h"

#include <system_error>
#include <unistd.h>

namespace velmora::core {

namespace fs = std::filesystem;

namespace {

FileResult failure(const std::string& what, const std::error_code& error) {
    return {false, what + ": " + error.message()};
}

// A name beside `path` that no other process writing the same folder uses.
fs::path sideName(const fs::path& path, const char* purpose) {
    return path.parent_path() /
           (path.filename().string() + "." + purpose + "-" + std::to_string(::getpid()));
}

} // namespace

fs::path previousVersionOf(const fs::path& file) {
    return file.parent_path() / previousVersionsFolderName / file.filename();
}

FileResult keepPreviousVersion(const fs::path& file) {
    std::error_code error;
    if (!fs::exists(file, error))
        return {};
    const fs::path previous = previousVersionOf(file);
    fs::create_directories(previous.parent_path(), error);
    if (error)
        return failure("Couldn't create " + previous.parent_path().string(), error);
    // Linked (or copied) under a side name first, then renamed over the old one:
    // a crash in between leaves the previous version as it was.
    const fs::path staging = sideName(previous, "keeping");
    fs::remove(staging, error);
    fs::create_hard_link(file, staging, error);
    if (error) {
        error.clear();
        fs::copy_file(file, staging, fs::copy_options::overwrite_existing, error);
    }
    if (error)
        return failure("Couldn't keep the previous version of " + file.string(), error);
    fs::rename(staging, previous, error);
    if (error) {
        std::error_code ignored;
        fs::remove(staging, ignored);
        return failure("Couldn't keep the previous version of " + file.string(), error);
    }
    return {};
}

FileWriting keepingPreviousVersions(FileWriting write,
                                    std::function<void(const std::string&)> onFailure) {
    return [write = std::move(write), onFailure = std::move(onFailure)](const fs::path& path,
                                                                        const FileText& text) {
        if (const FileResult kept = keepPreviousVersion(path); !kept.ok && onFailure)
            onFailure(kept.error);
        return write(path, text);
    };
}

FileResult swapWithPreviousVersion(const fs::path& file) {
    const fs::path previous = previousVersionOf(file);
    std::error_code error;
    if (!fs::exists(previous, error))
        return {false, "There is no previous version of " + file.string() + "."};
    if (!fs::exists(file, error)) {
        fs::rename(previous, file, error);
        return error ? failure("Couldn't put back " + file.string(), error) : FileResult{};
    }
    // Three renames, each atomic: whatever happens in between, both versions stay
    // on disk under one name or another.
    const fs::path parked = sideName(previous, "swapping");
    fs::rename(file, parked, error);
    if (error)
        return failure("Couldn't move " + file.string() + " aside", error);
    fs::rename(previous, file, error);
    if (error) {
        std::error_code ignored;
        fs::rename(parked, file, ignored);
        return failure("Couldn't put back " + file.string(), error);
    }
    fs::rename(parked, previous, error);
    if (error)
        return failure("Couldn't keep " + file.string() + " as the previous version", error);
    return {};
}

} // namespace velmora::core
