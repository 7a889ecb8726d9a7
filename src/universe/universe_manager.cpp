#include "universe/universe_manager.h"

#include "core/file_io.h"
#include "core/previous_version.h"
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

const std::vector<UniverseManager::UnreadableUniverse>& UniverseManager::unreadable() const {
    headers();
    return m_unreadable;
}

void UniverseManager::dismissNotReopened() {
    m_notReopened.reset();
    m_changed.notify();
}

std::string UniverseManager::unreadableMessage(const UnreadableUniverse& universe) {
    std::string message = "Couldn\u2019t open that universe \u2014 its file may be corrupt.";
    if (!universe.lastKnownName.empty())
        message += " \u201c" + universe.lastKnownName + "\u201d";
    else
        message += " The universe " + universe.id;
    message += " is kept at " + universe.file.string() + ".";
    if (universe.hasPreviousVersion)
        message += " Restore Previous Version\u2026 brings back the version its last save "
                   "replaced.";
    return message;
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
    Opened opened = openStoredFile(id);
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
    universe->setFileWriting(core::keepingPreviousVersions(
        core::atomicFileWriting(), [this](const std::string& error) { log(error); }));
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

UniverseManager::Opened UniverseManager::openStoredFile(const core::Uuid& id) const {
    Opened opened = open(fileFor(id));
    // A file is its universe only under that universe's id: another universe's
    // record copied over it would otherwise be opened, and saved somewhere else.
    if (opened.universe && opened.universe->id() != id)
        return {nullptr, "the file holds the universe " + opened.universe->id().toString()};
    return opened;
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

UniverseManager::UnreadableUniverse
UniverseManager::describeUnreadable(const fs::path& file, const std::string& error,
                                    const std::string& lastKnownName) const {
    UnreadableUniverse universe;
    universe.id = file.stem().string();
    universe.file = file;
    universe.error = error;
    universe.lastKnownName = lastKnownName;
    // The version the last save replaced knows the name best: the listing may have
    // been made while a rename was still on its way to the disk.
    if (const auto previous = core::readWholeFile(core::previousVersionOf(file))) {
        universe.hasPreviousVersion = true;
        try {
            universe.lastKnownName = decodeUniverseHeader(*previous).name;
        } catch (const std::exception&) {
            // A damaged previous version names nothing; the listing's name stands.
        }
    }
    return universe;
}

void UniverseManager::openAtStart() {
    if (const auto lastId = m_env.preferences->text(lastUniverseIDKey)) {
        if (const auto id = core::Uuid::fromString(*lastId)) {
            const fs::path file = fileFor(*id);
            Opened opened = openStoredFile(*id);
            if (opened.universe) {
                m_current = std::move(opened.universe);
            } else if (std::error_code ignored; fs::exists(file, ignored)) {
                // Another universe opens in its place, but the referee is told which
                // one could not be opened and where its file is.
                const UniverseHeaderCache cache(universesFolder() / UniverseHeaderCache::fileName);
                m_notReopened = describeUnreadable(
                    file, opened.error, cache.lastKnownName(file.filename().string()).value_or(""));
                log("Failed to open universe " + id->toString() + ": " + opened.error);
            }
        }
    }
    if (!m_current) {
        refreshHeaders();
        if (!m_headers.empty()) {
            Opened opened = openStoredFile(m_headers.front().id);
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
    std::vector<fs::path> unreadableFiles;
    std::vector<std::string> unreadableErrors;
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
        std::string error;
        const auto text = core::readWholeFile(path, &error);
        try {
            if (!text)
                throw std::runtime_error(error);
            UniverseHeader header = decodeUniverseHeader(*text);
            // A file is its universe only under that universe's id.
            if (header.id.toString() + ".json" != name)
                throw std::runtime_error("the file holds the universe " + header.id.toString());
            headers.push_back(std::move(header));
            cache.remember(name, *stamp, headers.back());
        } catch (const std::exception& decodeError) {
            // Listed as unreadable, and never touched.
            unreadableFiles.push_back(path);
            unreadableErrors.emplace_back(decodeError.what());
        }
    }
    std::vector<UnreadableUniverse> unreadable;
    for (std::size_t i = 0; i < unreadableFiles.size(); ++i)
        unreadable.push_back(describeUnreadable(
            unreadableFiles[i], unreadableErrors[i],
            cache.lastKnownName(unreadableFiles[i].filename().string()).value_or("")));
    std::sort(unreadable.begin(), unreadable.end(),
              [](const auto& a, const auto& b) { return a.id < b.id; });
    m_unreadable = std::move(unreadable);
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
    Opened opened = openStoredFile(id);
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
    if (!error) {
        // Deleting cannot be undone, as the question said: its previous version goes too.
        std::error_code ignored;
        fs::remove(core::previousVersionOf(file), ignored);
    }
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
        Opened opened = openStoredFile(header.id);
        if (opened.universe) {
            replaceCurrent(std::move(opened.universe));
            return;
        }
    }
    createAndOpen(defaultUniverseName);
}

bool UniverseManager::hasPreviousVersion(const std::string& id) const {
    std::error_code ignored;
    return fs::exists(core::previousVersionOf(universesFolder() / (id + ".json")), ignored);
}

std::optional<std::string> UniverseManager::restorePreviousVersion(const std::string& id) {
    const fs::path file = universesFolder() / (id + ".json");
    const fs::path previous = core::previousVersionOf(file);
    std::string error;
    const auto text = core::readWholeFile(previous, &error);
    if (!text)
        return "That universe has no previous version to restore.";
    try {
        if (decodeUniverseHeader(*text).id.toString() != id)
            return std::string("The previous version belongs to another universe, so it was left "
                               "where it is.");
    } catch (const std::exception& decodeError) {
        return std::string("The previous version could not be read either: ") + decodeError.what();
    }
    // The open universe must not write its edits over the version coming back.
    const bool wasCurrent = m_current && m_current->id().toString() == id;
    if (wasCurrent)
        m_current->abandonPendingSave();
    if (const core::FileResult swapped = core::swapWithPreviousVersion(file); !swapped.ok)
        return swapped.error;
    Opened opened = open(file);
    if (!opened.universe)
        return "The restored version could not be opened: " + opened.error;
    if (wasCurrent)
        m_current.reset();
    if (m_notReopened && m_notReopened->id == id)
        m_notReopened.reset();
    log("Restored the previous version of universe " + id);
    replaceCurrent(std::move(opened.universe));
    refreshHeaders();
    return std::nullopt;
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
