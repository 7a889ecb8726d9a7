#pragma once

#include "core/file_io.h"

#include <filesystem>

namespace velmora::core {

// Every save keeps the version it replaces in a ".previous" folder beside the file,
// under the same name, so a file that can no longer be read can be brought back as
// it was one save earlier. The folder starts with a dot, so listings pass over it.

inline constexpr const char* previousVersionsFolderName = ".previous";

// Where the previous version of `file` is kept.
std::filesystem::path previousVersionOf(const std::filesystem::path& file);

// Keeps what `file` holds now as its previous version. The file is hard-linked
// rather than copied, since an atomic save replaces the name, never the contents:
// keeping a version of hundreds of megabytes costs nothing. Nothing to do when the
// file does not exist yet.
FileResult keepPreviousVersion(const std::filesystem::path& file);

// `write`, keeping each file's previous version first. A version that cannot be
// kept does not stop the save, which matters more; `onFailure` hears of it.
FileWriting keepingPreviousVersions(FileWriting write,
                                    std::function<void(const std::string&)> onFailure = {});

// Puts the previous version back in the file's place, and the file in the previous
// version's, so neither is lost and doing it twice changes nothing.
FileResult swapWithPreviousVersion(const std::filesystem::path& file);

} // namespace velmora::core
