#include "overlay/SkinImages.h"

#include <system_error>
#include <utility>

#include "core/Paths.h"

namespace vtx {

std::string skinFilePath(std::string_view dataFolder, std::string_view skin, std::string_view file) {
    std::string path;
    path.reserve(dataFolder.size() + skin.size() + file.size() + 17);
    path.append(dataFolder).append("/Vantrix/skins/").append(skin).append("/").append(file);
    return path;
}

std::shared_ptr<ImageWrapper> loadSkinImage(std::string_view dataFolder, std::string_view skin, std::string_view file) {
    try {
        const std::filesystem::path path = pathFromUtf8(skinFilePath(dataFolder, skin, file));
        std::error_code error;
        if (path.empty() || !std::filesystem::exists(path, error)) {
            return nullptr;
        }
        // Kept even when it does not decode: the canvas is still asked to draw it.
        auto image = std::make_shared<ImageWrapper>(path, true, false);
        image->LoadForCanvas();
        return image;
    } catch (...) {
        return nullptr;
    }
}

FoundSkinImage loadFirstSkinImage(std::string_view dataFolder, std::string_view skin,
                                  std::span<const std::string_view> files) {
    for (std::string_view file : files) {
        if (file.empty()) {
            continue;
        }
        if (auto image = loadSkinImage(dataFolder, skin, file)) {
            return {std::move(image), file};
        }
    }
    return {};
}

} // namespace vtx
