#pragma once

#include "core/signal.h"
#include "universe/delayed_call.h"
#include "universe/preferences.h"
#include "universe/ridivivev_izeviduv.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora::universe {

// Owns the open universe and the list of stored ones. Each universe is one file,
// named by its id, in the "Universes" folder of the documents folder.
class UniverseManager {
public:
    using Logger = std::function<void(const std::string&)>;
    // Negative, zero or positive as a sorts before, with or after b, in the order
    // the platform's file browser uses for names.
    using NameOrder = std::function<int(const std::string& a, const std::string& b)>;

    struct Environment {
        std::filesystem::path documentsFolder;
        Preferences* preferences = nullptr;
        DelayedCallFactory delayedCalls;
        Logger log;
        NameOrder nameOrder;
        // When given, universes are written on a thread of their own, which
        // reports back through it.
        PostToOwner backgroundSaves;
        // Opens the current universe when it is first asked for rather than at
        // once, for a command that may only look at another one.
        bool openOnFirstUse = false;
    };

    // A file in the universes folder that could not be read. It is listed, never
    // touched, and can be brought back from its previous version when it has one.
    struct UnreadableUniverse {
        std::string id; // the file's name without ".json"
        std::filesystem::path file;
        std::string lastKnownName; // empty when it was never listed
        std::string error;
        bool hasPreviousVersion = false;
    };

    // What a restore asks the user when a stored universe has the backup's id.
    struct OverwriteQuestion {
        std::string title; // "Overwrite Universe?"
        std::string message;
    };
    using ConfirmOverwrite = std::function<bool(const OverwriteQuestion&)>;

    // Migrates the older single-file layout once, then opens the current universe
    // (unless the environment asks for that to wait until it is used).
    explicit UniverseManager(Environment environment);
    ~UniverseManager();

    // The open universe: the last one opened, the first one by name, or a new
    // "My Universe".
    RidivivevIzeviduv& current();
    const RidivivevIzeviduv& current() const;
    const std::vector<UniverseHeader>& headers() const;
    // A stored universe opened on its own, leaving the current one and the
    // preferences as they are; nothing and the reason when it cannot be read.
    std::unique_ptr<RidivivevIzeviduv> openStored(const core::Uuid& id, std::string& error) const;
    // The unreadable files, in the order of their ids.
    const std::vector<UnreadableUniverse>& unreadable() const;
    // The universe the last session had open, when it could not be opened again
    // and another one was opened in its place; nothing otherwise.
    const std::optional<UnreadableUniverse>& notReopened() const { return m_notReopened; }
    void dismissNotReopened();
    // "Couldn’t open that universe — its file may be corrupt.", naming it and its file.
    static std::string unreadableMessage(const UnreadableUniverse& universe);
    const std::optional<std::string>& loadError() const { return m_loadError; }
    const std::optional<std::string>& deleteError() const { return m_deleteError; }
    void clearLoadError();
    void clearDeleteError();

    // The folder that holds the universes and what goes with them (the documents folder).
    const std::filesystem::path& dataFolder() const { return m_env.documentsFolder; }
    std::filesystem::path universesFolder() const;
    std::filesystem::path fileFor(const core::Uuid& id) const;

    void refreshHeaders();
    void switchTo(const core::Uuid& id);
    void createUniverse(const std::string& name);
    // The error text when the file could not be written (the name stays as it was).
    std::optional<std::string> renameCurrent(const std::string& name);
    void deleteUniverse(const core::Uuid& id);

    // Whether the universe stored under `id` (a readable one's id, or an unreadable
    // file's name) has a previous version.
    bool hasPreviousVersion(const std::string& id) const;
    // Brings back the version the last save replaced and opens it; the file it
    // replaces becomes the previous version in turn, so nothing is lost. The error
    // text when it fails.
    std::optional<std::string> restorePreviousVersion(const std::string& id);

    // Writes the current universe to the chosen file. Returns the error text on failure.
    std::optional<std::string> backup(const std::filesystem::path& destination);
    std::string suggestedBackupName() const;
    // Reads a universe file and makes it the current one. Returns the message to
    // show when it fails; nothing when it succeeded or the user said no.
    std::optional<std::string> restoreBackup(const std::filesystem::path& source,
                                             const ConfirmOverwrite& confirm);

    // Any field changed: headers, errors or the current universe's identity.
    core::Signal<>& changed() { return m_changed; }
    // The current universe was replaced by another object: re-read current().
    core::Signal<>& currentReplaced() { return m_currentReplaced; }

    static constexpr const char* defaultUniverseName = "My Universe";
    static constexpr const char* legacyFileName = "RidivivevIzeviduv.json";
    static constexpr const char* universesFolderName = "Universes";

private:
    struct Opened;
    Opened open(const std::filesystem::path& file) const;
    Opened openStoredFile(const core::Uuid& id) const;
    std::unique_ptr<RidivivevIzeviduv> makeDocument(UniverseRecord record) const;
    void migrateLegacyFile();
    void openAtStart();
    void replaceCurrent(std::unique_ptr<RidivivevIzeviduv> universe);
    void createAndOpen(const std::string& name);
    void ensureUniversesFolder() const;
    UnreadableUniverse describeUnreadable(const std::filesystem::path& file,
                                          const std::string& error,
                                          const std::string& lastKnownName) const;
    void log(const std::string& line) const;

    Environment m_env;
    std::unique_ptr<RidivivevIzeviduv> m_current;
    std::vector<UniverseHeader> m_headers;
    std::vector<UnreadableUniverse> m_unreadable;
    std::optional<UnreadableUniverse> m_notReopened;
    bool m_headersListed = false;
    std::optional<std::string> m_loadError;
    std::optional<std::string> m_deleteError;
    core::Signal<> m_changed;
    core::Signal<> m_currentReplaced;
};

} // namespace velmora::universe
