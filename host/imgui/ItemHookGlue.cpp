// Dear ImGui's item hooks for a build compiled with IMGUI_ENABLE_TEST_ENGINE.
// Compiled into every copy of Dear ImGui (the host's and each plugin's), they
// forward to the table the host keeps in the context, so that widgets drawn
// by a plugin's own copy reach the host that owns the context. Without a
// table they do nothing.
#include "imgui.h"
#include "imgui_internal.h"
#include "vtxhost/ItemHooks.h"

namespace {

const vtxhost::ItemHooks* hooksOf(ImGuiContext* context) {
    const auto* hooks = context ? static_cast<const vtxhost::ItemHooks*>(context->TestEngine) : nullptr;
    if (!hooks || hooks->magic != vtxhost::kItemHooksMagic || hooks->version != vtxhost::kItemHooksVersion)
        return nullptr;
    return hooks;
}

} // namespace

void ImGuiTestEngineHook_ItemAdd(ImGuiContext* context, const ImRect& bb, ImGuiID id) {
    if (const vtxhost::ItemHooks* hooks = hooksOf(context); hooks && hooks->itemAdd)
        hooks->itemAdd(hooks->user, context, id, bb.Min.x, bb.Min.y, bb.Max.x, bb.Max.y);
}

void ImGuiTestEngineHook_ItemInfo(ImGuiContext* context, ImGuiID id, const char* label, ImGuiItemStatusFlags flags) {
    if (const vtxhost::ItemHooks* hooks = hooksOf(context); hooks && hooks->itemInfo)
        hooks->itemInfo(hooks->user, context, id, label, flags);
}

// Dear ImGui's own log lines for a test engine; the host keeps none.
void ImGuiTestEngineHook_Log(ImGuiContext*, const char*, ...) {}

const char* ImGuiTestEngine_FindItemDebugLabel(ImGuiContext* context, ImGuiID id) {
    if (const vtxhost::ItemHooks* hooks = hooksOf(context); hooks && hooks->itemLabel)
        return hooks->itemLabel(hooks->user, context, id);
    return nullptr;
}
