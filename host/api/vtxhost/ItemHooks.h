#pragma once
// How a host learns of the widgets drawn into its Dear ImGui context. Dear
// ImGui built with its item hooks calls them for every widget; each build
// (the host's, and the copy a plugin brings inside its own library) carries
// small glue that forwards the calls to this table when the context holds
// one, and does nothing otherwise. The table travels as the user data of a
// settings handler named kItemHooksHandler (Dear ImGui 1.75's context has no
// place of its own for it). Plain C types only, so that both sides may be
// separate libraries.
#include <cstdint>

struct ImGuiContext;

namespace vtxhost {

inline constexpr std::uint32_t kItemHooksMagic = 0x48495456; // "VTIH": not some other test engine's data
inline constexpr std::uint32_t kItemHooksVersion = 2;
// The settings handler whose user data is the table; it reads and writes no settings.
inline constexpr char kItemHooksHandler[] = "VtxItemHooks";

struct ItemHooks {
    std::uint32_t magic = kItemHooksMagic;
    std::uint32_t version = kItemHooksVersion;
    // The hooks fire only while the host records a frame: a frame it drops
    // (a window operation's between frames) reports nothing.
    bool recording = false;
    void* user = nullptr;
    // A widget took its place in the current window: its id and rectangle (screen pixels).
    void (*itemAdd)(void* user, ImGuiContext* context, std::uint32_t id, float minX, float minY, float maxX,
                    float maxY) = nullptr;
    // The same widget's label as passed to Dear ImGui, and its status flags.
    void (*itemInfo)(void* user, ImGuiContext* context, std::uint32_t id, const char* label, int statusFlags) = nullptr;
};

} // namespace vtxhost
