// The overlay hotkey's assignment at the end of the General tab: a button
// that waits for the next key, and the binding in force as key chips.
#include <imgui.h>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "core/Catalogue.h"
#include "menu/KeyAssign.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"
#include "platform/Platform.h"

namespace vtx {

namespace {
std::uint16_t readKey(int virtualKey) { return platform::asyncKeyState(virtualKey); }

void writeBinding(CVarManagerWrapper& cvars, const HotkeyBinding& binding) {
    getCvar(cvars, cvar::kHotkeyVk).setValue(binding.vk);
    getCvar(cvars, cvar::kHotkeyMod1).setValue(binding.mod1);
    getCvar(cvars, cvar::kHotkeyMod2).setValue(binding.mod2);
}

// The binding read at the start of the frame, so a new one shows from the next frame.
void drawBindingChips(CVarManagerWrapper& cvars, const HotkeyBinding& shown) {
    ImGui::SameLine();
    if (shown.mod1 >= kModCtrl && shown.mod1 <= kModAlt)
        keyChip(modifierName(shown.mod1));
    if (shown.mod2 != kModNone) {
        if (shown.mod1 != kModNone)
            ImGui::SameLine(0.0f, 6.0f);
        keyChip(modifierName(shown.mod2));
    }
    if (shown.mod1 != kModNone || shown.mod2 != kModNone)
        ImGui::SameLine(0.0f, 6.0f);
    keyChip(keyName(shown.vk).c_str());
    ImGui::SameLine();
    if (ImGui::Button("Clear##overlaybind"))
        writeBinding(cvars, HotkeyBinding{});
}

// True when the section goes on to the chips this frame.
bool drawWait(CVarManagerWrapper& cvars, KeyAssignState& keyAssign) {
    ImGui::TextUnformatted("Press a key... (Esc to cancel)");
    HotkeyBinding binding;
    const KeyWait result =
        stepKeyAssign(keyAssign, platform::tickCount64(), ImGui::IsMouseDown(ImGuiMouseButton_Left), &readKey, binding);
    if (result == KeyWait::Arming)
        return false;
    if (result == KeyWait::Assigned)
        writeBinding(cvars, binding);
    return true;
}
} // namespace

void drawKeybindSection(std::shared_ptr<CVarManagerWrapper> cvarManager, KeyAssignState& keyAssign) {
    if (!cvarManager)
        return;
    CVarManagerWrapper& cvars = *cvarManager;
    ImGui::Spacing();
    ImGui::Separator();
    ImGui::TextUnformatted("Overlay Visibility Toggle Keybind");
    ImGui::TextUnformatted("Set a hotkey to show/hide the overlay. (Menu is always F9)");
    const HotkeyBinding shown{getCvar(cvars, cvar::kHotkeyVk).getIntValue(),
                              getCvar(cvars, cvar::kHotkeyMod1).getIntValue(),
                              getCvar(cvars, cvar::kHotkeyMod2).getIntValue()};

    ImGui::PushStyleVar(ImGuiStyleVar_FrameRounding, 6.0f);
    if (!keyAssign.active) {
        if (ImGui::Button("Assign Key##overlaybind"))
            beginKeyAssign(keyAssign, platform::tickCount64(), &readKey);
    } else if (!drawWait(cvars, keyAssign)) {
        ImGui::PopStyleVar();
        return;
    }
    ImGui::PopStyleVar();
    drawBindingChips(cvars, shown);
}

} // namespace vtx
