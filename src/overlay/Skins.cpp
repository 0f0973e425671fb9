#include "overlay/Skins.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "Vantrix.h"
#include "core/DataFolder.h"
#include "core/Paths.h"
#include "core/TextFile.h"

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

std::filesystem::path pluginFolder(Vantrix& plugin) {
    if (!plugin.gameWrapper) {
        return {};
    }
    const std::filesystem::path data = plugin.gameWrapper->GetDataFolder();
    return data.empty() ? data : data / "Vantrix";
}

} // namespace

std::string dataFolderText(Vantrix& plugin) {
    return plugin.gameWrapper ? utf8FromPath(plugin.gameWrapper->GetDataFolder()) : std::string();
}

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

void scanSkins(Vantrix& plugin) {
    plugin.skinNames.clear();
    plugin.skinListDirty = false;
    const std::filesystem::path folder = pluginFolder(plugin);
    if (!folder.empty()) {
        plugin.skinNames = listSkinFolders(folder / "skins");
    }
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

std::string findSkin(const Vantrix& plugin, std::string_view name) {
    return matchSkinName(plugin.skinNames, trimSkinName(name));
}

std::filesystem::path savedSkinPath(Vantrix& plugin) {
    const std::filesystem::path folder = pluginFolder(plugin);
    return folder.empty() ? folder : folder / kSavedSkinFile;
}

std::string loadSavedSkin(Vantrix& plugin) {
    try {
        const std::filesystem::path path = savedSkinPath(plugin);
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

void saveSelectedSkin(Vantrix& plugin, std::string_view name) {
    if (!plugin.gameWrapper) {
        return;
    }
    std::string error;
    const std::filesystem::path path = vantrixDataFile(*plugin.gameWrapper, kSavedSkinFile, error);
    // A skin folder's name holds no line break, so text mode writes its bytes
    // unchanged; the shared writer never leaves a half-written file behind. A
    // failed write only loses the memory of the choice, not the choice itself.
    if (!path.empty()) {
        writeTextFile(path, name);
    }
}

std::string chooseStartupSkin(Vantrix& plugin) {
    plugin.skinListDirty = true;
    scanSkins(plugin);
    std::string skin = findSkin(plugin, loadSavedSkin(plugin));
    if (skin.empty() && !plugin.skinNames.empty()) {
        skin = plugin.skinNames.front();
    }
    return skin;
}

void onSkinChanged(Vantrix& plugin, CVarWrapper skin) { selectSkin(plugin, skin.getStringValue()); }

void selectSkin(Vantrix& plugin, std::string_view value) {
    if (plugin.skinListDirty) {
        scanSkins(plugin);
    }
    // Untrimmed: a value with blanks around it names no folder.
    std::string match = matchSkinName(plugin.skinNames, value);
    if (match.empty()) {
        return;
    }
    plugin.activeSkin = std::move(match);
    plugin.imagesLoaded = false;
    saveSelectedSkin(plugin, plugin.activeSkin);
}

} // namespace vtx
