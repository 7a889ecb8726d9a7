#pragma once

#include "core/signal.h"
#include "core/timestamp.h"
#include "core/uuid.h"
#include "ships/saved_ship_design.h"

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velmora::ships {

// The library of saved designs: one folder per ship in `root`, named by the ship's
// id, holding "design.json" and an "images" folder. The store keeps the headers
// for the list and reads a whole design only when asked.
//
// Every change is all or nothing: a new or replaced folder is built under a hidden
// name in the root and renamed into place; design.json is replaced atomically. A
// failed operation sets lastError() and leaves every folder as it was. Image names
// that could reach outside the ship's own images folder, and images that are
// symbolic links, are never read, written or deleted.
class SavedShipDesignsStore {
public:
    static constexpr const char* rootFolderName = "ShipDesigns";
    static constexpr const char* designFileName = "design.json";
    static constexpr const char* imagesFolderName = "images";

    // A ship read from an export folder, not yet in the library.
    struct PendingImport {
        SavedShipDesign design;
        // File name in the images folder -> its bytes.
        std::map<std::string, std::string> imageData;
    };

    // Makes `root` (and the folders above it) when missing and lists it.
    explicit SavedShipDesignsStore(std::filesystem::path root, core::Clock now = core::systemNow);

    const std::filesystem::path& root() const { return m_root; }
    const std::vector<SavedShipDesign::Header>& headers() const { return m_headers; }
    const SavedShipDesign::Header* header(const core::Uuid& id) const;
    // The last failure's message, for the views to show; cleared by the views.
    const std::optional<std::string>& lastError() const { return m_lastError; }
    void clearLastError();

    // Told after the headers or lastError() changed.
    core::Signal<>& changed() { return m_changed; }

    // Lists the root again: every entry with a readable design.json, the rest skipped.
    void reloadHeaders();

    // The whole design, or nothing with lastError() set.
    std::optional<SavedShipDesign> load(const core::Uuid& id);

    // Writes the design (its modifiedDate set to now), making its folder when new.
    bool save(SavedShipDesign& design);
    // Removes the ship's whole folder.
    bool deleteDesign(const core::Uuid& id);
    // A copy with a new id, " Copy" after the ship's name, both dates now and its
    // own copies of the images. The new id, or nothing on failure.
    std::optional<core::Uuid> duplicate(const core::Uuid& id);
    // Copies an image file into the ship under a new name; the name it got.
    std::optional<std::string> addImage(const core::Uuid& id,
                                        const std::filesystem::path& sourceFile);
    bool removeImage(const core::Uuid& id, const std::string& filename);

    // Reads an export folder; a message in the program's words when it cannot.
    std::variant<PendingImport, std::string> readImport(const std::filesystem::path& folder) const;
    // Puts the import into the library under its own id, replacing a ship of that id.
    bool commitImport(const PendingImport& pending);

    // Renders the ship sheet: the PDF bytes, or nothing when it could not be made.
    using SheetRenderer = std::function<std::optional<std::string>(const SavedShipDesign&)>;
    // Makes `destination` (which must not exist yet, or be an empty folder) holding
    // design.json, the images folder and, given a renderer, the ship sheet named
    // after the ship.
    bool exportDocument(const core::Uuid& id, const std::filesystem::path& destination,
                        const SheetRenderer& renderSheet);
    // A folder name for an export of the ship inside `parent` that is not taken yet.
    std::filesystem::path exportFolderIn(const std::filesystem::path& parent,
                                         const SavedShipDesign::Header& header) const;

    bool contains(const core::Uuid& id) const { return header(id) != nullptr; }
    std::filesystem::path folderOf(const core::Uuid& id) const;
    // Where an image of the ship is; nothing for a name that is not safe.
    std::optional<std::filesystem::path> imagePath(const core::Uuid& id,
                                                   const std::string& filename) const;
    // The image's bytes, when it is a plain file (not a link) under a safe name.
    std::optional<std::string> readImage(const core::Uuid& id, const std::string& filename) const;

    // The sheet's file name for a ship: its name, or "Ship", then ".pdf".
    static std::string sheetFileName(const SavedShipDesign& saved);

private:
    bool fail(std::string message);
    void succeed();
    std::filesystem::path hiddenFolder(const std::string& purpose) const;

    std::filesystem::path m_root;
    core::Clock m_now;
    std::vector<SavedShipDesign::Header> m_headers;
    // Folder of each listed ship, as found on disk.
    std::map<core::Uuid, std::filesystem::path> m_folders;
    std::optional<std::string> m_lastError;
    core::Signal<> m_changed;
};

// Whether the bytes start like an image file the views can show: PNG, JPEG, GIF,
// BMP, WebP or TIFF.
bool looksLikeImage(std::string_view bytes);

} // namespace velmora::ships
