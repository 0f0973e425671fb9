#pragma once
// The folder the "Open skins folder" button shows.
#include <filesystem>

namespace vtx {

// <roaming>/bakkesmod/bakkesmod/data/Vantrix/skins, created with its parents
// when missing. Empty when it cannot be created (a file in the way, no
// permission); never throws.
std::filesystem::path prepareSkinsFolder(const std::filesystem::path& roaming);

} // namespace vtx
