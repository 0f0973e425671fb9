// Skins: which skin folder the overlay draws, and the way to the folders.
#include <imgui.h>

#include "Vantrix.h"
#include "core/Catalogue.h"
#include "core/Log.h"
#include "menu/SkinsFolder.h"
#include "menu/Tabs.h"
#include "overlay/Skins.h"
#include "platform/Platform.h"

namespace vtx {

namespace {
void skinCombo(Vantrix& plugin) {
    CVarWrapper skin = getCvar(*plugin.cvarManager, cvar::kSkin);
    std::string preview = skin.getStringValue();
    if (preview.empty() && !plugin.skinNames.empty())
        preview = plugin.skinNames.front();
    if (!ImGui::BeginCombo("Skin folder", preview.c_str()))
        return;
    // Copied: picking a skin runs the skin's change handler, which may rescan the list.
    const std::vector<std::string> names = plugin.skinNames;
    for (const std::string& name : names) {
        const bool selected = sameSkinName(name, preview);
        if (ImGui::Selectable(name.c_str(), selected)) {
            skin.setValue(name);
            // vtx_skin may already hold this name (a folder added since it was
            // typed), and a host may then run no change handler.
            selectSkin(plugin, name);
            plugin.imagesLoaded = false;
        }
        if (selected)
            ImGui::SetItemDefaultFocus();
    }
    ImGui::EndCombo();
}

void openSkinsFolder(Vantrix& plugin) {
    const std::filesystem::path roaming = platform::roamingAppDataFolder();
    if (roaming.empty())
        return;
    const std::filesystem::path folder = prepareSkinsFolder(roaming);
    if (folder.empty()) {
        logLine(plugin.cvarManager, "could not create the skins folder; nothing opened");
        return;
    }
    platform::openFolderInShell(folder);
}
} // namespace

void drawSkinsTab(Vantrix& plugin) {
    if (plugin.skinListDirty)
        scanSkins(plugin);
    skinCombo(plugin);
    if (ImGui::Button("Refresh skin list")) {
        plugin.skinListDirty = true;
        scanSkins(plugin);
    }
    if (ImGui::Button("Open skins folder"))
        openSkinsFolder(plugin);
}

} // namespace vtx
