// Loading and unloading a plugin library through its three exports.
#include <cstdint>
#include <typeindex>

#include "LoadedPlugin.h"
#include "bakkesmod/plugin/pluginwindow.h"

namespace vtxhost {

using BakkesMod::Plugin::BakkesModPlugin;
using BakkesMod::Plugin::PluginInfo;
using BakkesMod::Plugin::PluginWindow;

bool HostImpl::load(const std::filesystem::path& path, std::string* error) {
    std::string reason;
    auto fail = [&](std::string why) {
        if (error)
            *error = std::move(why);
        return false;
    };
    if (plugin_)
        return fail("a plugin is already loaded");

    auto library = PluginLibrary::open(path, reason);
    if (!library)
        return fail(reason);
    auto* info = static_cast<const PluginInfo*>(library->symbol("exports"));
    auto getPlugin = reinterpret_cast<std::uintptr_t (*)()>(library->symbol("getPlugin"));
    auto deleteMe = reinterpret_cast<void (*)()>(library->symbol("deleteMe"));
    if (!info)
        return fail("no symbol 'exports' in " + path.string());
    if (!getPlugin)
        return fail("no symbol 'getPlugin' in " + path.string());
    if (!deleteMe)
        return fail("no symbol 'deleteMe' in " + path.string());

    Action action(*this);
    std::uintptr_t address = 0;
    guarded([&] { address = getPlugin(); });
    auto* holder = reinterpret_cast<std::shared_ptr<BakkesModPlugin>*>(address);
    if (!holder || !*holder)
        return fail("getPlugin gave no plugin");

    auto loaded = std::make_unique<LoadedPlugin>();
    loaded->library = std::move(library);
    loaded->plugin = *holder;
    loaded->deleteMe = deleteMe;
    loaded->owner = nextOwner_++;
    loaded->className = info->className ? info->className : "";
    const BakkesModPlugin& object = *loaded->plugin;
    loaded->type = typeid(object); // the plugin's own class, as the host names it
    liveOwners_.push_back(loaded->owner);

    BakkesModPlugin& plugin = *loaded->plugin;
    const int owner = loaded->owner;
    const std::type_index type = loaded->type;
    const long pluginType = static_cast<long>(info->pluginType);
    plugin_ = std::move(loaded);
    // Made once the plugin is known, so that they name its current load.
    plugin.cvarManager = std::make_shared<CVarManagerWrapper>(memory(), type);
    plugin.gameWrapper = std::make_shared<GameWrapper>(memory(), pluginType, type);

    guarded([&] { plugin.onLoad(); });
    if (auto* window = dynamic_cast<PluginWindow*>(&plugin))
        addWindow(owner, window);
    return true;
}

void HostImpl::unload() {
    if (!plugin_)
        return;
    {
        Action action(*this);
        guarded([&] { plugin_->plugin->onUnload(); });
        guarded([&] { plugin_->deleteMe(); });
        // The object dies here unless the plugin kept references of its own.
        guarded([&] { plugin_->plugin.reset(); });
        // Every callback lives in the library's code: all go before it closes.
        dropOwner(plugin_->owner);
    }
    auto loaded = std::move(plugin_);
    if (actionDepth_ > 0)
        closeLater_.push_back(std::move(loaded->library));
    loaded.reset(); // closes the library unless an action still runs
}

BakkesModPlugin* HostImpl::plugin() const { return plugin_ ? plugin_->plugin.get() : nullptr; }

std::string HostImpl::pluginClassName() const { return plugin_ ? plugin_->className : std::string(); }

} // namespace vtxhost
