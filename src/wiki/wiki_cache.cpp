#include "wiki/wiki_cache.h"

#include "core/file_io.h"
#include "wiki/wiki_records_json.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <system_error>

namespace velmora::wiki {

namespace {

using nlohmann::json;

// What identifies an answer: the wiki, the question and its subject.
std::string searchKey(const std::string& address, const std::string& query, int limit) {
    return "search\n" + address + "\n" + std::to_string(limit) + "\n" + query;
}

std::string articleKey(const std::string& address, const std::string& title) {
    return "article\n" + address + "\n" + title;
}

std::string hashText(const std::string& key) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : key) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    static constexpr char digits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = digits[hash & 0xF];
        hash >>= 4;
    }
    return text;
}

bool isEntry(const std::filesystem::directory_entry& entry) {
    return entry.is_regular_file() && entry.path().extension() == ".json";
}

// The saved document for `key`, or nothing when there is none or it is unreadable
// or belongs to another key.
std::optional<json> readEntry(const std::filesystem::path& file, const std::string& key) {
    const auto text = core::readWholeFile(file);
    if (!text)
        return std::nullopt;
    json document = json::parse(*text, nullptr, /*allow_exceptions=*/false);
    const auto found = document.is_object() ? document.find("key") : document.end();
    if (!document.is_object() || found == document.end() || !found->is_string() ||
        found->get<std::string>() != key)
        return std::nullopt;
    return document;
}

template <typename T>
std::optional<SavedAnswer<T>> savedAnswer(const std::optional<json>& document, const char* field) {
    if (!document)
        return std::nullopt;
    try {
        const auto savedAt = core::parseIso8601(document->at("savedAt").get<std::string>());
        if (!savedAt)
            return std::nullopt;
        return SavedAnswer<T>{document->at(field).get<T>(), *savedAt};
    } catch (const json::exception&) {
        return std::nullopt;
    }
}

} // namespace

WikiCache::WikiCache(std::filesystem::path folder, std::size_t capacity, core::Clock clock)
    : m_folder(std::move(folder)), m_capacity(std::max<std::size_t>(capacity, 1)),
      m_clock(std::move(clock)) {}

std::filesystem::path WikiCache::fileFor(const std::string& key) const {
    return m_folder / (hashText(key) + ".json");
}

void WikiCache::storeSearch(const std::string& address, const std::string& query, int limit,
                            const std::vector<SearchResult>& results) {
    const std::string key = searchKey(address, query, limit);
    json document = {{"key", key},         {"address", address},
                     {"query", query},     {"limit", limit},
                     {"results", results}, {"savedAt", core::iso8601Text(m_clock())}};
    store(key, document.dump(2) + "\n");
}

void WikiCache::storeArticle(const std::string& address, const std::string& title,
                             const Article& article) {
    const std::string key = articleKey(address, title);
    json document = {{"key", key},
                     {"address", address},
                     {"title", title},
                     {"article", article},
                     {"savedAt", core::iso8601Text(m_clock())}};
    store(key, document.dump(2) + "\n");
}

void WikiCache::store(const std::string& key, const std::string& document) {
    std::error_code error;
    std::filesystem::create_directories(m_folder, error);
    if (error)
        return;
    const std::filesystem::path file = fileFor(key);
    if (!core::writeFileAtomically(file, document).ok)
        return;
    // The file system's clock is coarse: answers saved within one tick would tie,
    // so each save is stamped later than the one before.
    const auto now = std::filesystem::file_time_type::clock::now();
    m_lastWritten = std::max(now, m_lastWritten + std::chrono::microseconds(1));
    std::filesystem::last_write_time(file, m_lastWritten, error);
    removeOldest();
}

void WikiCache::removeOldest() const {
    struct Entry {
        std::filesystem::file_time_type written;
        std::filesystem::path path;
    };
    std::vector<Entry> entries;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder, error)) {
        if (isEntry(entry))
            entries.push_back({entry.last_write_time(error), entry.path()});
    }
    if (entries.size() <= m_capacity)
        return;
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.written != b.written ? a.written < b.written : a.path < b.path;
    });
    for (std::size_t i = 0; i + m_capacity < entries.size(); ++i)
        std::filesystem::remove(entries[i].path, error);
}

std::optional<SavedAnswer<std::vector<SearchResult>>>
WikiCache::search(const std::string& address, const std::string& query, int limit) const {
    const std::string key = searchKey(address, query, limit);
    return savedAnswer<std::vector<SearchResult>>(readEntry(fileFor(key), key), "results");
}

std::optional<SavedAnswer<Article>> WikiCache::article(const std::string& address,
                                                       const std::string& title) const {
    const std::string key = articleKey(address, title);
    return savedAnswer<Article>(readEntry(fileFor(key), key), "article");
}

std::size_t WikiCache::entryCount() const {
    std::size_t count = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder, error)) {
        if (isEntry(entry))
            ++count;
    }
    return count;
}

} // namespace velmora::wiki
