#pragma once
// The plugin's folder "Vantrix" in the host's data folder, where its
// settings and position files live.
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

} // namespace vtx
