#pragma once
// The host's plugin interface: the base class every plugin derives from, the
// record a plugin library exports to identify itself, and the macro that
// defines a plugin's three exports.
#include <cstdint>
#include <memory>

#include "bakkesmod/wrappers/GameWrapper.h"
#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "bakkesmodsdk.h"

namespace BakkesMod {
namespace Plugin {

class BakkesModPlugin;
typedef uintptr_t (*GetPluginFunc)();
typedef void (*deleteFunc)();

// The record exported under the name "exports"; the loader reads it by these offsets.
struct PluginInfo {
    short apiBuildVersion;
    const char* fileName;
    const char* className;
    const char* pluginName;
    const char* pluginVersion;
    const unsigned long pluginType;
    GetPluginFunc initializeFunc;
    deleteFunc delFunc;
};

#define BAKKESMOD_STANDARD_PLUGIN_STUFF BAKKESMOD_PLUGIN_API_VERSION, __FILE__

// getPlugin gives the address of a shared_ptr<classType> holding the one
// plugin object; deleteMe drops it.
#define BAKKESMOD_PLUGIN(classType, pluginName, pluginVersion, pluginType)                                             \
    static std::shared_ptr<classType> singleton;                                                                       \
    extern "C" {                                                                                                       \
    BAKKESMOD_PLUGIN_EXPORT uintptr_t getPlugin() {                                                                    \
        if (!singleton) {                                                                                              \
            singleton = std::shared_ptr<classType>(new classType());                                                   \
        }                                                                                                              \
        return reinterpret_cast<std::uintptr_t>(&singleton);                                                           \
    }                                                                                                                  \
    BAKKESMOD_PLUGIN_EXPORT void deleteMe() {                                                                          \
        if (singleton)                                                                                                 \
            singleton = nullptr;                                                                                       \
    }                                                                                                                  \
    BAKKESMOD_PLUGIN_EXPORT BakkesMod::Plugin::PluginInfo exports = {                                                  \
        BAKKESMOD_STANDARD_PLUGIN_STUFF, #classType, pluginName, pluginVersion, pluginType, getPlugin, deleteMe};      \
    }

// The host's SDK marks this class BAKKESMOD_PLUGIN_EXPORT, which makes an
// MSVC or mingw plugin DLL export its members, type information and vtable
// beside the three symbols the host looks up. The stand-in leaves it unmarked
// so that a plugin's library exports those three only.
class BakkesModPlugin {
public:
    std::shared_ptr<CVarManagerWrapper> cvarManager;
    std::shared_ptr<GameWrapper> gameWrapper;
    virtual void onLoad() {}

    // Notifiers and console variables go with the plugin on their own.
    virtual void onUnload() {}
};

} // namespace Plugin
} // namespace BakkesMod
