#pragma once
// A picture file, decoded by the host for drawing on the canvas.
#include "bakkesmod/wrappers/sdkexport.h"
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bakkesmod/wrappers/wrapperstructs.h"

class PLUGINSDK_API ImageWrapper {
public:
    explicit ImageWrapper(std::filesystem::path path, bool canvasLoad = false, bool imguiLoad = false);

    // Decodes the file if not done yet; false when it does not decode.
    bool LoadForCanvas();
    bool IsLoadedForCanvas() const { return loaded_; }
    Vector2 GetSize() const { return size_; }
    const std::filesystem::path& GetPath() const { return path_; }
    // RGBA rows, top to bottom; empty until loaded.
    const std::vector<std::uint8_t>& GetPixels() const;
    // The same pixels, shared with the canvas records that draw them; null until loaded.
    std::shared_ptr<const std::vector<std::uint8_t>> GetSharedPixels() const { return pixels_; }

private:
    std::filesystem::path path_;
    bool loaded_ = false;
    bool tried_ = false;
    Vector2 size_;
    std::shared_ptr<const std::vector<std::uint8_t>> pixels_;
};
