#pragma once
// How a host learns of the widgets drawn into its Dear ImGui context. Dear
// ImGui built with its item hooks calls them for every widget; each build
// (the host's, and the copy a plugin brings inside its own library) carries
// small glue that forwards the calls to this table when the context's
// TestEngine pointer holds one, and does nothing otherwise. Plain C types
// only, so that both sides may be separate libraries.
#include <cstdint>

struct ImGuiContext;

namespace vtxhost {

inline constexpr std::uint32_t kItemHooksMagic = 0x48495456; // "VTIH": not some other test engine's data
inline constexpr std::uint32_t kItemHooksVersion = 1;

struct ItemHooks {
    std::uint32_t magic = kItemHooksMagic;
    std::uint32_t version = kItemHooksVersion;
    void* user = nullptr;
    // A widget took its place in the current window: its id and rectangle (screen pixels).
    void (*itemAdd)(void* user, ImGuiContext* context, std::uint32_t id, float minX, float minY, float maxX,
                    float maxY) = nullptr;
    // The same widget's label as passed to Dear ImGui, and its status flags.
    void (*itemInfo)(void* user, ImGuiContext* context, std::uint32_t id, const char* label, int statusFlags) = nullptr;
    // The label reported for an id this frame, or null (for Dear ImGui's own debug tools).
    const char* (*itemLabel)(void* user, ImGuiContext* context, std::uint32_t id) = nullptr;
};

} // namespace vtxhost
