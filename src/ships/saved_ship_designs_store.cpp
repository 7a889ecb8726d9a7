#include "ships/saved_ship_designs_store.h"

#include "core/decode_error.h"
#include "core/file_io.h"
#include "ships/saved_ship_design_json.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace velmora::ships {

namespace fs = std::filesystem;

namespace {

constexpr const char* couldNotSave = "Couldn't save that ship: ";
constexpr const char* couldNotDelete = "Couldn't delete that ship: ";

// A plain file: not a link, not a folder. Links are never followed out of a ship.
bool isPlainFile(const fs::path& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() == fs::file_type::regular;
}

bool isPlainFolder(const fs::path& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() == fs::file_type::directory;
}

// Anything at the path, a dangling link included.
bool isPresent(const fs::path& path) {
    std::error_code error;
    const auto type = fs::symlink_status(path, error).type();
    return type != fs::file_type::not_found && type != fs::file_type::none;
}

// The file's bytes when it is a plain file; the reason otherwise.
std::optional<std::string> readPlainFile(const fs::path& path, std::string* why) {
    if (!isPlainFile(path)) {
        if (why)
            *why = isPresent(path) ? "\"" + path.filename().string() + "\" is not a plain file"
                                   : "\"" + path.filename().string() + "\" is missing";
        return std::nullopt;
    }
    return core::readWholeFile(path, why);
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool listedBefore(const SavedShipDesign::Header& a, const SavedShipDesign::Header& b) {
    const auto nameA = lowerCase(displayName(a));
    const auto nameB = lowerCase(displayName(b));
    if (nameA != nameB)
        return nameA < nameB;
    if (a.modifiedDate != b.modifiedDate)
        return a.modifiedDate > b.modifiedDate;
    return a.id < b.id;
}

// The extension an added image keeps: the source's, when it is a plain word.
std::string imageExtension(const fs::path& source) {
    std::string extension = source.extension().string();
    if (!extension.empty())
        extension.erase(0, 1);
    const bool plain = !extension.empty() && extension.size() <= 10 &&
                       std::all_of(extension.begin(), extension.end(),
                                   [](unsigned char c) { return std::isalnum(c) != 0; });
    return plain ? extension : "png";
}

// Writes the images and design.json of a ship into a new folder; the reason on failure.
std::optional<std::string> buildShipFolder(const fs::path& folder, const SavedShipDesign& saved,
                                           const std::map<std::string, std::string>& images) {
    std::error_code error;
    fs::create_directories(folder / SavedShipDesignsStore::imagesFolderName, error);
    if (error)
        return error.message();
    for (const auto& [name, bytes] : images) {
        if (!isSafeImageFilename(name))
            return "the image name \"" + name + "\" is not allowed";
        const auto written = core::writeFileAtomically(
            folder / SavedShipDesignsStore::imagesFolderName / name, bytes);
        if (!written.ok)
            return written.error;
    }
    const auto written = core::writeFileAtomically(folder / SavedShipDesignsStore::designFileName,
                                                   designFileText(saved));
    if (!written.ok)
        return written.error;
    return std::nullopt;
}

void removeQuietly(const fs::path& folder) {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

} // namespace

bool looksLikeImage(std::string_view bytes) {
    const auto startsWith = [&](std::string_view magic, std::size_t at = 0) {
        return bytes.size() >= at + magic.size() && bytes.substr(at, magic.size()) == magic;
    };
    using namespace std::string_view_literals;
    return startsWith("\x89PNG\r\n\x1a\n"sv) || startsWith("\xff\xd8\xff"sv) ||
           startsWith("GIF87a"sv) || startsWith("GIF89a"sv) ||
           (startsWith("BM"sv) && bytes.size() > 26) ||
           (startsWith("RIFF"sv) && startsWith("WEBP"sv, 8)) || startsWith("II*\0"sv) ||
           startsWith("MM\0*"sv);
}

SavedShipDesignsStore::SavedShipDesignsStore(fs::path root, core::Clock now)
    : m_root(std::move(root)), m_now(now ? std::move(now) : core::Clock(core::systemNow)) {
    std::error_code error;
    fs::create_directories(m_root, error);
    if (error)
        m_lastError = "Couldn't open the ship library: " + error.message();
    reloadHeaders();
}

const SavedShipDesign::Header* SavedShipDesignsStore::header(const core::Uuid& id) const {
    for (const auto& header : m_headers)
        if (header.id == id)
            return &header;
    return nullptr;
}

void SavedShipDesignsStore::clearLastError() {
    if (!m_lastError)
        return;
    m_lastError.reset();
    m_changed.notify();
}

bool SavedShipDesignsStore::fail(std::string message) {
    m_lastError = std::move(message);
    m_changed.notify();
    return false;
}

void SavedShipDesignsStore::succeed() {
    m_lastError.reset();
    m_changed.notify();
}

fs::path SavedShipDesignsStore::hiddenFolder(const std::string& purpose) const {
    return m_root / ("." + purpose + "-" + core::Uuid::generate().toString());
}

void SavedShipDesignsStore::reloadHeaders() {
    std::vector<SavedShipDesign::Header> headers;
    std::map<core::Uuid, fs::path> folders;
    std::error_code error;
    for (fs::directory_iterator it(m_root, error), end; !error && it != end; it.increment(error)) {
        const fs::path& folder = it->path();
        const std::string name = folder.filename().string();
        // Hidden entries are operations under way (or left by a crash).
        if (name.empty() || name.front() == '.' || !isPlainFolder(folder))
            continue;
        const auto folderID = core::Uuid::fromString(name);
        if (!folderID || folders.contains(*folderID))
            continue;
        const auto text = readPlainFile(folder / designFileName, nullptr);
        if (!text)
            continue;
        try {
            auto header = decodeDesignFileHeader(*text);
            // A ship is found by its id, so its folder must carry that id.
            if (header.id != *folderID)
                continue;
            folders.emplace(header.id, folder);
            headers.push_back(std::move(header));
        } catch (const core::DecodeError&) {
            continue;
        }
    }
    std::sort(headers.begin(), headers.end(), listedBefore);
    m_headers = std::move(headers);
    m_folders = std::move(folders);
    m_changed.notify();
}

fs::path SavedShipDesignsStore::folderOf(const core::Uuid& id) const {
    const auto it = m_folders.find(id);
    return it != m_folders.end() ? it->second : m_root / id.toString();
}

std::optional<fs::path> SavedShipDesignsStore::imagePath(const core::Uuid& id,
                                                         const std::string& filename) const {
    if (!isSafeImageFilename(filename))
        return std::nullopt;
    return folderOf(id) / imagesFolderName / filename;
}

std::optional<std::string> SavedShipDesignsStore::readImage(const core::Uuid& id,
                                                            const std::string& filename) const {
    const auto path = imagePath(id, filename);
    if (!path)
        return std::nullopt;
    return readPlainFile(*path, nullptr);
}

std::optional<SavedShipDesign> SavedShipDesignsStore::load(const core::Uuid& id) {
    std::string why;
    const auto text = readPlainFile(folderOf(id) / designFileName, &why);
    if (!text) {
        fail("Couldn't open that ship: " + why);
        return std::nullopt;
    }
    try {
        auto saved = decodeDesignFile(*text);
        if (saved.id != id) {
            fail("Couldn't open that ship: its design.json belongs to another ship.");
            return std::nullopt;
        }
        return saved;
    } catch (const core::DecodeError& error) {
        fail(std::string("Couldn't open that ship: its design.json couldn't be read (") +
             error.what() + ").");
        return std::nullopt;
    }
}

bool SavedShipDesignsStore::save(SavedShipDesign& design) {
    const fs::path folder = folderOf(design.id);
    const bool listed = contains(design.id);
    if (!listed && isPresent(folder))
        return fail(couldNotSave + std::string("a folder \"") + folder.string() +
                    "\" is in the way and holds no readable ship.");
    design.modifiedDate = m_now();
    if (listed) {
        std::error_code error;
        fs::create_directories(folder / imagesFolderName, error);
        const auto written =
            core::writeFileAtomically(folder / designFileName, designFileText(design));
        if (!written.ok)
            return fail(couldNotSave + written.error);
    } else {
        const fs::path building = hiddenFolder("building");
        if (const auto why = buildShipFolder(building, design, {})) {
            removeQuietly(building);
            return fail(couldNotSave + *why);
        }
        std::error_code error;
        fs::rename(building, folder, error);
        if (error) {
            removeQuietly(building);
            return fail(couldNotSave + error.message());
        }
    }
    reloadHeaders();
    succeed();
    return true;
}

bool SavedShipDesignsStore::deleteDesign(const core::Uuid& id) {
    if (!contains(id))
        return fail(couldNotDelete + std::string("it is not in the library."));
    // Out of the library in one step; what follows only frees the space.
    const fs::path removing = hiddenFolder("removing");
    std::error_code error;
    fs::rename(folderOf(id), removing, error);
    if (error)
        return fail(couldNotDelete + error.message());
    removeQuietly(removing);
    reloadHeaders();
    succeed();
    return true;
}

std::optional<core::Uuid> SavedShipDesignsStore::duplicate(const core::Uuid& id) {
    auto loaded = load(id);
    if (!loaded)
        return std::nullopt;
    SavedShipDesign copy = *loaded;
    copy.id = core::Uuid::generate();
    copy.shipName += " Copy";
    copy.createdDate = copy.modifiedDate = m_now();
    copy.imageFilenames.clear();
    std::map<std::string, std::string> images;
    for (const auto& name : loaded->imageFilenames) {
        // Only the ship's own image files are copied; a name that would reach
        // elsewhere, a link or a missing file stays behind.
        if (images.contains(name))
            continue;
        if (const auto bytes = readImage(id, name)) {
            images.emplace(name, *bytes);
            copy.imageFilenames.push_back(name);
        }
    }
    const fs::path building = hiddenFolder("building");
    if (const auto why = buildShipFolder(building, copy, images)) {
        removeQuietly(building);
        fail("Couldn't duplicate that ship: " + *why);
        return std::nullopt;
    }
    std::error_code error;
    fs::rename(building, m_root / copy.id.toString(), error);
    if (error) {
        removeQuietly(building);
        fail("Couldn't duplicate that ship: " + error.message());
        return std::nullopt;
    }
    reloadHeaders();
    succeed();
    return copy.id;
}

std::optional<std::string> SavedShipDesignsStore::addImage(const core::Uuid& id,
                                                           const fs::path& sourceFile) {
    const std::string couldNotAdd = "Couldn't add that image: ";
    std::string why;
    const auto bytes = core::readWholeFile(sourceFile, &why);
    if (!bytes) {
        fail(couldNotAdd + why);
        return std::nullopt;
    }
    if (!looksLikeImage(*bytes)) {
        fail(couldNotAdd + "\"" + sourceFile.filename().string() +
             "\" isn't an image file (PNG, JPEG, GIF, BMP, WebP or TIFF).");
        return std::nullopt;
    }
    auto saved = load(id);
    if (!saved)
        return std::nullopt;
    const std::string name = core::Uuid::generate().toString() + "." + imageExtension(sourceFile);
    const fs::path images = folderOf(id) / imagesFolderName;
    std::error_code error;
    fs::create_directories(images, error);
    if (!isPlainFolder(images)) {
        fail(couldNotAdd + "the ship's images folder can't be used.");
        return std::nullopt;
    }
    const auto written = core::writeFileAtomically(images / name, *bytes);
    if (!written.ok) {
        fail(couldNotAdd + written.error);
        return std::nullopt;
    }
    saved->imageFilenames.push_back(name);
    if (!save(*saved)) {
        std::error_code ignored;
        fs::remove(images / name, ignored);
        return std::nullopt;
    }
    return name;
}

bool SavedShipDesignsStore::removeImage(const core::Uuid& id, const std::string& filename) {
    auto saved = load(id);
    if (!saved)
        return false;
    auto& names = saved->imageFilenames;
    const auto it = std::find(names.begin(), names.end(), filename);
    if (it == names.end())
        return fail("Couldn't remove that image: it isn't attached to this ship.");
    names.erase(it);
    // The design stops naming the file first, so it never names a missing one.
    if (!save(*saved))
        return false;
    if (std::find(names.begin(), names.end(), filename) == names.end()) {
        if (const auto path = imagePath(id, filename)) {
            // A link is removed itself; what it points at is not touched.
            std::error_code ignored;
            fs::remove(*path, ignored);
        }
    }
    return true;
}

std::variant<SavedShipDesignsStore::PendingImport, std::string>
SavedShipDesignsStore::readImport(const fs::path& folder) const {
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return std::string("Couldn't read that folder.");
    const fs::path designFile = folder / designFileName;
    if (!isPresent(designFile))
        return std::string(
            "Couldn't find a design.json in the selected folder — is it a ship export?");
    const auto text = readPlainFile(designFile, nullptr);
    if (!text)
        return std::string("Couldn't read that folder.");
    PendingImport pending;
    try {
        pending.design = decodeDesignFile(*text);
    } catch (const core::DecodeError&) {
        return std::string("That folder's design.json couldn't be read — it may be corrupt.");
    }
    for (const auto& name : pending.design.imageFilenames) {
        if (!isSafeImageFilename(name))
            return "That folder's design.json names an image outside its images folder: \"" + name +
                   "\".";
        if (pending.imageData.contains(name))
            continue;
        const fs::path image = folder / imagesFolderName / name;
        if (!isPresent(image))
            return "The image \"" + name +
                   "\" named in that folder's design.json is missing from its images folder.";
        if (!isPlainFile(image))
            return "The image \"" + name +
                   "\" in that folder is a link or a folder, not an image file.";
        std::string why;
        const auto bytes = core::readWholeFile(image, &why);
        if (!bytes)
            return "Couldn't read the image \"" + name + "\": " + why;
        if (!looksLikeImage(*bytes))
            return "The file \"" + name + "\" in that folder's images isn't an image.";
        pending.imageData.emplace(name, *bytes);
    }
    return pending;
}

bool SavedShipDesignsStore::commitImport(const PendingImport& pending) {
    const std::string couldNotImport = "Couldn't import that ship: ";
    const auto& design = pending.design;
    const fs::path folder = folderOf(design.id);
    const bool replacing = contains(design.id);
    if (!replacing && isPresent(folder))
        return fail(couldNotImport + "a folder \"" + folder.string() +
                    "\" is in the way and holds no readable ship.");
    std::map<std::string, std::string> images;
    for (const auto& name : design.imageFilenames) {
        const auto it = pending.imageData.find(name);
        if (!isSafeImageFilename(name) || it == pending.imageData.end())
            return fail(couldNotImport + "the image \"" + name + "\" was not read.");
        images.emplace(name, it->second);
    }
    const fs::path building = hiddenFolder("building");
    if (const auto why = buildShipFolder(building, design, images)) {
        removeQuietly(building);
        return fail(couldNotImport + *why);
    }
    std::error_code error;
    const fs::path removing = hiddenFolder("removing");
    if (replacing) {
        fs::rename(folder, removing, error);
        if (error) {
            removeQuietly(building);
            return fail(couldNotImport + error.message());
        }
    }
    fs::rename(building, folder, error);
    if (error) {
        std::error_code ignored;
        if (replacing)
            fs::rename(removing, folder, ignored);
        removeQuietly(building);
        return fail(couldNotImport + error.message());
    }
    if (replacing)
        removeQuietly(removing);
    reloadHeaders();
    succeed();
    return true;
}

std::string SavedShipDesignsStore::sheetFileName(const SavedShipDesign& saved) {
    return safeFileName(saved.shipName, "Ship") + ".pdf";
}

fs::path SavedShipDesignsStore::exportFolderIn(const fs::path& parent,
                                               const SavedShipDesign::Header& header) const {
    const std::string base = safeFileName(header.shipName, "Ship");
    fs::path candidate = parent / base;
    for (int number = 2; isPresent(candidate); ++number)
        candidate = parent / (base + " " + std::to_string(number));
    return candidate;
}

bool SavedShipDesignsStore::exportDocument(const core::Uuid& id, const fs::path& destination,
                                           const SheetRenderer& renderSheet) {
    const std::string couldNotExport = "Couldn't export that ship: ";
    auto saved = load(id);
    if (!saved)
        return false;
    std::error_code error;
    const bool emptyFolder = isPlainFolder(destination) && fs::is_empty(destination, error);
    if (isPresent(destination) && !emptyFolder)
        return fail(couldNotExport + "\"" + destination.string() + "\" already exists.");
    std::map<std::string, std::string> images;
    SavedShipDesign exported = *saved;
    exported.imageFilenames.clear();
    for (const auto& name : saved->imageFilenames) {
        if (images.contains(name))
            continue;
        if (const auto bytes = readImage(id, name)) {
            images.emplace(name, *bytes);
            exported.imageFilenames.push_back(name);
        }
    }
    const fs::path parent =
        destination.has_parent_path() ? destination.parent_path() : fs::current_path(error);
    const fs::path building = parent / ("." + destination.filename().string() + ".export-" +
                                        core::Uuid::generate().toString());
    if (const auto why = buildShipFolder(building, exported, images)) {
        removeQuietly(building);
        return fail(couldNotExport + *why);
    }
    if (renderSheet) {
        const auto pdf = renderSheet(exported);
        if (!pdf) {
            removeQuietly(building);
            return fail(couldNotExport + "the ship sheet could not be drawn.");
        }
        const auto written = core::writeFileAtomically(building / sheetFileName(exported), *pdf);
        if (!written.ok) {
            removeQuietly(building);
            return fail(couldNotExport + written.error);
        }
    }
    if (emptyFolder)
        fs::remove(destination, error);
    fs::rename(building, destination, error);
    if (error) {
        removeQuietly(building);
        return fail(couldNotExport + error.message());
    }
    succeed();
    return true;
}

} // namespace velmora::ships
