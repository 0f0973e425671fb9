// Dear ImGui's item hooks for a build compiled with IMGUI_ENABLE_TEST_ENGINE.
// Compiled into every copy of Dear ImGui (the host's and each plugin's), they
// forward to the table the host keeps in the context, so that widgets drawn
// by a plugin's own copy reach the host that owns the context. Without a
// table they do nothing.
//
// Dear ImGui 1.75's context has no field for a test engine. The host hands
// its table over as the user data of a settings handler it registers under
// vtxhost::kItemHooksHandler: a field every copy of 1.75 already has, at the
// same place, so the context keeps the layout of the host's own Dear ImGui.
#include "imgui.h"
#include "imgui_internal.h"
#include "vtxhost/ItemHooks.h"

namespace {

const vtxhost::ItemHooks* hooksOf(ImGuiContext* context) {
    if (!context)
        return nullptr;
    static const ImGuiID handlerHash = ImHashStr(vtxhost::kItemHooksHandler);
    for (const ImGuiSettingsHandler& handler : context->SettingsHandlers) {
        if (handler.TypeHash != handlerHash)
            continue;
        const auto* hooks = static_cast<const vtxhost::ItemHooks*>(handler.UserData);
        if (!hooks || hooks->magic != vtxhost::kItemHooksMagic || hooks->version != vtxhost::kItemHooksVersion)
            return nullptr;
        return hooks->recording ? hooks : nullptr;
    }
    return nullptr;
}

} // namespace

// The host knows its own frames; nothing to do around NewFrame.
void ImGuiTestEngineHook_PreNewFrame(ImGuiContext*) {}
void ImGuiTestEngineHook_PostNewFrame(ImGuiContext*) {}

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
