#pragma once

#include "core/timestamp.h"
#include "wiki/wiki_records.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmora::wiki {

// The folder of saved answers, inside the data folder.
inline constexpr const char* wikiCacheFolderName = "WikiCache";

template <typename T>
struct SavedAnswer {
    T value;
    core::Timestamp savedAt;
};

// The wiki's last answers, kept so that what was read once can be read again
// without a network: one JSON file per answer, named after what was asked of
// which wiki, each written atomically. Past the capacity the answers saved
// longest ago go first. A file that cannot be read is treated as never saved and
// is replaced by the next answer.
class WikiCache {
public:
    static constexpr std::size_t defaultCapacity = 300;

    explicit WikiCache(std::filesystem::path folder, std::size_t capacity = defaultCapacity,
                       core::Clock clock = core::systemNow);

    const std::filesystem::path& folder() const { return m_folder; }

    // Keeping an answer is best effort: a full disk costs the saved copy, nothing else.
    void storeSearch(const std::string& address, const std::string& query, int limit,
                     const std::vector<SearchResult>& results);
    void storeArticle(const std::string& address, const std::string& title, const Article& article);

    std::optional<SavedAnswer<std::vector<SearchResult>>>
    search(const std::string& address, const std::string& query, int limit) const;
    std::optional<SavedAnswer<Article>> article(const std::string& address,
                                                const std::string& title) const;

    std::size_t entryCount() const;

private:
    std::filesystem::path fileFor(const std::string& key) const;
    void store(const std::string& key, const std::string& document);
    void removeOldest() const;

    std::filesystem::path m_folder;
    std::size_t m_capacity;
    core::Clock m_clock;
    std::filesystem::file_time_type m_lastWritten{};
};

} // namespace velmora::wiki
