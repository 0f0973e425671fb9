#pragma once
// The installed skins: the folders under <data>/Vantrix/skins, the choice
// remembered in <data>/Vantrix/saved_skin.txt, and the vtx_skin handler.
// Names are UTF-8 text, whatever the file system's own encoding.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class CVarWrapper;
class Vantrix;

namespace vtx {

// The data folder of the host as UTF-8 text; empty without a game wrapper.
std::string dataFolderText(Vantrix& plugin);

// Folder names in `skinsFolder` that do not begin with ".", sorted byte-wise;
// empty when the folder is missing or cannot be read.
std::vector<std::string> listSkinFolders(const std::filesystem::path& skinsFolder);
// Refills skinNames from the data folder and clears skinListDirty.
void scanSkins(Vantrix& plugin);

// Trailing CR, LF, spaces and tabs, then leading spaces and tabs, removed.
std::string_view trimSkinName(std::string_view name);
// ASCII letters compared without case; other bytes must be equal.
bool sameSkinName(std::string_view a, std::string_view b);
// The entry of `names` equal to `name` ignoring ASCII case, or empty text.
std::string matchSkinName(const std::vector<std::string>& names, std::string_view name);
// matchSkinName of the trimmed name against skinNames.
std::string findSkin(const Vantrix& plugin, std::string_view name);

std::filesystem::path savedSkinPath(Vantrix& plugin);
// The remembered name, its ASCII letters lowered; empty when there is none.
std::string loadSavedSkin(Vantrix& plugin);
// Writes the name's bytes, nothing else; failures are silent.
void saveSelectedSkin(Vantrix& plugin, std::string_view name);

// The skin chosen at load: the remembered one if it is installed, else the
// first installed one, else none.
std::string chooseStartupSkin(Vantrix& plugin);
// A value naming an installed skin (ignoring case) makes it active and
// remembered; any other value changes nothing. Callers that set vtx_skin call
// this too: a host may run no change handler when the value stays the same.
void selectSkin(Vantrix& plugin, std::string_view value);
// vtx_skin's change handler: selectSkin of its value.
void onSkinChanged(Vantrix& plugin, CVarWrapper skin);

} // namespace vtx
