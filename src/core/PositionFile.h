#pragma once
// vtx_saved_pos.ini: a copy of the overlay's position and scale that
// survives apart from the other settings.
#include <filesystem>
#include <string>

#include "core/PositionText.h"
#include "core/TextFile.h"

class GameWrapper;

namespace vtx {

// <data folder>/Vantrix/vtx_saved_pos.ini, creating the folder. Empty with
// the reason in `error` when that fails.
std::filesystem::path positionFilePath(GameWrapper& game, std::string& error);

// Replaces the file with the three values.
FileResult writePositionFile(GameWrapper& game, const OverlayPosition& position);

// Ok: each key of the file with a numeric value has replaced its value in
// `position` (an empty file changes nothing). Missing or Failed: `position`
// is as it was.
FileResult readPositionFile(GameWrapper& game, OverlayPosition& position);

} // namespace vtx
