#pragma once
// The plugin's folder "Vantrix": in the host's data folder, where its
// settings and position files live, and in the user's Roaming folder, where
// the calibration and the skins live.
#include <filesystem>
#include <string>
#include <string_view>

class GameWrapper;

namespace vtx {

// <data folder>/Vantrix/<fileName>, creating the folder and any missing
// parent. Empty, with the reason in `error`, when the host names no data
// folder or the folder cannot be created (a file in its way, no permission).
// Never throws.
std::filesystem::path vantrixDataFile(GameWrapper& game, std::string_view fileName, std::string& error);

// <roaming>/bakkesmod/bakkesmod/data/Vantrix: the host's data folder as it
// stands on a player's machine, for what is read before the host is asked.
std::filesystem::path roamingVantrixFolder(const std::filesystem::path& roaming);

// `folder`, created with any missing parent. Empty, with the reason in
// `error`, when it cannot be made a folder (a file in its way, no
// permission). Never throws.
std::filesystem::path createFolder(const std::filesystem::path& folder, std::string& error);

} // namespace vtx
