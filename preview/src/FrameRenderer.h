#pragma once
// Draws what a host frame showed through SDL2's renderers: the canvas calls
// (texture, position, scale, tint, alpha; strings in the canvas font, scaled,
// with their shadow; lines with their width, filled and outlined boxes, in
// their colour) in call order over a backdrop, then the frame's
// Dear ImGui windows on top through Dear ImGui's own SDL_Renderer backend.
// FramePainter draws into any SDL renderer (the preview window's); the
// FrameRenderer draws into a picture in memory through SDL's software
// renderer, with no display needed.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Snapshot.h"
#include "vtxhost/Host.h"

struct ImDrawData;
struct ImDrawList;
struct ImFontAtlas;
struct SDL_Renderer;

namespace vtxpreview {

// A frame's Dear ImGui output: its draw data and the font atlas it draws with.
struct GuiFrame {
    const ImDrawData* drawData = nullptr;
    ImFontAtlas* fonts = nullptr;
};

// A line of text drawn over a picture, its top-left corner at (x, y).
struct TextLabel {
    float x = 0, y = 0;
    std::string text;
    float size = 13; // pixels; the font is drawn for 13
};

class FramePainter {
public:
    // The renderer must outlive the painter.
    explicit FramePainter(SDL_Renderer* renderer);
    ~FramePainter();
    FramePainter(const FramePainter&) = delete;
    FramePainter& operator=(const FramePainter&) = delete;

    // A picture of the game under the canvas, scaled to cover the whole frame
    // (centred, its overflow cut off); an empty picture gives a plain colour.
    void setBackdrop(const Picture& picture);
    // One frame at the game's resolution (width x height), onto the renderer's target.
    void paint(const vtxhost::CanvasRecord& canvas, const GuiFrame& gui, int width, int height);
    // A picture as it is, then text over it in Dear ImGui's default font.
    void paintLabelled(const Picture& picture, const std::vector<TextLabel>& labels);
    // Lines of text on a dark panel in the top-left corner of what the
    // target holds (width x height), each wrapped to fit; the first line in
    // amber, as a heading. `textSize` is in the target's pixels.
    void paintNotice(const std::vector<std::string>& lines, float textSize, int width, int height);

private:
    struct State;
    // One frame of the painter's own Dear ImGui context: `draw` fills its
    // foreground list, which is then drawn onto the renderer's target.
    void paintOverlayText(int width, int height, const std::function<void(ImDrawList&)>& draw);
    void paintBackdrop(int width, int height);
    void paintCanvas(const vtxhost::CanvasRecord& canvas);
    void paintGui(const GuiFrame& gui);

    SDL_Renderer* renderer_;
    std::unique_ptr<State> state_;
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
    void setBackdrop(const Picture& picture);
    Picture render(const vtxhost::CanvasRecord& canvas, const GuiFrame& gui = {});
    // `picture` (of this renderer's size) with the labels drawn over it.
    Picture label(const Picture& picture, const std::vector<TextLabel>& labels);

private:
    struct Sdl;
    Picture readBack();

    int width_;
    int height_;
    std::unique_ptr<Sdl> sdl_;
    std::unique_ptr<FramePainter> painter_;
};

// The frame the host drew last, as the preview shows it.
GuiFrame lastGuiFrame(const vtxhost::Host& host);

} // namespace vtxpreview
