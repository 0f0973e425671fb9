#pragma once
// Where a skin's pictures are and how one is read.
#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "bakkesmod/wrappers/ImageWrapper.h"

namespace vtx {

// dataFolder + "/Vantrix/skins/" + skin + "/" + file, all UTF-8 text.
std::string skinFilePath(std::string_view dataFolder, std::string_view skin, std::string_view file);
// The picture when the file exists (decoded or not); empty otherwise.
std::shared_ptr<ImageWrapper> loadSkinImage(std::string_view dataFolder, std::string_view skin, std::string_view file);
// The first candidate file that exists; empty candidates are skipped.
std::shared_ptr<ImageWrapper> loadFirstSkinImage(std::string_view dataFolder, std::string_view skin,
                                                 std::span<const std::string_view> files);
} // namespace vtx
