#include "overlay/Skins.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "bakkesmod/wrappers/GameWrapper.h"
#include "core/DataFolder.h"
#include "core/Log.h"
#include "core/Paths.h"
#include "core/TextFile.h"
#include "overlay/OpaqueBox.h"
#include "overlay/SkinImages.h"

namespace vtx {
namespace {

constexpr std::string_view kSavedSkinFile = "saved_skin.txt";

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Line ends and blanks after the name, as an editor may leave them.
std::string_view trimTrailing(std::string_view name) {
    while (!name.empty() && (name.back() == '\r' || name.back() == '\n' || name.back() == ' ' || name.back() == '\t')) {
        name.remove_suffix(1);
    }
    return name;
}

std::string joinedNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) {
        joined += (joined.empty() ? "" : ", ") + name;
    }
    return joined;
}

// The opaque part of a layer's picture, read from the file it was loaded from.
PixelBox layerKeptBox(std::string_view dataFolder, std::string_view skin, const FoundSkinImage& layer) {
    const Vector2 size = layer.image->GetSize();
    const PixelBox whole{0, 0, size.X, size.Y};
    try {
        return readOpaqueBox(pathFromUtf8(skinFilePath(dataFolder, skin, layer.file))).value_or(whole);
    } catch (...) {
        // No memory for the path: the cap's well is the picture's middle.
    }
    return whole;
}

} // namespace

std::vector<std::string> listSkinFolders(const std::filesystem::path& skinsFolder) {
    std::vector<std::string> names;
    try {
        std::error_code error;
        if (skinsFolder.empty() || !std::filesystem::exists(skinsFolder, error)) {
            return names;
        }
        for (std::filesystem::directory_iterator it(skinsFolder, error), end; !error && it != end;
             it.increment(error)) {
            std::error_code statusError;
            if (!it->is_directory(statusError)) {
                continue;
            }
            std::string name = utf8FromPath(it->path().filename());
            if (!name.empty() && name.front() != '.') {
                names.push_back(std::move(name));
            }
        }
        if (error) {
            return {};
        }
        std::sort(names.begin(), names.end());
    } catch (...) {
        return {};
    }
    return names;
}

std::string_view trimSkinName(std::string_view name) {
    name = trimTrailing(name);
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) {
        name.remove_prefix(1);
    }
    return name;
}

bool sameSkinName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

std::string matchSkinName(const std::vector<std::string>& names, std::string_view name) {
    if (name.empty()) {
        return {};
    }
    for (const std::string& candidate : names) {
        if (sameSkinName(candidate, name)) {
            return candidate;
        }
    }
    return {};
}

std::filesystem::path SkinLibrary::pluginFolder() const {
    if (!host_.game) {
        return {};
    }
    const std::filesystem::path data = host_.game->GetDataFolder();
    return data.empty() ? data : data / "Vantrix";
}

void SkinLibrary::scan() {
    const std::filesystem::path folder = pluginFolder();
    std::vector<std::string> found = folder.empty() ? std::vector<std::string>{} : listSkinFolders(folder / "skins");
    const std::lock_guard lock(mutex_);
    names_ = std::move(found);
    listStale_ = false;
}

std::vector<std::string> SkinLibrary::names() {
    bool stale = false;
    {
        const std::lock_guard lock(mutex_);
        stale = listStale_;
    }
    if (stale) {
        scan();
    }
    const std::lock_guard lock(mutex_);
    return names_;
}

void SkinLibrary::rescanSoon() {
    const std::lock_guard lock(mutex_);
    listStale_ = true;
}

std::string SkinLibrary::active() const {
    const std::lock_guard lock(mutex_);
    return active_;
}

std::filesystem::path SkinLibrary::savedSkinPath() const {
    const std::filesystem::path folder = pluginFolder();
    return folder.empty() ? folder : folder / kSavedSkinFile;
}

// The remembered name, its ASCII letters lowered; empty when there is none.
std::string SkinLibrary::loadSaved() const {
    try {
        const std::filesystem::path path = savedSkinPath();
        if (path.empty()) {
            return {};
        }
        std::ifstream in(path, std::ios::binary);
        std::string line;
        if (!in || !std::getline(in, line)) {
            return {};
        }
        std::string lowered(trimTrailing(line));
        std::transform(lowered.begin(), lowered.end(), lowered.begin(), asciiLower);
        return lowered;
    } catch (...) {
        return {};
    }
}

void SkinLibrary::save(std::string_view name) const {
    if (!host_.game) {
        return;
    }
    std::string error;
    const std::filesystem::path path = vantrixDataFile(*host_.game, kSavedSkinFile, error);
    // A skin folder's name holds no line break, so text mode writes its bytes
    // unchanged; the shared writer never leaves a half-written file behind. A
    // failed write only loses the memory of the choice, not the choice itself.
    if (!path.empty()) {
        writeTextFile(path, name);
    }
}

std::string SkinLibrary::chooseAtStartup() {
    scan();
    const std::string saved = loadSaved();
    const std::lock_guard lock(mutex_);
    std::string skin = matchSkinName(names_, trimSkinName(saved));
    if (skin.empty() && !names_.empty()) {
        skin = names_.front();
    }
    return skin;
}

void SkinLibrary::select(std::string_view value) {
    // Untrimmed: a value with blanks around it names no folder.
    const std::vector<std::string> installed = names();
    const std::string match = matchSkinName(installed, value);
    if (match.empty()) {
        const std::string current = active();
        const std::string folder = utf8FromPath(pluginFolder() / "skins");
        logLine(host_.cvars, "no installed skin is named \"" + std::string(value) + "\": " +
                                 (installed.empty() ? "no skins are installed; put skin folders in " + folder
                                                    : "set vtx_skin to one of " + joinedNames(installed)) +
                                 (current.empty() ? "" : " (still drawing " + current + ")"));
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        active_ = match;
    }
    reloadPictures();
    save(match);
}

bool SkinLibrary::preparePictures() {
    const std::uint64_t wanted = wantedGeneration_.load();
    if (loadedGeneration_ != wanted) {
        // Without a data folder or a skin the paths would name folders above the
        // skins (an empty skin name reads the skins folder itself): load nothing.
        const std::string dataFolder = host_.game ? utf8FromPath(host_.game->GetDataFolder()) : std::string();
        const std::string skin = active();
        const bool usable = !dataFolder.empty() && !skin.empty();
        base_ = usable ? loadSkinImage(dataFolder, skin, kBaseFile) : nullptr;
        baseSize_ = base_ ? base_->GetSize() : Vector2{0, 0};
        const std::optional<PixelBox> opaque =
            base_ ? readOpaqueBox(pathFromUtf8(skinFilePath(dataFolder, skin, kBaseFile))) : std::nullopt;
        baseKeptBox_ = opaque.value_or(PixelBox{0, 0, baseSize_.X, baseSize_.Y});
        for (std::size_t id = 0; id < kControlCount; ++id) {
            const FoundSkinImage layer =
                usable ? loadFirstSkinImage(dataFolder, skin, kControls[id].pictures) : FoundSkinImage{};
            layers_[id] = layer.image;
            if (kControls[id].kind == ControlKind::stick) {
                stickCapBoxes_[kControls[id].side] = layer.image ? layerKeptBox(dataFolder, skin, layer) : PixelBox{};
            }
        }
        // A change made meanwhile leaves the generation behind, so the next frame loads again.
        loadedGeneration_ = wanted;
        reportPictureProblem(skin);
    }
    return base_ != nullptr;
}

std::string SkinLibrary::pictureProblem(const std::string& skin) const {
    const std::string skinsFolder = utf8FromPath(pluginFolder() / "skins");
    if (skin.empty()) {
        const std::vector<std::string> installed = listSkinFolders(pluginFolder() / "skins");
        return installed.empty()
                   ? "no skin is installed, so nothing is drawn: put a skin folder (with its Base.png) in " +
                         skinsFolder
                   : "no skin is chosen, so nothing is drawn: set vtx_skin to one of " + joinedNames(installed);
    }
    const std::filesystem::path folder = pluginFolder() / "skins" / pathFromUtf8(skin);
    if (!base_) {
        return "skin \"" + skin + "\" has no Base.png, so nothing is drawn: add one to " + utf8FromPath(folder);
    }
    if (!base_->IsLoadedForCanvas()) {
        return "skin \"" + skin + "\": Base.png does not decode, so nothing is drawn: re-export it as PNG (" +
               utf8FromPath(folder / std::string(kBaseFile)) + ")";
    }
    return {};
}

// The same problem found again (the pictures reload on a settings load or a
// reset) is not logged again; a skin that draws clears the memory.
void SkinLibrary::reportPictureProblem(const std::string& skin) {
    try {
        std::string problem = host_.game ? pictureProblem(skin) : std::string();
        if (!problem.empty() && problem != reportedProblem_) {
            logLine(host_.cvars, problem);
        }
        reportedProblem_ = std::move(problem);
    } catch (...) {
        // No memory for the line: the skin still draws what it can.
    }
}

void SkinLibrary::releasePictures() {
    loadedGeneration_ = 0;
    base_.reset();
    baseSize_ = Vector2{0, 0};
    baseKeptBox_ = PixelBox{};
    stickCapBoxes_ = {};
    layers_ = {};
}

} // namespace vtx
