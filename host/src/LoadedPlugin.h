#pragma once
// What the host keeps of a loaded plugin library.
#include <memory>
#include <string>
#include <typeindex>

#include "HostImpl.h"
#include "PluginLibrary.h"
#include "bakkesmod/plugin/bakkesmodplugin.h"

namespace vtxhost {

struct HostImpl::LoadedPlugin {
    std::unique_ptr<PluginLibrary> library;
    std::shared_ptr<BakkesMod::Plugin::BakkesModPlugin> plugin; // the host's own reference
    void (*deleteMe)() = nullptr;
    int owner = 0;
    std::type_index type = typeid(void); // the plugin object's class
    std::string className;
};

} // namespace vtxhost
