#include "FrameRenderer.h"

#include <SDL.h>
#include <map>
#include <stdexcept>

#include "imgui.h"
#include "imgui_impl_sdlrenderer.h"

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

} // namespace

struct FrameRenderer::Sdl {
    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
    // The backend keeps its state in a context's IO. It gets one of its own,
    // so that a picture leaves the host's context as the plugin saw it.
    ImGuiContext* backendContext = nullptr;

    ~Sdl() {
        if (backendContext) {
            CurrentContext current(backendContext);
            ImGui_ImplSDLRenderer_Shutdown();
        }
        if (backendContext)
            ImGui::DestroyContext(backendContext);
        if (renderer)
            SDL_DestroyRenderer(renderer);
        if (surface)
            SDL_FreeSurface(surface);
    }
};

FrameRenderer::FrameRenderer(int width, int height) : width_(width), height_(height), sdl_(std::make_unique<Sdl>()) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    sdl_->surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32);
    if (!sdl_->surface)
        throw sdlError("cannot make a " + std::to_string(width) + "x" + std::to_string(height) + " picture");
    sdl_->renderer = SDL_CreateSoftwareRenderer(sdl_->surface);
    if (!sdl_->renderer)
        throw sdlError("cannot start SDL's software renderer");
    ImGuiContext* previous = ImGui::GetCurrentContext();
    sdl_->backendContext = ImGui::CreateContext();
    ImGui::SetCurrentContext(sdl_->backendContext);
    ImGui_ImplSDLRenderer_Init(sdl_->renderer);
    ImGui::SetCurrentContext(previous);
}

FrameRenderer::~FrameRenderer() = default;

Picture FrameRenderer::render(const vtxhost::CanvasRecord& canvas, const GuiFrame& gui) {
    SDL_Renderer* renderer = sdl_->renderer;
    SDL_SetRenderDrawColor(renderer, kBackdrop.r, kBackdrop.g, kBackdrop.b, kBackdrop.a);
    SDL_RenderClear(renderer);
    drawCanvas(canvas);
    if (gui.drawData && gui.fonts)
        drawGui(gui);
    Picture picture{width_, height_, std::vector<std::uint8_t>(static_cast<std::size_t>(width_) * height_ * 4)};
    if (SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_RGBA32, picture.rgba.data(), width_ * 4) != 0)
        throw sdlError("cannot read the picture back");
    return picture;
}

// Each picture becomes a texture once per frame; the draws of one layer share it.
void FrameRenderer::drawCanvas(const vtxhost::CanvasRecord& canvas) {
    std::map<const void*, SDL_Texture*> textures;
    for (const vtxhost::DrawCall& draw : canvas.draws) {
        const std::size_t bytes = static_cast<std::size_t>(std::max(draw.imageWidth, 0)) *
                                  static_cast<std::size_t>(std::max(draw.imageHeight, 0)) * 4;
        if (!draw.pixels || bytes == 0 || draw.pixels->size() < bytes || !(draw.scale > 0))
            continue;
        SDL_Texture*& texture = textures[draw.pixels.get()];
        if (!texture)
            texture = textureOf(sdl_->renderer, draw.pixels->data(), draw.imageWidth, draw.imageHeight);
        if (!texture)
            continue;
        SDL_SetTextureColorMod(texture, draw.r, draw.g, draw.b);
        SDL_SetTextureAlphaMod(texture, draw.a);
        const SDL_FRect to{static_cast<float>(draw.x), static_cast<float>(draw.y), draw.imageWidth * draw.scale,
                           draw.imageHeight * draw.scale};
        SDL_RenderCopyF(sdl_->renderer, texture, nullptr, &to);
    }
    for (const auto& [pixels, texture] : textures)
        if (texture)
            SDL_DestroyTexture(texture);
}

// The host's context never gave its font atlas a texture (the game's
// renderer would): the atlas is uploaded here and every command that names it
// draws with the upload. Commands naming a texture this renderer does not
// know draw untextured, and callbacks into the plugin are skipped.
void FrameRenderer::drawGui(const GuiFrame& gui) {
    unsigned char* atlas = nullptr;
    int atlasWidth = 0, atlasHeight = 0;
    gui.fonts->GetTexDataAsRGBA32(&atlas, &atlasWidth, &atlasHeight);
    SDL_Texture* font = atlas ? textureOf(sdl_->renderer, atlas, atlasWidth, atlasHeight) : nullptr;

    CurrentContext current(sdl_->backendContext);
    std::vector<ImDrawList*> lists;
    for (int i = 0; i < gui.drawData->CmdListsCount; ++i) {
        ImDrawList* list = gui.drawData->CmdLists[i]->CloneOutput();
        for (ImDrawCmd& command : list->CmdBuffer) {
            command.TextureId = command.TextureId == gui.fonts->TexID ? font : nullptr;
            if (command.UserCallback && command.UserCallback != ImDrawCallback_ResetRenderState) {
                command.UserCallback = nullptr;
                command.ElemCount = 0;
            }
        }
        lists.push_back(list);
    }
    ImDrawData data = *gui.drawData;
    data.CmdLists = lists.data();
    ImGui_ImplSDLRenderer_RenderDrawData(&data);
    for (ImDrawList* list : lists)
        IM_DELETE(list);
    if (font)
        SDL_DestroyTexture(font);
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
