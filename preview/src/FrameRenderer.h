#pragma once
// Draws what a host frame showed, through SDL2's software renderer (no
// display needed): the canvas calls (texture, position, scale, tint, alpha)
// over a backdrop, then the frame's Dear ImGui windows on top through Dear
// ImGui's own SDL_Renderer backend. One renderer serves any number of frames
// of one display size.
#include <memory>

#include "Snapshot.h"
#include "vtxhost/Host.h"

struct ImDrawData;
struct ImFontAtlas;

namespace vtxpreview {

// A frame's Dear ImGui output: its draw data and the font atlas it draws with.
struct GuiFrame {
    const ImDrawData* drawData = nullptr;
    ImFontAtlas* fonts = nullptr;
};

class FrameRenderer {
public:
    // Throws std::runtime_error with SDL's reason when SDL cannot set up.
    FrameRenderer(int width, int height);
    ~FrameRenderer();
    FrameRenderer(const FrameRenderer&) = delete;
    FrameRenderer& operator=(const FrameRenderer&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    Picture render(const vtxhost::CanvasRecord& canvas, const GuiFrame& gui = {});

private:
    struct Sdl;
    void drawCanvas(const vtxhost::CanvasRecord& canvas);
    void drawGui(const GuiFrame& gui);

    int width_;
    int height_;
    std::unique_ptr<Sdl> sdl_;
};

// The frame the host drew last, as the preview shows it.
GuiFrame lastGuiFrame(const vtxhost::Host& host);

} // namespace vtxpreview
