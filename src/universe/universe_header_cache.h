#pragma once

#include "universe/universe_record.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace velmora::universe {

// The id and name of each universe file, remembered with the file's size and time
// of last change. Listing the universes then reads only the files that changed
// since: a file of hundreds of megabytes is read once, not at every start. The
// cache is only ever a shortcut; losing it, or finding it unreadable, costs time
// and nothing else.
class UniverseHeaderCache {
public:
    struct Stamp {
        std::uintmax_t size = 0;
        std::int64_t modified = 0; // nanoseconds since the file clock's epoch
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };

    explicit UniverseHeaderCache(std::filesystem::path file);

    static std::optional<Stamp> stampOf(const std::filesystem::path& universeFile);

    // The remembered header of the file, if the file has not changed since.
    std::optional<UniverseHeader> find(const std::string& fileName, const Stamp& stamp) const;
    void remember(const std::string& fileName, const Stamp& stamp, const UniverseHeader& header);
    // The name the file had when it was last read, whatever became of it since.
    std::optional<std::string> lastKnownName(const std::string& fileName) const;
    // Forgets every file not in `present`.
    void keepOnly(const std::map<std::string, Stamp>& present);
    // Writes the cache when it changed; a failure only costs the next listing time.
    void saveIfChanged();

    static constexpr const char* fileName = ".headers.cache";

private:
    struct Entry {
        Stamp stamp;
        UniverseHeader header;
    };
    std::filesystem::path m_file;
    std::map<std::string, Entry> m_entries;
    bool m_changed = false;
};

} // namespace velmora::universe
