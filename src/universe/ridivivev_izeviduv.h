#pragma once

#include "core/background_file_writer.h"
#include "core/file_io.h"
#include "core/signal.h"
#include "universe/delayed_call.h"
#include "universe/undo_history.h"
#include "universe/universe_edit.h"
#include "universe/universe_record.h"
#include "universe/universe_text_cache.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace velmora::universe {

// What became of an edit: made (and saved, or being saved), or refused with the
// reason in the referee's words.
struct EditResult {
    std::string error;
    bool ok() const { return error.empty(); }
    explicit operator bool() const { return ok(); }
};

// The open universe: its stored fields, the file it lives in, its saves, its undo
// history and its change notices. Everything reads the record; nothing outside this
// class writes into it. Every change is a named edit: it is checked, made in one
// step, saved, kept for undo and announced once.
class RidivivevIzeviduv {
public:
    using Logger = std::function<void(const std::string&)>;

    RidivivevIzeviduv(UniverseRecord record, std::filesystem::path file,
                      std::unique_ptr<DelayedCall> delayedSave, Logger log);
    ~RidivivevIzeviduv();

    RidivivevIzeviduv(const RidivivevIzeviduv&) = delete;
    RidivivevIzeviduv& operator=(const RidivivevIzeviduv&) = delete;

    // ---- Reading
    const UniverseRecord& record() const { return m_record; }
    const core::Uuid& id() const { return m_record.id; }
    const std::string& name() const { return m_record.name; }
    const std::vector<core::HexData>& data() const { return m_record.data; }
    const std::vector<Faction>& factions() const { return m_record.factions; }
    const std::vector<FactionList>& factionLists() const { return m_record.factionLists; }
    const std::vector<Rutter>& rutters() const { return m_record.rutters; }
    const std::vector<Nebula>& nebulae() const { return m_record.nebulae; }
    const std::vector<Region>& regions() const { return m_record.regions; }
    const std::vector<StarmapLabel>& starmapLabels() const { return m_record.starmapLabels; }
    const std::vector<SectorInfo>& sectors() const { return m_record.sectors; }
    const std::vector<std::string>& customRaces() const { return m_record.customRaces; }
    const MapViewSettings& mapView() const { return m_record; }
    const std::filesystem::path& file() const { return m_file; }
    UniverseHeader header() const { return {m_record.id, m_record.name}; }

    // Lookups.
    const core::HexData* hexAt(const core::GalacticCoordinates& coordinates) const;
    const core::HexData* hex(const core::Uuid& id) const;
    const SectorInfo* sector(int x, int y) const;
    bool usesTravellerTechLevels() const;
    std::string locationText(const core::GalacticCoordinates& coordinates) const;
    std::vector<Faction> factionsWithIDs(const std::vector<core::Uuid>& ids) const;
    const Faction* faction(const core::Uuid& id) const;

    // ---- Editing
    // Starts an edit with the name the Edit menu gives it ("Generate Subsector C").
    UniverseEdit beginEdit(std::string label) const {
        return UniverseEdit(m_record, std::move(label));
    }
    // Makes the edit. An edit that changes nothing is not kept for undo.
    EditResult apply(UniverseEdit edit);

    // The common edits in one call.
    EditResult addHex(core::HexData hex, std::string label);
    EditResult replaceHex(core::HexData hex, std::string label);
    EditResult removeHex(const core::Uuid& id, std::string label);
    // Puts a record into one of the lists (replacing the one with its id), or takes it out.
    template <typename Record>
    EditResult putRecord(std::vector<Record> UniverseRecord::*list, Record record,
                         std::string label);
    template <typename Record>
    EditResult removeRecord(std::vector<Record> UniverseRecord::*list, const core::Uuid& id,
                            std::string label);

    // Not edits of the map's contents, so never undone: the name (saved at once)
    // and the map's view settings (saved a moment after the last change).
    EditResult rename(std::string name);
    void setMapView(const MapViewSettings& settings);

    // ---- Undo
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    // The edit's name, for "Undo Generate Subsector C"; empty when there is none.
    std::string undoName() const { return canUndo() ? m_history.nextUndo().label : std::string(); }
    std::string redoName() const { return canRedo() ? m_history.nextRedo().label : std::string(); }
    EditResult undo();
    EditResult redo();
    const UndoHistory& history() const { return m_history; }
    // An import into a universe made for it starts the history afresh: undoing it
    // would leave an empty universe nobody asked for.
    void forgetHistory();

    // ---- Saving
    enum class SaveStatus { saved, saving, failed };
    SaveStatus saveStatus() const { return m_saveStatus; }
    // Why the last write failed, while saveStatus() is failed.
    const std::string& saveError() const { return m_saveError; }

    // Writes the whole file now, on this thread, cancelling a pending delayed save.
    // Returns whether it was written.
    bool save();
    // Writes in the background when saves go there, else now: what edits do, and
    // what "Try Again" does after a write failed.
    void saveSoon();
    // Saves once the given time has passed without another call: a burst of map
    // changes ends in one write.
    void scheduleSave(std::chrono::milliseconds delay = mapSaveDelay);
    // A delayed save that has not run yet, or a write still under way.
    bool hasPendingSave() const;
    // From now on files are written on a thread of their own, which reports back
    // through `post`. Without it every save is written before the edit returns, and
    // an edit whose file cannot be written is taken back.
    void writeSavesInBackground(PostToOwner post);
    // Where files go: to disk atomically unless a test stands in for a full disk.
    void setFileWriting(core::FileWriting writing);
    // Drops a delayed save that has not run and waits for a write under way, as
    // before the file is deleted.
    void abandonPendingSave();
    // Waits until every write asked for has landed (a delayed save still waits its turn).
    void finishWrites();

    // Stored fields changed (every edit, undo, redo and map change).
    core::Signal<>& changed() { return m_changed; }
    // saveStatus() changed.
    core::Signal<>& saveStatusChanged() { return m_saveStatusChanged; }

    static constexpr std::chrono::milliseconds mapSaveDelay{400};

private:
    struct WriteTracker;
    void make(const UniverseChange& change, ChangeDirection direction);
    // Writes the file (now or in the background). Without a background writer,
    // returns the error when the file could not be written.
    std::string persist();
    // Encodes and writes the file on this thread; a failure is logged.
    core::FileResult writeNow();
    void writeFinished(std::uint64_t sequence, const core::FileResult& result);
    void setSaveStatus(SaveStatus status, std::string error);
    EditResult step(ChangeDirection direction);
    std::string failureLine(const std::string& error) const;

    UniverseRecord m_record;
    std::filesystem::path m_file;
    std::unique_ptr<DelayedCall> m_delayedSave;
    Logger m_log;
    core::FileWriting m_writeFile = core::atomicFileWriting();
    UniverseTextCache m_text;
    UndoHistory m_history;
    SaveStatus m_saveStatus = SaveStatus::saved;
    std::string m_saveError;
    std::uint64_t m_writesAsked = 0;
    std::uint64_t m_writesSettled = 0;
    std::shared_ptr<WriteTracker> m_tracker;
    PostToOwner m_post;
    core::Signal<> m_changed;
    core::Signal<> m_saveStatusChanged;
    // Last: it finishes its writes before the rest of the document goes.
    std::unique_ptr<core::BackgroundFileWriter> m_writer;
};

template <typename Record>
EditResult RidivivevIzeviduv::putRecord(std::vector<Record> UniverseRecord::*list, Record record,
                                        std::string label) {
    UniverseEdit edit = beginEdit(std::move(label));
    auto& records = edit.field(list);
    const auto it = std::find_if(records.begin(), records.end(),
                                 [&](const Record& r) { return r.id == record.id; });
    if (it == records.end())
        records.push_back(std::move(record));
    else
        *it = std::move(record);
    return apply(std::move(edit));
}

template <typename Record>
EditResult RidivivevIzeviduv::removeRecord(std::vector<Record> UniverseRecord::*list,
                                           const core::Uuid& id, std::string label) {
    UniverseEdit edit = beginEdit(std::move(label));
    if (std::erase_if(edit.field(list), [&](const Record& r) { return r.id == id; }) == 0)
        return {"That record is no longer in the universe."};
    return apply(std::move(edit));
}

} // namespace velmora::universe
