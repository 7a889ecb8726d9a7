#include "universe/universe_header_cache.h"

#include "core/core_json.h"
#include "core/file_io.h"
#include "core/json_support.h"

#include <system_error>

namespace velmora::universe {

using core::Json;

UniverseHeaderCache::UniverseHeaderCache(std::filesystem::path file) : m_file(std::move(file)) {
    const auto text = core::readWholeFile(m_file);
    if (!text)
        return;
    const Json root = Json::parse(*text, nullptr, false);
    if (!root.is_object())
        return;
    for (const auto& [name, entry] : root.items()) {
        try {
            Entry read;
            read.stamp.size = entry.at("size").get<std::uintmax_t>();
            read.stamp.modified = entry.at("modified").get<std::int64_t>();
            read.header.id = entry.at("id").get<core::Uuid>();
            read.header.name = entry.at("name").get<std::string>();
            m_entries.emplace(name, std::move(read));
        } catch (const std::exception&) {
            // An entry that cannot be read is read from its file instead.
        }
    }
}

std::optional<UniverseHeaderCache::Stamp>
UniverseHeaderCache::stampOf(const std::filesystem::path& universeFile) {
    std::error_code error;
    const auto size = std::filesystem::file_size(universeFile, error);
    if (error)
        return std::nullopt;
    const auto modified = std::filesystem::last_write_time(universeFile, error);
    if (error)
        return std::nullopt;
    return Stamp{
        size, static_cast<std::int64_t>(
                  std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch())
                      .count())};
}

std::optional<std::string> UniverseHeaderCache::lastKnownName(const std::string& fileName) const {
    const auto it = m_entries.find(fileName);
    if (it == m_entries.end())
        return std::nullopt;
    return it->second.header.name;
}

std::optional<UniverseHeader> UniverseHeaderCache::find(const std::string& name,
                                                        const Stamp& stamp) const {
    const auto it = m_entries.find(name);
    if (it == m_entries.end() || it->second.stamp != stamp)
        return std::nullopt;
    return it->second.header;
}

void UniverseHeaderCache::remember(const std::string& name, const Stamp& stamp,
                                   const UniverseHeader& header) {
    Entry& entry = m_entries[name];
    if (entry.stamp == stamp && entry.header == header)
        return;
    entry = {stamp, header};
    m_changed = true;
}

void UniverseHeaderCache::keepOnly(const std::map<std::string, Stamp>& present) {
    m_changed |= std::erase_if(m_entries, [&](const auto& entry) {
                     return present.count(entry.first) == 0;
                 }) > 0;
}

void UniverseHeaderCache::saveIfChanged() {
    if (!m_changed)
        return;
    Json root = Json::object();
    for (const auto& [name, entry] : m_entries) {
        root[name] = Json{{"size", entry.stamp.size},
                          {"modified", entry.stamp.modified},
                          {"id", entry.header.id},
                          {"name", entry.header.name}};
    }
    if (core::writeFileAtomically(m_file, root.dump(2)).ok)
        m_changed = false;
}

} // namespace velmora::universe
