#pragma once
// The host's plugin interface: the base class every plugin derives from and
// the record a plugin library exports to identify itself.
#include <cstdint>
#include <memory>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "bakkesmod/wrappers/gamewrapper.h"

#if defined(_WIN32)
#define BAKKESMOD_PLUGIN_EXPORT extern "C" __declspec(dllexport)
#else
#define BAKKESMOD_PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace BakkesMod::Plugin {

constexpr int BAKKESMOD_PLUGIN_API_VERSION = 95;
constexpr int PLUGINTYPE_FREEPLAY = 1;

class BakkesModPlugin {
public:
    virtual void onLoad() = 0;
    virtual void onUnload() = 0;

    std::shared_ptr<CVarManagerWrapper> cvarManager;
    std::shared_ptr<GameWrapper> gameWrapper;

protected:
    // Plugins are owned through shared pointers whose deleter knows the
    // concrete type, so the table holds only the two lifecycle operations.
    ~BakkesModPlugin() = default;
};

// The record exported under the name "exports"; field order is fixed by the loader.
struct PluginInfo {
    std::int32_t apiVersion;
    const char* sourceFile;
    const char* className;
    const char* displayName;
    const char* versionText;
    std::int32_t pluginType;
    std::uintptr_t (*createFunc)();
    void (*destroyFunc)();
};

} // namespace BakkesMod::Plugin
