#pragma once

#include "core/background_file_writer.h"
#include "core/signal.h"
#include "universe/delayed_call.h"
#include "universe/universe_codec.h"
#include "universe/universe_record.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace velmora::universe {

// The open universe: its stored fields (inherited from the record, so views read
// and edit them directly), the file it lives in, its saves and change notices.
// Every edit ends with save(), or scheduleSave() for map-view changes.
class RidivivevIzeviduv : public UniverseRecord {
public:
    using Logger = std::function<void(const std::string&)>;

    RidivivevIzeviduv(UniverseRecord record, std::filesystem::path file, std::unique_ptr<DelayedCall> delayedSave,
                      Logger log);
    ~RidivivevIzeviduv();

    RidivivevIzeviduv(const RidivivevIzeviduv&) = delete;
    RidivivevIzeviduv& operator=(const RidivivevIzeviduv&) = delete;

    const std::filesystem::path& file() const { return m_file; }
    const UniverseRecord& record() const { return *this; }
    UniverseHeader header() const { return {id, name}; }

    // Lookups.
    const core::HexData* hexAt(const core::GalacticCoordinates& coordinates) const;
    core::HexData* hexAt(const core::GalacticCoordinates& coordinates);
    const SectorInfo* sector(int x, int y) const;
    bool usesTravellerTechLevels() const;
    std::string locationText(const core::GalacticCoordinates& coordinates) const;
    std::vector<Faction> factionsWithIDs(const std::vector<core::Uuid>& ids) const;
    const Faction* faction(const core::Uuid& id) const;

    // Edits of the hexes; each saves.
    void addHex(core::HexData hex);
    bool replaceHex(const core::HexData& hex);
    bool removeHex(const core::Uuid& id);

    // Writes the whole file now, cancelling a pending delayed save. Failures are
    // logged and leave the previous file in place. Returns whether it was written.
    bool save();
    // Saves once the given time has passed without another call: a burst of map
    // changes ends in one write. With a background writer, that write happens off
    // the window's thread.
    void scheduleSave(std::chrono::milliseconds delay = std::chrono::milliseconds(400));
    // The whole file, like save(), but written on the background thread when
    // delayed saves use one (the bytes are taken now), so a large universe does
    // not hold the window up; without that thread it is save(). For edits
    // that change much at once, such as imports.
    void saveInBackground();
    // A delayed save that has not run yet, or a write still under way.
    bool hasPendingSave() const;
    // Writes delayed saves on their own thread from now on.
    void writeDelayedSavesInBackground();
    // Drops a delayed save that has not run and waits for a write under way, as
    // before the file is deleted.
    void abandonPendingSave();

    // Tells observers that stored fields changed (save() does this too).
    void notifyChanged();
    core::Signal<>& changed() { return m_changed; }

    static constexpr std::chrono::milliseconds mapSaveDelay{400};

private:
    std::string failureLine(const std::string& error) const;

    std::filesystem::path m_file;
    std::unique_ptr<DelayedCall> m_delayedSave;
    Logger m_log;
    UniverseEncoder m_encoder;
    core::Signal<> m_changed;
    // Last: it finishes its writes before the rest of the document goes.
    std::unique_ptr<core::BackgroundFileWriter> m_writer;
};

} // namespace velmora::universe
