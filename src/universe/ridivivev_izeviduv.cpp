#include "universe/ridivivev_izeviduv.h"

#include "core/star_system.h"

#include <algorithm>
#include <cctype>

namespace velmora::universe {

// What a write on the background thread reports back to, for as long as the
// document lives.
struct RidivivevIzeviduv::WriteTracker {
    RidivivevIzeviduv* document;
};

RidivivevIzeviduv::RidivivevIzeviduv(UniverseRecord record, std::filesystem::path file,
                                     std::unique_ptr<DelayedCall> delayedSave, Logger log)
    : m_record(std::move(record)), m_file(std::move(file)), m_delayedSave(std::move(delayedSave)),
      m_log(std::move(log)), m_tracker(std::make_shared<WriteTracker>(WriteTracker{this})) {
    m_text.forget(m_record.data.size());
}

RidivivevIzeviduv::~RidivivevIzeviduv() {
    // The delayed save must never outlive the document it would write.
    if (m_delayedSave)
        m_delayedSave->cancel();
    // Writes still under way finish, but report to nobody.
    m_tracker->document = nullptr;
}

// ---- Lookups -----------------------------------------------------------------------

const core::HexData* RidivivevIzeviduv::hexAt(const core::GalacticCoordinates& coordinates) const {
    const auto& data = m_record.data;
    const auto it = std::find_if(data.begin(), data.end(), [&](const core::HexData& hex) {
        return hex.coordinates == coordinates;
    });
    return it == data.end() ? nullptr : &*it;
}

const core::HexData* RidivivevIzeviduv::hex(const core::Uuid& hexId) const {
    const auto& data = m_record.data;
    const auto it = std::find_if(data.begin(), data.end(),
                                 [&](const core::HexData& h) { return h.id == hexId; });
    return it == data.end() ? nullptr : &*it;
}

const SectorInfo* RidivivevIzeviduv::sector(int x, int y) const {
    const auto& sectors = m_record.sectors;
    const auto it = std::find_if(sectors.begin(), sectors.end(), [&](const SectorInfo& s) {
        return s.sectorX == x && s.sectorY == y;
    });
    return it == sectors.end() ? nullptr : &*it;
}

bool RidivivevIzeviduv::usesTravellerTechLevels() const {
    if (m_record.data.empty())
        return false;
    const core::WorldData* world = core::mainWorld(m_record.data.front().starSystem);
    return world && core::isTravellerScale(world->uwp.techLevel);
}

std::string RidivivevIzeviduv::locationText(const core::GalacticCoordinates& coordinates) const {
    if (usesTravellerTechLevels()) {
        if (const SectorInfo* info = sector(coordinates.sectorX, coordinates.sectorY)) {
            std::string label = info->abbreviation;
            if (label.empty()) {
                label = info->name;
            } else {
                std::transform(label.begin(), label.end(), label.begin(),
                               [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
            }
            if (!label.empty()) {
                std::string text = label + " " + coordinates.hexNumber();
                if (m_record.locationShowsSectorCode)
                    text += " (" + coordinates.sectorCode() + ")";
                return text;
            }
        }
    }
    return coordinates.description();
}

std::vector<Faction> RidivivevIzeviduv::factionsWithIDs(const std::vector<core::Uuid>& ids) const {
    std::vector<Faction> found;
    for (const Faction& f : m_record.factions) {
        if (std::find(ids.begin(), ids.end(), f.id) != ids.end())
            found.push_back(f);
    }
    return found;
}

const Faction* RidivivevIzeviduv::faction(const core::Uuid& factionId) const {
    const auto& all = m_record.factions;
    const auto it =
        std::find_if(all.begin(), all.end(), [&](const Faction& f) { return f.id == factionId; });
    return it == all.end() ? nullptr : &*it;
}

// ---- Edits -------------------------------------------------------------------------

void RidivivevIzeviduv::make(const UniverseChange& change, ChangeDirection direction) {
    applyChange(m_record, change, direction);
    m_text.changeApplied(change, direction);
}

EditResult RidivivevIzeviduv::apply(UniverseEdit edit) {
    UniverseEdit::Outcome outcome = std::move(edit).finish();
    if (!outcome.change)
        return {std::move(outcome.error)};
    if (outcome.change->empty())
        return {};
    make(*outcome.change, ChangeDirection::forward);
    if (std::string error = persist(); !error.empty()) {
        // Written now or not at all: the universe goes back to what the file holds.
        make(*outcome.change, ChangeDirection::backward);
        return {std::move(error)};
    }
    m_history.record(std::move(*outcome.change));
    m_changed.notify();
    return {};
}

EditResult RidivivevIzeviduv::addHex(core::HexData hex, std::string label) {
    UniverseEdit edit = beginEdit(std::move(label));
    edit.addHex(std::move(hex));
    return apply(std::move(edit));
}

EditResult RidivivevIzeviduv::replaceHex(core::HexData hex, std::string label) {
    UniverseEdit edit = beginEdit(std::move(label));
    edit.replaceHex(std::move(hex));
    return apply(std::move(edit));
}

EditResult RidivivevIzeviduv::removeHex(const core::Uuid& hexId, std::string label) {
    UniverseEdit edit = beginEdit(std::move(label));
    edit.removeHex(hexId);
    return apply(std::move(edit));
}

EditResult RidivivevIzeviduv::rename(std::string newName) {
    if (newName == m_record.name)
        return {};
    std::string previous = std::exchange(m_record.name, std::move(newName));
    if (std::string error = persist(); !error.empty()) {
        m_record.name = std::move(previous);
        return {std::move(error)};
    }
    m_changed.notify();
    return {};
}

void RidivivevIzeviduv::setMapView(const MapViewSettings& settings) {
    MapViewSettings& view = m_record;
    if (settings == view)
        return;
    view = settings;
    scheduleSave(mapSaveDelay);
    m_changed.notify();
}

EditResult RidivivevIzeviduv::step(ChangeDirection direction) {
    const bool undoing = direction == ChangeDirection::backward;
    if (undoing ? !m_history.canUndo() : !m_history.canRedo())
        return {};
    const UniverseChange& change = undoing ? m_history.nextUndo() : m_history.nextRedo();
    make(change, direction);
    if (std::string error = persist(); !error.empty()) {
        make(change, undoing ? ChangeDirection::forward : ChangeDirection::backward);
        return {std::move(error)};
    }
    if (undoing)
        m_history.markUndone();
    else
        m_history.markRedone();
    m_changed.notify();
    return {};
}

EditResult RidivivevIzeviduv::undo() {
    return step(ChangeDirection::backward);
}

EditResult RidivivevIzeviduv::redo() {
    return step(ChangeDirection::forward);
}

void RidivivevIzeviduv::forgetHistory() {
    m_history.clear();
    m_changed.notify();
}

// ---- Saving ------------------------------------------------------------------------

std::string RidivivevIzeviduv::failureLine(const std::string& error) const {
    return "Failed to save RidivivevIzeviduv to " + m_file.string() + ": " + error;
}

void RidivivevIzeviduv::setSaveStatus(SaveStatus status, std::string error) {
    if (status == m_saveStatus && error == m_saveError)
        return;
    m_saveStatus = status;
    m_saveError = std::move(error);
    m_saveStatusChanged.notify();
}

core::FileResult RidivivevIzeviduv::writeNow() {
    core::FileResult result;
    try {
        result = m_writeFile(m_file, m_text.text(m_record));
    } catch (const std::exception& error) {
        result = {false, error.what()};
    }
    if (!result.ok && m_log)
        m_log(failureLine(result.error));
    return result;
}

std::string RidivivevIzeviduv::persist() {
    if (m_delayedSave)
        m_delayedSave->cancel();
    if (!m_writer) {
        const core::FileResult result = writeNow();
        if (!result.ok)
            return result.error;
        setSaveStatus(SaveStatus::saved, {});
        return {};
    }
    core::FileText text;
    try {
        text = m_text.text(m_record);
    } catch (const std::exception& error) {
        if (m_log)
            m_log(failureLine(error.what()));
        setSaveStatus(SaveStatus::failed, error.what());
        return error.what();
    }
    const std::uint64_t sequence = ++m_writesAsked;
    setSaveStatus(SaveStatus::saving, m_saveError);
    m_writer->write(m_file, std::move(text),
                    [post = m_post, tracker = std::weak_ptr<WriteTracker>(m_tracker),
                     sequence](const core::FileResult& result) {
                        post([tracker, sequence, result] {
                            if (const auto alive = tracker.lock(); alive && alive->document)
                                alive->document->writeFinished(sequence, result);
                        });
                    });
    return {};
}

void RidivivevIzeviduv::writeFinished(std::uint64_t sequence, const core::FileResult& result) {
    // Answers come in order; one older than a save made since is old news.
    if (sequence <= m_writesSettled)
        return;
    m_writesSettled = sequence;
    if (!result.ok) {
        if (m_log)
            m_log(failureLine(result.error));
        // The file keeps what it held; what is in memory waits for the next save.
        setSaveStatus(SaveStatus::failed, result.error);
        return;
    }
    // An earlier write that failed is made good by any later one that worked.
    if (sequence == m_writesAsked)
        setSaveStatus(SaveStatus::saved, {});
}

bool RidivivevIzeviduv::save() {
    if (m_writer)
        m_writer->waitUntilIdle();
    if (m_delayedSave)
        m_delayedSave->cancel();
    const core::FileResult result = writeNow();
    if (!result.ok) {
        setSaveStatus(SaveStatus::failed, result.error);
        return false;
    }
    m_writesSettled = m_writesAsked; // answers of earlier writes still on their way are old news
    setSaveStatus(SaveStatus::saved, {});
    return true;
}

void RidivivevIzeviduv::saveSoon() {
    if (!m_writer) {
        save();
        return;
    }
    persist();
}

void RidivivevIzeviduv::scheduleSave(std::chrono::milliseconds delay) {
    if (!m_delayedSave) {
        saveSoon();
        return;
    }
    m_delayedSave->start(delay, [this] { saveSoon(); });
}

bool RidivivevIzeviduv::hasPendingSave() const {
    return (m_delayedSave && m_delayedSave->isPending()) || (m_writer && m_writer->isBusy());
}

void RidivivevIzeviduv::writeSavesInBackground(PostToOwner post) {
    m_post = std::move(post);
    if (!m_writer)
        m_writer = std::make_unique<core::BackgroundFileWriter>(m_writeFile);
}

void RidivivevIzeviduv::setFileWriting(core::FileWriting writing) {
    m_writeFile = std::move(writing);
    if (m_writer) {
        m_writer->waitUntilIdle();
        m_writer = std::make_unique<core::BackgroundFileWriter>(m_writeFile);
    }
}

void RidivivevIzeviduv::finishWrites() {
    if (m_writer)
        m_writer->waitUntilIdle();
}

void RidivivevIzeviduv::abandonPendingSave() {
    if (m_delayedSave)
        m_delayedSave->cancel();
    if (m_writer)
        m_writer->waitUntilIdle();
}

} // namespace velmora::universe
