#pragma once
// A picture file, decoded by the host for drawing on the canvas.
#include <filesystem>
#include <memory>
#include <string>

#include "wrapperstructs.h"

class BAKKESMOD_PLUGIN_IMPORT ImageWrapper {
public:
    explicit ImageWrapper(std::filesystem::path path, bool canvasLoad = false, bool ImGuiLoad = false);
    // Not copied: the host's texture belongs to one wrapper.
    ImageWrapper(const ImageWrapper&) = delete;
    ImageWrapper& operator=(const ImageWrapper&) = delete;

    ~ImageWrapper();

    // Decodes the file if not done yet; false when it does not decode.
    bool LoadForCanvas();
    bool IsLoadedForCanvas();
    // The host's texture, loading it first if needed; null when the file does not decode.
    void* GetCanvasTex();

    std::string GetPath();
    std::filesystem::path GetPathFs();

    Vector2 GetSize();

private:
    PIMPL
};
