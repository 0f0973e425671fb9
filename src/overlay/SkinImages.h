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
// A picture and the candidate file it was read from.
struct FoundSkinImage {
    std::shared_ptr<ImageWrapper> image;
    std::string_view file; // one of the candidates given; empty with no picture
};
// The first candidate file that exists; empty candidates are skipped.
FoundSkinImage loadFirstSkinImage(std::string_view dataFolder, std::string_view skin,
                                  std::span<const std::string_view> files);
} // namespace vtx
