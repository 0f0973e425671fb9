#include "FrameRenderer.h"

#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

#include "GuiDraw.h"
#include "imgui.h"
#include "vtxhost/CanvasFont.h"

namespace vtxpreview {

namespace {

constexpr SDL_Color kBackdrop = {32, 32, 40, 255};

std::runtime_error sdlError(const std::string& what) { return std::runtime_error(what + ": " + SDL_GetError()); }

SDL_Texture* textureOf(SDL_Renderer* renderer, const std::uint8_t* rgba, int width, int height) {
    SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, width, height);
    if (!texture)
        return nullptr;
    SDL_UpdateTexture(texture, nullptr, rgba, width * 4);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    return texture;
}

// Makes a Dear ImGui context current for a scope, and puts back the previous one.
class CurrentContext {
public:
    explicit CurrentContext(ImGuiContext* context) : previous_(ImGui::GetCurrentContext()) {
        ImGui::SetCurrentContext(context);
    }
    ~CurrentContext() { ImGui::SetCurrentContext(previous_); }
    CurrentContext(const CurrentContext&) = delete;
    CurrentContext& operator=(const CurrentContext&) = delete;

private:
    ImGuiContext* previous_;
};

// The part of a picture that covers a frame of another shape: centred, the
// overflow of the longer side cut off.
SDL_Rect coverSource(int pictureWidth, int pictureHeight, int width, int height) {
    const double pictureAspect = static_cast<double>(pictureWidth) / pictureHeight;
    const double frameAspect = static_cast<double>(width) / height;
    SDL_Rect source{0, 0, pictureWidth, pictureHeight};
    if (pictureAspect > frameAspect) {
        source.w = std::max(1, static_cast<int>(pictureHeight * frameAspect + 0.5));
        source.x = (pictureWidth - source.w) / 2;
    } else if (pictureAspect < frameAspect) {
        source.h = std::max(1, static_cast<int>(pictureWidth / frameAspect + 0.5));
        source.y = (pictureHeight - source.h) / 2;
    }
    return source;
}

// A string in the canvas font: each run of lit pixels in a glyph row is one
// rectangle, xScale by yScale a pixel; the shadow is the same rectangles one
// screen pixel down and right, in black, beneath.
void paintText(SDL_Renderer* renderer, const vtxhost::TextDraw& text, std::vector<SDL_FRect>& rects) {
    if (!(text.xScale > 0) || !(text.yScale > 0) || !std::isfinite(text.xScale) || !std::isfinite(text.yScale))
        return;
    rects.clear();
    const float left = static_cast<float>(text.x);
    const float top = static_cast<float>(text.y);
    float glyphLeft = left;
    for (const vtxhost::CanvasGlyph* glyph : vtxhost::canvasGlyphs(text.text)) {
        for (int row = 0; row < vtxhost::kCanvasGlyphHeight; ++row) {
            const unsigned bits = glyph->rows[row];
            for (int column = 0; column < vtxhost::kCanvasGlyphWidth;) {
                if (!(bits & (0x80u >> column))) {
                    ++column;
                    continue;
                }
                const int start = column;
                while (column < vtxhost::kCanvasGlyphWidth && (bits & (0x80u >> column)))
                    ++column;
                rects.push_back(SDL_FRect{glyphLeft + static_cast<float>(start) * text.xScale,
                                          top + static_cast<float>(row) * text.yScale,
                                          static_cast<float>(column - start) * text.xScale, text.yScale});
            }
        }
        glyphLeft += static_cast<float>(vtxhost::kCanvasGlyphWidth) * text.xScale;
    }
    if (rects.empty())
        return;
    const int count = static_cast<int>(std::min<std::size_t>(rects.size(), 1u << 30));
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    if (text.dropShadow) {
        for (SDL_FRect& rect : rects) {
            rect.x += 1;
            rect.y += 1;
        }
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, text.a);
        SDL_RenderFillRectsF(renderer, rects.data(), count);
        for (SDL_FRect& rect : rects) {
            rect.x -= 1;
            rect.y -= 1;
        }
    }
    SDL_SetRenderDrawColor(renderer, text.r, text.g, text.b, text.a);
    SDL_RenderFillRectsF(renderer, rects.data(), count);
}

bool positive(float value) { return value > 0 && std::isfinite(value); }

// A line as wide as asked, its ends cut square across it; one no wider than
// a pixel is drawn a pixel wide, and a wide one of no length is a square.
void paintLine(SDL_Renderer* renderer, const vtxhost::ShapeDraw& line) {
    if (!positive(line.lineWidth))
        return;
    if (line.lineWidth <= 1) {
        SDL_RenderDrawLineF(renderer, line.x, line.y, line.endX, line.endY);
        return;
    }
    // Half the width across the line each way; a line of no length is
    // stretched half the width along X each way too.
    const float dx = line.endX - line.x, dy = line.endY - line.y;
    const float length = std::hypot(dx, dy);
    const float half = line.lineWidth / 2;
    float acrossX = 0, acrossY = half, alongX = half;
    if (length > 0) {
        acrossX = -dy / length * half;
        acrossY = dx / length * half;
        alongX = 0;
    }
    const SDL_Color colour{line.r, line.g, line.b, line.a};
    const auto corner = [&](float x, float y) { return SDL_Vertex{SDL_FPoint{x, y}, colour, SDL_FPoint{0, 0}}; };
    const SDL_Vertex corners[4] = {
        corner(line.x + acrossX - alongX, line.y + acrossY), corner(line.endX + acrossX + alongX, line.endY + acrossY),
        corner(line.endX - acrossX + alongX, line.endY - acrossY), corner(line.x - acrossX - alongX, line.y - acrossY)};
    const int triangles[6] = {0, 1, 2, 0, 2, 3};
    SDL_RenderGeometry(renderer, nullptr, corners, 4, triangles, 6);
}

// A box of no positive size shows nothing; an outline lies inside the box.
void paintShape(SDL_Renderer* renderer, const vtxhost::ShapeDraw& shape) {
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(renderer, shape.r, shape.g, shape.b, shape.a);
    if (shape.kind == vtxhost::ShapeDraw::Kind::Line) {
        paintLine(renderer, shape);
        return;
    }
    if (!positive(shape.width) || !positive(shape.height))
        return;
    const SDL_FRect box{shape.x, shape.y, shape.width, shape.height};
    if (shape.kind == vtxhost::ShapeDraw::Kind::FilledBox)
        SDL_RenderFillRectF(renderer, &box);
    else
        SDL_RenderDrawRectF(renderer, &box);
}

} // namespace

struct FramePainter::State {
    // Labels are drawn by a Dear ImGui context of the painter's own, so that
    // a picture leaves the host's context as the plugin saw it.
    ImGuiContext* labelContext = nullptr;
    SDL_Texture* labelFont = nullptr; // that context's font atlas, uploaded on first use
    SDL_Texture* backdrop = nullptr;
    int backdropWidth = 0, backdropHeight = 0;

    void dropBackdrop() {
        if (backdrop)
            SDL_DestroyTexture(backdrop);
        backdrop = nullptr;
    }
};

FramePainter::FramePainter(SDL_Renderer* renderer) : renderer_(renderer), state_(std::make_unique<State>()) {
    ImGuiContext* previous = ImGui::GetCurrentContext();
    state_->labelContext = ImGui::CreateContext();
    ImGui::SetCurrentContext(state_->labelContext);
    ImGui::GetIO().IniFilename = nullptr; // labels open no window worth remembering
    ImGui::SetCurrentContext(previous);
}

FramePainter::~FramePainter() {
    state_->dropBackdrop();
    if (state_->labelFont)
        SDL_DestroyTexture(state_->labelFont);
    ImGui::DestroyContext(state_->labelContext);
}

void FramePainter::setBackdrop(const Picture& picture) {
    state_->dropBackdrop();
    if (picture.empty())
        return;
    state_->backdrop = textureOf(renderer_, picture.rgba.data(), picture.width, picture.height);
    if (!state_->backdrop)
        throw sdlError("cannot make a texture of the backdrop");
    SDL_SetTextureBlendMode(state_->backdrop, SDL_BLENDMODE_NONE);
    state_->backdropWidth = picture.width;
    state_->backdropHeight = picture.height;
}

void FramePainter::paint(const vtxhost::CanvasRecord& canvas, const GuiFrame& gui, int width, int height) {
    paintBackdrop(width, height);
    paintCanvas(canvas);
    if (gui.drawData && gui.fonts)
        paintGui(gui);
}

void FramePainter::paintBackdrop(int width, int height) {
    SDL_SetRenderDrawColor(renderer_, kBackdrop.r, kBackdrop.g, kBackdrop.b, kBackdrop.a);
    SDL_RenderClear(renderer_);
    if (!state_->backdrop)
        return;
    const SDL_Rect source = coverSource(state_->backdropWidth, state_->backdropHeight, width, height);
    const SDL_Rect to{0, 0, width, height};
    SDL_RenderCopy(renderer_, state_->backdrop, &source, &to);
}

// Each picture becomes a texture once per frame; the draws of one layer share
// it. Texts and shapes go between the pictures, and between one another, in
// the order the plugin drew them.
void FramePainter::paintCanvas(const vtxhost::CanvasRecord& canvas) {
    std::map<const void*, SDL_Texture*> textures;
    std::vector<SDL_FRect> rects;
    std::size_t nextText = 0, nextShape = 0;
    const auto paintDrawnBefore = [&](std::size_t draws) {
        for (;;) {
            const bool text = nextText < canvas.texts.size() && canvas.texts[nextText].drawsBefore <= draws;
            const bool shape = nextShape < canvas.shapes.size() && canvas.shapes[nextShape].drawsBefore <= draws;
            if (shape && (!text || canvas.shapes[nextShape].textsBefore <= nextText))
                paintShape(renderer_, canvas.shapes[nextShape++]);
            else if (text)
                paintText(renderer_, canvas.texts[nextText++], rects);
            else
                break;
        }
    };
    for (std::size_t i = 0; i < canvas.draws.size(); ++i) {
        paintDrawnBefore(i);
        const vtxhost::DrawCall& draw = canvas.draws[i];
        const std::size_t bytes = static_cast<std::size_t>(std::max(draw.imageWidth, 0)) *
                                  static_cast<std::size_t>(std::max(draw.imageHeight, 0)) * 4;
        if (!draw.pixels || bytes == 0 || draw.pixels->size() < bytes || !(draw.scale > 0))
            continue;
        SDL_Texture*& texture = textures[draw.pixels.get()];
        if (!texture)
            texture = textureOf(renderer_, draw.pixels->data(), draw.imageWidth, draw.imageHeight);
        if (!texture)
            continue;
        SDL_SetTextureColorMod(texture, draw.r, draw.g, draw.b);
        SDL_SetTextureAlphaMod(texture, draw.a);
        const SDL_FRect to{static_cast<float>(draw.x), static_cast<float>(draw.y), draw.imageWidth * draw.scale,
                           draw.imageHeight * draw.scale};
        SDL_RenderCopyF(renderer_, texture, nullptr, &to);
    }
    paintDrawnBefore(canvas.draws.size());
    for (const auto& [pixels, texture] : textures)
        if (texture)
            SDL_DestroyTexture(texture);
}

// The host's context never gave its font atlas a texture (the game's
// renderer would): the atlas is uploaded here and every command that names it
// draws with the upload. Commands naming a texture this renderer does not
// know draw untextured, and callbacks into the plugin are skipped.
void FramePainter::paintGui(const GuiFrame& gui) {
    unsigned char* atlas = nullptr;
    int atlasWidth = 0, atlasHeight = 0;
    gui.fonts->GetTexDataAsRGBA32(&atlas, &atlasWidth, &atlasHeight);
    SDL_Texture* font = atlas ? textureOf(renderer_, atlas, atlasWidth, atlasHeight) : nullptr;
    drawGuiData(renderer_, *gui.drawData, gui.fonts->TexID, font);
    if (font)
        SDL_DestroyTexture(font);
}

void FramePainter::paintOverlayText(int width, int height, const std::function<void(ImDrawList&)>& draw) {
    CurrentContext current(state_->labelContext);
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(static_cast<float>(width), static_cast<float>(height));
    if (!state_->labelFont) {
        unsigned char* atlas = nullptr;
        int atlasWidth = 0, atlasHeight = 0;
        io.Fonts->GetTexDataAsRGBA32(&atlas, &atlasWidth, &atlasHeight);
        state_->labelFont = textureOf(renderer_, atlas, atlasWidth, atlasHeight);
        if (!state_->labelFont)
            throw sdlError("cannot make a texture of the label font");
        io.Fonts->TexID = state_->labelFont;
    }
    ImGui::NewFrame();
    draw(*ImGui::GetForegroundDrawList());
    ImGui::Render();
    drawGuiData(renderer_, *ImGui::GetDrawData(), io.Fonts->TexID, state_->labelFont);
}

// The labels are one Dear ImGui frame of the painter's own context: text on
// its foreground draw list, a dark copy one pixel down and right beneath each
// so that it reads on any picture.
void FramePainter::paintLabelled(const Picture& picture, const std::vector<TextLabel>& labels) {
    SDL_SetRenderDrawColor(renderer_, kBackdrop.r, kBackdrop.g, kBackdrop.b, kBackdrop.a);
    SDL_RenderClear(renderer_);
    if (SDL_Texture* texture = textureOf(renderer_, picture.rgba.data(), picture.width, picture.height)) {
        SDL_RenderCopy(renderer_, texture, nullptr, nullptr);
        SDL_DestroyTexture(texture);
    }
    paintOverlayText(picture.width, picture.height, [&](ImDrawList& list) {
        for (const TextLabel& label : labels) {
            const float shadow = std::max(1.0f, label.size / 13);
            list.AddText(nullptr, label.size, ImVec2(label.x + shadow, label.y + shadow), IM_COL32(0, 0, 0, 255),
                         label.text.c_str());
            list.AddText(nullptr, label.size, ImVec2(label.x, label.y), IM_COL32(255, 255, 255, 255),
                         label.text.c_str());
        }
    });
}

void FramePainter::paintNotice(const std::vector<std::string>& lines, float textSize, int width, int height) {
    if (lines.empty())
        return;
    paintOverlayText(width, height, [&](ImDrawList& list) {
        const ImFont* font = ImGui::GetFont();
        const float margin = textSize, padding = textSize * 0.75f;
        const float wrap = std::max(textSize * 10, static_cast<float>(width) - 2 * (margin + padding));
        float panelWidth = 0, panelHeight = 0;
        std::vector<float> heights;
        for (const std::string& line : lines) {
            const ImVec2 size = font->CalcTextSizeA(textSize, wrap, wrap, line.c_str());
            panelWidth = std::max(panelWidth, size.x);
            heights.push_back(size.y);
            panelHeight += size.y + textSize * 0.25f;
        }
        list.AddRectFilled(ImVec2(margin, margin),
                           ImVec2(margin + panelWidth + 2 * padding, margin + panelHeight + 2 * padding),
                           IM_COL32(0, 0, 0, 200), textSize * 0.3f);
        float y = margin + padding;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const ImU32 colour = i == 0 ? IM_COL32(255, 190, 60, 255) : IM_COL32(255, 255, 255, 255);
            list.AddText(font, textSize, ImVec2(margin + padding, y), colour, lines[i].c_str(), nullptr, wrap);
            y += heights[i] + textSize * 0.25f;
        }
    });
}

struct FrameRenderer::Sdl {
    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;

    ~Sdl() {
        if (renderer)
            SDL_DestroyRenderer(renderer);
        if (surface)
            SDL_FreeSurface(surface);
    }
};

FrameRenderer::FrameRenderer(int width, int height) : width_(width), height_(height), sdl_(std::make_unique<Sdl>()) {
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    sdl_->surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32);
    if (!sdl_->surface)
        throw sdlError("cannot make a " + std::to_string(width) + "x" + std::to_string(height) + " picture");
    sdl_->renderer = SDL_CreateSoftwareRenderer(sdl_->surface);
    if (!sdl_->renderer)
        throw sdlError("cannot start SDL's software renderer");
    painter_ = std::make_unique<FramePainter>(sdl_->renderer);
}

// The painter goes first: its textures belong to the renderer.
FrameRenderer::~FrameRenderer() { painter_.reset(); }

void FrameRenderer::setBackdrop(const Picture& picture) { painter_->setBackdrop(picture); }

Picture FrameRenderer::render(const vtxhost::CanvasRecord& canvas, const GuiFrame& gui) {
    painter_->paint(canvas, gui, width_, height_);
    return readBack();
}

Picture FrameRenderer::label(const Picture& picture, const std::vector<TextLabel>& labels) {
    painter_->paintLabelled(picture, labels);
    return readBack();
}

Picture FrameRenderer::readBack() {
    Picture picture{width_, height_, std::vector<std::uint8_t>(static_cast<std::size_t>(width_) * height_ * 4)};
    if (SDL_RenderReadPixels(sdl_->renderer, nullptr, SDL_PIXELFORMAT_RGBA32, picture.rgba.data(), width_ * 4) != 0)
        throw sdlError("cannot read the picture back");
    return picture;
}

GuiFrame lastGuiFrame(const vtxhost::Host& host) {
    GuiFrame frame;
    frame.drawData = host.guiDrawData();
    if (ImGuiContext* context = host.guiContext()) {
        CurrentContext current(context);
        frame.fonts = ImGui::GetIO().Fonts;
    }
    return frame;
}

} // namespace vtxpreview
