// What Dear ImGui produced in a frame: the widgets its item hooks reported
// (from the host's copy of Dear ImGui or a plugin's, through the table kept in
// the context) and a copy of the draw data.
#include <algorithm>

#include "GuiDrawCopy.h"
#include "HostImpl.h"
#include "imgui_internal.h"

namespace vtxhost {

namespace {

HostImpl& hostOf(void* user) { return *static_cast<HostImpl*>(user); }

GuiRect clipped(const GuiRect& rect, const ImRect& clip) {
    GuiRect visible{std::max(rect.minX, clip.Min.x), std::max(rect.minY, clip.Min.y), std::min(rect.maxX, clip.Max.x),
                    std::min(rect.maxY, clip.Max.y)};
    return visible.empty() ? GuiRect{} : visible;
}

} // namespace

bool guiItemLabelled(const GuiItem& item, std::string_view label) {
    if (label.empty())
        return false;
    if (item.label == label)
        return true;
    // An id is the label hashed under one of the ID stack's scopes (the
    // innermost for most widgets, an outer one when a widget pushes its own
    // label before adding its parts, as InputFloat with steps does).
    return std::any_of(item.idScopes.begin(), item.idScopes.end(),
                       [&](std::uint32_t scope) { return ImHashStr(label.data(), label.size(), scope) == item.id; });
}

void HostImpl::installItemHooks() {
    itemHooks_.user = this;
    itemHooks_.itemAdd = [](void* user, ImGuiContext* context, std::uint32_t id, float minX, float minY, float maxX,
                            float maxY) {
        hostOf(user).itemAdded(context, id, GuiRect{minX, minY, maxX, maxY});
    };
    itemHooks_.itemInfo = [](void* user, ImGuiContext* context, std::uint32_t id, const char* label, int flags) {
        hostOf(user).itemDescribed(context, id, label, flags);
    };
    // A settings handler that reads and writes nothing: only its user data counts.
    ImGuiSettingsHandler handler;
    handler.TypeName = kItemHooksHandler;
    handler.TypeHash = ImHashStr(kItemHooksHandler);
    handler.ReadOpenFn = [](ImGuiContext*, ImGuiSettingsHandler*, const char*) -> void* { return nullptr; };
    handler.ReadLineFn = [](ImGuiContext*, ImGuiSettingsHandler*, void*, const char*) {};
    handler.WriteAllFn = [](ImGuiContext*, ImGuiSettingsHandler*, ImGuiTextBuffer*) {};
    handler.UserData = &itemHooks_;
    gui_->SettingsHandlers.push_back(handler);
}

void HostImpl::startGuiRecord() {
    itemsBuilding_.clear();
    recording_ = true;
    itemHooks_.recording = true;
}

void HostImpl::finishGuiRecord(bool keep) {
    itemHooks_.recording = false;
    recording_ = false;
    if (!keep)
        return;
    items_.swap(itemsBuilding_);
    itemsBuilding_.clear();
    if (!drawCopy_)
        drawCopy_ = std::make_unique<GuiDrawCopy>();
    if (const ImDrawData* data = ImGui::GetDrawData())
        drawCopy_->take(*data);
}

const ImDrawData* HostImpl::guiDrawData() const { return drawCopy_ ? drawCopy_->data() : nullptr; }

// Called from whichever copy of Dear ImGui adds the widget, in the middle of
// its frame: only the context's plain data is read here.
void HostImpl::itemAdded(ImGuiContext* context, std::uint32_t id, const GuiRect& rect) {
    if (!recording_ || context != gui_)
        return;
    const ImGuiWindow* window = context->CurrentWindow;
    if (!window || window->IsFallbackWindow)
        return;
    // A widget may report its rectangle twice (ItemAdd, then its button
    // behaviour); the later one stands.
    auto same = std::find_if(itemsBuilding_.rbegin(), itemsBuilding_.rend(),
                             [&](const GuiItem& item) { return item.id == id && item.window == window->Name; });
    GuiItem& item = same != itemsBuilding_.rend() ? *same : itemsBuilding_.emplace_back();
    item.id = id;
    item.rect = rect;
    item.visible = clipped(rect, window->ClipRect);
    item.window = window->Name;
    item.idScopes.assign(window->IDStack.begin(), window->IDStack.end());
}

void HostImpl::itemDescribed(ImGuiContext* context, std::uint32_t id, const char* label, int statusFlags) {
    if (!recording_ || context != gui_)
        return;
    auto item = std::find_if(itemsBuilding_.rbegin(), itemsBuilding_.rend(),
                             [&](const GuiItem& candidate) { return candidate.id == id; });
    if (item == itemsBuilding_.rend())
        return; // an id the hooks never placed
    item->label = label ? label : "";
    item->statusFlags = statusFlags;
}

} // namespace vtxhost
