#pragma once
// Loading the active skin's pictures into the plugin object.
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "bakkesmod/wrappers/ImageWrapper.h"

class Vantrix;

namespace vtx {

// dataFolder + "/Vantrix/skins/" + skin + "/" + file, all UTF-8 text.
std::string skinFilePath(std::string_view dataFolder, std::string_view skin, std::string_view file);
// The picture when the file exists (decoded or not); empty otherwise.
std::shared_ptr<ImageWrapper> loadSkinImage(std::string_view dataFolder, std::string_view skin, std::string_view file);
// The first candidate file that exists; empty candidates are skipped.
std::shared_ptr<ImageWrapper> loadFirstSkinImage(std::string_view dataFolder, std::string_view skin,
                                                 const std::array<std::string_view, 4>& files);
// While imagesLoaded is false: loads the base and every layer of activeSkin,
// replacing what the previous skin left (an absent layer by an empty entry).
void loadSkinImages(Vantrix& plugin);

} // namespace vtx
