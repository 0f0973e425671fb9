#include "GuiDraw.h"

#include <SDL.h>
#include <cstddef>

namespace vtxpreview {

namespace {

void startState(SDL_Renderer* renderer) {
    SDL_RenderSetViewport(renderer, nullptr);
    SDL_RenderSetClipRect(renderer, nullptr);
    // Untextured commands blend by the renderer's own mode.
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
}

// The command's clip rectangle in the target's pixels, cut to the target;
// false when nothing of it is left.
bool clipRect(const ImDrawCmd& command, const ImVec2& offset, const ImVec2& scale, int width, int height,
              SDL_Rect& rect) {
    float minX = (command.ClipRect.x - offset.x) * scale.x, minY = (command.ClipRect.y - offset.y) * scale.y;
    float maxX = (command.ClipRect.z - offset.x) * scale.x, maxY = (command.ClipRect.w - offset.y) * scale.y;
    minX = minX < 0 ? 0 : minX;
    minY = minY < 0 ? 0 : minY;
    maxX = maxX > static_cast<float>(width) ? static_cast<float>(width) : maxX;
    maxY = maxY > static_cast<float>(height) ? static_cast<float>(height) : maxY;
    if (maxX <= minX || maxY <= minY)
        return false;
    rect = SDL_Rect{static_cast<int>(minX), static_cast<int>(minY), static_cast<int>(maxX - minX),
                    static_cast<int>(maxY - minY)};
    return true;
}

} // namespace

void drawGuiData(SDL_Renderer* renderer, const ImDrawData& data, ImTextureID fontId, SDL_Texture* font) {
    // A renderer already scaled (the window's) draws at its own scale.
    float rendererScaleX = 1, rendererScaleY = 1;
    SDL_RenderGetScale(renderer, &rendererScaleX, &rendererScaleY);
    const ImVec2 scale(rendererScaleX == 1 ? data.FramebufferScale.x : 1,
                       rendererScaleY == 1 ? data.FramebufferScale.y : 1);
    const int width = static_cast<int>(data.DisplaySize.x * scale.x);
    const int height = static_cast<int>(data.DisplaySize.y * scale.y);
    if (width <= 0 || height <= 0)
        return;

    SDL_Rect oldViewport, oldClip;
    const bool oldClipEnabled = SDL_RenderIsClipEnabled(renderer) == SDL_TRUE;
    SDL_RenderGetViewport(renderer, &oldViewport);
    SDL_RenderGetClipRect(renderer, &oldClip);
    startState(renderer);

    constexpr int stride = static_cast<int>(sizeof(ImDrawVert));
    for (int n = 0; n < data.CmdListsCount; ++n) {
        const ImDrawList* list = data.CmdLists[n];
        const ImDrawVert* vertices = list->VtxBuffer.Data;
        const ImDrawIdx* indices = list->IdxBuffer.Data;
        for (const ImDrawCmd& command : list->CmdBuffer) {
            if (command.UserCallback) {
                if (command.UserCallback == ImDrawCallback_ResetRenderState)
                    startState(renderer);
                continue;
            }
            SDL_Rect clip;
            if (command.ElemCount == 0 || !clipRect(command, data.DisplayPos, scale, width, height, clip))
                continue;
            SDL_RenderSetClipRect(renderer, &clip);
            // Each command counts its vertices from its own offset (large lists
            // with 16-bit indices start over every 64k vertices).
            const ImDrawVert* first = vertices + command.VtxOffset;
            const auto* base = reinterpret_cast<const char*>(first);
            SDL_RenderGeometryRaw(renderer, command.TextureId == fontId ? font : nullptr,
                                  reinterpret_cast<const float*>(base + offsetof(ImDrawVert, pos)), stride,
                                  reinterpret_cast<const SDL_Color*>(base + offsetof(ImDrawVert, col)), stride,
                                  reinterpret_cast<const float*>(base + offsetof(ImDrawVert, uv)), stride,
                                  list->VtxBuffer.Size - static_cast<int>(command.VtxOffset),
                                  indices + command.IdxOffset, static_cast<int>(command.ElemCount),
                                  static_cast<int>(sizeof(ImDrawIdx)));
        }
    }

    SDL_RenderSetViewport(renderer, &oldViewport);
    SDL_RenderSetClipRect(renderer, oldClipEnabled ? &oldClip : nullptr);
}

} // namespace vtxpreview
