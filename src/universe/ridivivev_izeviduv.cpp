#include "universe/ridivivev_izeviduv.h"

#include "core/file_io.h"
#include "core/star_system.h"

#include <algorithm>
#include <cctype>

namespace velmora::universe {

RidivivevIzeviduv::RidivivevIzeviduv(UniverseRecord record, std::filesystem::path file,
                                     std::unique_ptr<DelayedCall> delayedSave, Logger log)
    : UniverseRecord(std::move(record)), m_file(std::move(file)), m_delayedSave(std::move(delayedSave)),
      m_log(std::move(log)) {}

RidivivevIzeviduv::~RidivivevIzeviduv() {
    // The delayed save must never outlive the document it would write.
    if (m_delayedSave)
        m_delayedSave->cancel();
}

const core::HexData* RidivivevIzeviduv::hexAt(const core::GalacticCoordinates& coordinates) const {
    const auto it = std::find_if(data.begin(), data.end(),
                                 [&](const core::HexData& hex) { return hex.coordinates == coordinates; });
    return it == data.end() ? nullptr : &*it;
}

core::HexData* RidivivevIzeviduv::hexAt(const core::GalacticCoordinates& coordinates) {
    return const_cast<core::HexData*>(std::as_const(*this).hexAt(coordinates));
}

const SectorInfo* RidivivevIzeviduv::sector(int x, int y) const {
    const auto it = std::find_if(sectors.begin(), sectors.end(),
                                 [&](const SectorInfo& s) { return s.sectorX == x && s.sectorY == y; });
    return it == sectors.end() ? nullptr : &*it;
}

bool RidivivevIzeviduv::usesTravellerTechLevels() const {
    if (data.empty())
        return false;
    const core::WorldData* world = core::mainWorld(data.front().starSystem);
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
                if (locationShowsSectorCode)
                    text += " (" + coordinates.sectorCode() + ")";
                return text;
            }
        }
    }
    return coordinates.description();
}

std::vector<Faction> RidivivevIzeviduv::factionsWithIDs(const std::vector<core::Uuid>& ids) const {
    std::vector<Faction> found;
    for (const Faction& f : factions) {
        if (std::find(ids.begin(), ids.end(), f.id) != ids.end())
            found.push_back(f);
    }
    return found;
}

const Faction* RidivivevIzeviduv::faction(const core::Uuid& factionId) const {
    const auto& all = factions;
    const auto it = std::find_if(all.begin(), all.end(), [&](const Faction& f) { return f.id == factionId; });
    return it == all.end() ? nullptr : &*it;
}

void RidivivevIzeviduv::addHex(core::HexData hex) {
    data.push_back(std::move(hex));
    save();
}

bool RidivivevIzeviduv::replaceHex(const core::HexData& hex) {
    const auto it = std::find_if(data.begin(), data.end(), [&](const core::HexData& h) { return h.id == hex.id; });
    if (it == data.end())
        return false;
    *it = hex;
    save();
    return true;
}

bool RidivivevIzeviduv::removeHex(const core::Uuid& hexId) {
    const auto it = std::find_if(data.begin(), data.end(), [&](const core::HexData& h) { return h.id == hexId; });
    if (it == data.end())
        return false;
    data.erase(it);
    save();
    return true;
}

std::string RidivivevIzeviduv::failureLine(const std::string& error) const {
    return "Failed to save RidivivevIzeviduv to " + m_file.string() + ": " + error;
}

bool RidivivevIzeviduv::save() {
    if (m_delayedSave)
        m_delayedSave->cancel();
    // An earlier write still under way must land first, or it would overwrite this one.
    if (m_writer)
        m_writer->waitUntilIdle();
    bool written = false;
    try {
        const std::string text = m_encoder.encode(record());
        const core::FileResult result = core::writeFileAtomically(m_file, text);
        written = result.ok;
        if (!result.ok && m_log)
            m_log(failureLine(result.error));
    } catch (const std::exception& error) {
        if (m_log)
            m_log(failureLine(error.what()));
    }
    notifyChanged();
    return written;
}

void RidivivevIzeviduv::saveInBackground() {
    if (!m_writer) {
        save();
        return;
    }
    // Also what a pending delayed save would have written.
    if (m_delayedSave)
        m_delayedSave->cancel();
    try {
        // Encoding stays here, where the records live; the writer gets its own bytes.
        std::string text = m_encoder.encode(record());
        m_writer->write(m_file, std::move(text), [log = m_log, line = failureLine("")](const core::FileResult& result) {
            if (!result.ok && log)
                log(line + result.error);
        });
    } catch (const std::exception& error) {
        if (m_log)
            m_log(failureLine(error.what()));
    }
    notifyChanged();
}

void RidivivevIzeviduv::writeDelayedSavesInBackground() {
    if (!m_writer)
        m_writer = std::make_unique<core::BackgroundFileWriter>();
}

void RidivivevIzeviduv::abandonPendingSave() {
    if (m_delayedSave)
        m_delayedSave->cancel();
    if (m_writer)
        m_writer->waitUntilIdle();
}

void RidivivevIzeviduv::scheduleSave(std::chrono::milliseconds delay) {
    if (!m_delayedSave) {
        save();
        return;
    }
    m_delayedSave->start(delay, [this] { saveInBackground(); });
    notifyChanged();
}

bool RidivivevIzeviduv::hasPendingSave() const {
    return (m_delayedSave && m_delayedSave->isPending()) || (m_writer && m_writer->isBusy());
}

void RidivivevIzeviduv::notifyChanged() {
    m_changed.notify();
}

} // namespace velmora::universe
