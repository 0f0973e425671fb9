// Skins: which skin folder the overlay draws, and the way to the folders.
#include <imgui.h>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "core/Catalogue.h"
#include "core/Log.h"
#include "menu/MenuContext.h"
#include "menu/SkinsFolder.h"
#include "menu/Tabs.h"
#include "overlay/Skins.h"
#include "platform/Platform.h"

namespace vtx {

namespace {
void skinCombo(const MenuContext& menu) {
    CVarWrapper skin = getCvar(menu.cvars(), cvar::kSkin);
    // Copied: picking a skin runs the skin's change handler, which may rescan the list.
    const std::vector<std::string> names = menu.skins.names();
    std::string preview = skin.getStringValue();
    if (preview.empty() && !names.empty())
        preview = names.front();
    if (!ImGui::BeginCombo("Skin folder", preview.c_str()))
        return;
    for (const std::string& name : names) {
        const bool selected = sameSkinName(name, preview);
        if (ImGui::Selectable(name.c_str(), selected)) {
            skin.setValue(name);
            // vtx_skin may already hold this name (a folder added since it was
            // typed), and a host may then run no change handler.
            menu.skins.select(name);
            menu.skins.reloadPictures();
        }
        if (selected)
            ImGui::SetItemDefaultFocus();
    }
    ImGui::EndCombo();
}

void openSkinsFolder(const MenuContext& menu) {
    const std::filesystem::path roaming = platform::roamingAppDataFolder();
    if (roaming.empty())
        return;
    const std::filesystem::path folder = prepareSkinsFolder(roaming);
    if (folder.empty()) {
        logLine(menu.console, "could not create the skins folder; nothing opened");
        return;
    }
    platform::openFolderInShell(folder);
}
} // namespace

void drawSkinsTab(const MenuContext& menu) {
    skinCombo(menu);
    if (ImGui::Button("Refresh skin list")) {
        menu.skins.rescanSoon();
        menu.skins.names();
    }
    if (ImGui::Button("Open skins folder"))
        openSkinsFolder(menu);
}

} // namespace vtx
