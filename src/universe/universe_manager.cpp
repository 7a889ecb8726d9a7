#include "universe/universe_manager.h"

#include "core/file_io.h"
#include "universe/universe_codec.h"
#include "universe/universe_header_cache.h"

#include <algorithm>
#include <map>
#include <system_error>

namespace velmora::universe {

namespace fs = std::filesystem;

namespace {

std::string trimmed(const std::string& text) {
    const auto isSpace = [](unsigned char c) { return std::isspace(c) != 0; };
    auto begin = std::find_if_not(text.begin(), text.end(), isSpace);
    auto end = std::find_if_not(text.rbegin(), std::make_reverse_iterator(begin), isSpace).base();
    return std::string(begin, end);
}

} // namespace

struct UniverseManager::Opened {
    std::unique_ptr<RidivivevIzeviduv> universe;
    std::string error;
};

UniverseManager::UniverseManager(Environment environment) : m_env(std::move(environment)) {
    ensureUniversesFolder();
    migrateLegacyFile();
    if (!m_env.openOnFirstUse)
        openAtStart();
}

RidivivevIzeviduv& UniverseManager::current() {
    // Opened on first use: a command that names another universe never reads this one.
    if (!m_current)
        openAtStart();
    return *m_current;
}

const RidivivevIzeviduv& UniverseManager::current() const {
    return const_cast<UniverseManager*>(this)->current();
}

const std::vector<UniverseHeader>& UniverseManager::headers() const {
    // The list includes the current universe, which may have to be made first.
    current();
    if (!m_headersListed)
        const_cast<UniverseManager*>(this)->refreshHeaders();
    return m_headers;
}

std::unique_ptr<RidivivevIzeviduv> UniverseManager::openStored(const core::Uuid& id,
                                                               std::string& error) const {
    Opened opened = open(fileFor(id));
    error = opened.error;
    return std::move(opened.universe);
}

UniverseManager::~UniverseManager() {
    // Quitting right after a pan must not lose the map's last position.
    if (m_current && m_current->hasPendingSave())
        m_current->save();
}

fs::path UniverseManager::universesFolder() const {
    return m_env.documentsFolder / universesFolderName;
}

fs::path UniverseManager::fileFor(const core::Uuid& id) const {
    return universesFolder() / (id.toString() + ".json");
}

void UniverseManager::log(const std::string& line) const {
    if (m_env.log)
        m_env.log(line);
}

void UniverseManager::ensureUniversesFolder() const {
    std::error_code error;
    fs::create_directories(universesFolder(), error);
    if (error)
        log("Couldn't create the folder " + universesFolder().string() + ": " + error.message());
}

std::unique_ptr<RidivivevIzeviduv> UniverseManager::makeDocument(UniverseRecord record) const {
    const fs::path file = fileFor(record.id);
    auto universe = std::make_unique<RidivivevIzeviduv>(
        std::move(record), file, m_env.delayedCalls ? m_env.delayedCalls() : nullptr, m_env.log);
    if (m_env.backgroundSaves)
        universe->writeSavesInBackground(m_env.backgroundSaves);
    return universe;
}

UniverseManager::Opened UniverseManager::open(const fs::path& file) const {
    std::string error;
    const auto text = core::readWholeFile(file, &error);
    if (!text)
        return {nullptr, error};
    try {
        UniverseRecord record = decodeUniverse(*text);
        // The document always lives under its own id, whatever the file was called.
        return {makeDocument(std::move(record)), {}};
    } catch (const std::exception& decodeError) {
        return {nullptr, decodeError.what()};
    }
}

void UniverseManager::migrateLegacyFile() {
    Preferences& preferences = *m_env.preferences;
    if (preferences.flag(didMigrateToUniversesKey))
        return;
    const fs::path legacy = m_env.documentsFolder / legacyFileName;
    if (fs::exists(legacy)) {
        Opened opened = open(legacy);
        if (opened.universe) {
            RidivivevIzeviduv& universe = *opened.universe;
            // A file already stored under this id is left alone: it may be the
            // referee's newer work, or one we could not read.
            if (!fs::exists(universe.file())) {
                if (universe.name().empty() || universe.name() == "Untitled Universe")
                    universe.rename(defaultUniverseName);
                universe.save();
            }
            preferences.setText(lastUniverseIDKey, universe.id().toString());
        } else {
            log("Failed to migrate " + legacy.string() + ": " + opened.error);
        }
    }
    preferences.setFlag(didMigrateToUniversesKey, true);
}

void UniverseManager::openAtStart() {
    if (const auto lastId = m_env.preferences->text(lastUniverseIDKey)) {
        if (const auto id = core::Uuid::fromString(*lastId)) {
            Opened opened = open(fileFor(*id));
            if (opened.universe)
                m_current = std::move(opened.universe);
        }
    }
    if (!m_current) {
        refreshHeaders();
        if (!m_headers.empty()) {
            Opened opened = open(fileFor(m_headers.front().id));
            if (opened.universe)
                m_current = std::move(opened.universe);
        }
    }
    if (!m_current) {
        UniverseRecord record;
        record.name = defaultUniverseName;
        m_current = makeDocument(std::move(record));
        m_current->save();
    }
    m_env.preferences->setText(lastUniverseIDKey, m_current->id().toString());
    // A list made before a new universe was created must show it.
    if (m_headersListed)
        refreshHeaders();
}

void UniverseManager::refreshHeaders() {
    std::vector<UniverseHeader> headers;
    UniverseHeaderCache cache(universesFolder() / UniverseHeaderCache::fileName);
    std::map<std::string, UniverseHeaderCache::Stamp> present;
    std::error_code error;
    for (fs::directory_iterator it(universesFolder(), error), end; !error && it != end;
         it.increment(error)) {
        const fs::path& path = it->path();
        if (path.extension() != ".json")
            continue;
        const auto stamp = UniverseHeaderCache::stampOf(path);
        if (!stamp)
            continue;
        const std::string name = path.filename().string();
        present.emplace(name, *stamp);
        if (const auto known = cache.find(name, *stamp)) {
            headers.push_back(*known);
            continue;
        }
        const auto text = core::readWholeFile(path);
        if (!text)
            continue;
        try {
            headers.push_back(decodeUniverseHeader(*text));
            cache.remember(name, *stamp, headers.back());
        } catch (const std::exception&) {
            // Unreadable files are not listed, and never touched.
        }
    }
    cache.keepOnly(present);
    cache.saveIfChanged();
    const NameOrder& order = m_env.nameOrder;
    std::stable_sort(headers.begin(), headers.end(),
                     [&](const UniverseHeader& a, const UniverseHeader& b) {
                         return order ? order(a.name, b.name) < 0 : a.name < b.name;
                     });
    m_headers = std::move(headers);
    m_headersListed = true;
    m_changed.notify();
}

void UniverseManager::clearLoadError() {
    m_loadError.reset();
    m_changed.notify();
}

void UniverseManager::clearDeleteError() {
    m_deleteError.reset();
    m_changed.notify();
}

void UniverseManager::replaceCurrent(std::unique_ptr<RidivivevIzeviduv> universe) {
    // A pending map save of the universe we leave is written first.
    if (m_current && m_current->hasPendingSave())
        m_current->save();
    m_current = std::move(universe);
    m_env.preferences->setText(lastUniverseIDKey, m_current->id().toString());
    m_currentReplaced.notify();
    m_changed.notify();
}

void UniverseManager::switchTo(const core::Uuid& id) {
    if (m_current && m_current->id() == id)
        return;
    Opened opened = open(fileFor(id));
    if (!opened.universe) {
        m_loadError = "Couldn\u2019t open that universe \u2014 its file may be corrupt.";
        log("Failed to load universe " + id.toString() + ": " + opened.error);
        m_changed.notify();
        return;
    }
    m_loadError.reset();
    replaceCurrent(std::move(opened.universe));
}

void UniverseManager::createAndOpen(const std::string& name) {
    UniverseRecord record;
    record.name = name;
    auto universe = makeDocument(std::move(record));
    universe->save();
    replaceCurrent(std::move(universe));
    refreshHeaders();
}

void UniverseManager::createUniverse(const std::string& name) {
    const std::string cleaned = trimmed(name);
    createAndOpen(cleaned.empty() ? "Untitled Universe" : cleaned);
}

std::optional<std::string> UniverseManager::renameCurrent(const std::string& name) {
    const EditResult result = current().rename(name);
    refreshHeaders();
    if (!result)
        return result.error;
    return std::nullopt;
}

void UniverseManager::deleteUniverse(const core::Uuid& id) {
    const fs::path file = fileFor(id);
    // A save of the universe being deleted must not bring its file back.
    if (m_current && m_current->id() == id)
        m_current->abandonPendingSave();
    std::error_code error;
    fs::remove(file, error);
    if (error) {
        m_deleteError = "Couldn't delete that universe: " + error.message();
        m_changed.notify();
        return;
    }
    if (fs::exists(file)) {
        m_deleteError = "The universe file could not be removed.";
        m_changed.notify();
        return;
    }
    m_deleteError.reset();
    refreshHeaders();
    if (current().id() != id)
        return;
    // The deleted universe must not be written back by a pending save.
    m_current.reset();
    for (const UniverseHeader& header : m_headers) {
        Opened opened = open(fileFor(header.id));
        if (opened.universe) {
            replaceCurrent(std::move(opened.universe));
            return;
        }
    }
    createAndOpen(defaultUniverseName);
}

std::string UniverseManager::suggestedBackupName() const {
    return current().name() + "-backup.json";
}

std::optional<std::string> UniverseManager::backup(const fs::path& destination) {
    try {
        const core::FileResult result =
            core::writeFileAtomically(destination, encodeUniverse(current().record()));
        if (!result.ok) {
            log("Universe backup failed: " + result.error);
            return result.error;
        }
    } catch (const std::exception& error) {
        log(std::string("Universe backup failed: ") + error.what());
        return std::string(error.what());
    }
    log("Universe backed up to: " + destination.string());
    return std::nullopt;
}

std::optional<std::string> UniverseManager::restoreBackup(const fs::path& source,
                                                          const ConfirmOverwrite& confirm) {
    std::string readError;
    const auto text = core::readWholeFile(source, &readError);
    if (!text)
        return std::string("Couldn't access the selected file.");
    UniverseRecord record;
    try {
        record = decodeUniverse(*text);
    } catch (const std::exception& error) {
        const std::string description = error.what();
        return "Failed to restore backup: " +
               (description.empty()
                    ? std::string("Unknown error occurred while restoring the backup.")
                    : description);
    }
    const auto& listed = headers();
    const auto existing = std::find_if(listed.begin(), listed.end(),
                                       [&](const UniverseHeader& h) { return h.id == record.id; });
    if (existing != listed.end()) {
        const OverwriteQuestion question{
            "Overwrite Universe?",
            "A universe named \"" + existing->name +
                "\" already exists and will be replaced with the contents of this backup."};
        if (!confirm || !confirm(question))
            return std::nullopt;
    } else if (fs::exists(fileFor(record.id))) {
        // A stored file with this id that we cannot read is never overwritten.
        return std::string(
            "Failed to restore backup: a universe file with the same id exists and could not be "
            "read, so it was left untouched.");
    }
    auto universe = makeDocument(std::move(record));
    if (!universe->save())
        return "Failed to restore backup: couldn't write " + universe->file().string();
    if (m_current && m_current->id() == universe->id())
        m_current.reset(); // the old object must not save over the restored file
    replaceCurrent(std::move(universe));
    refreshHeaders();
    return std::nullopt;
}

} // namespace velmora::universe
