#pragma once
// Dear ImGui's draw data through an SDL_Renderer (SDL_RenderGeometryRaw):
// each command's triangles with its clip rectangle and texture, as a game's
// renderer backend draws them.
#include "imgui.h"

struct SDL_Renderer;
struct SDL_Texture;

namespace vtxpreview {

// Draws every list of `data` at the renderer's scale. Commands naming
// `fontId` draw with `font`; commands naming any other texture draw
// untextured (the renderer has no picture for it). Callbacks into the code
// that drew are skipped: that code may be gone, and it cannot draw here.
// The renderer's viewport and clip rectangle are as before afterwards.
void drawGuiData(SDL_Renderer* renderer, const ImDrawData& data, ImTextureID fontId, SDL_Texture* font);

} // namespace vtxpreview
