// The input subsystem inside the loaded plugin: the sink lives from load to
// unload, the calibration folder appears, frames pump the sink only while
// the overlay is on, and pollPad reads its console variables every call.
#include <dlfcn.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "Vantrix.h"
#include "vtxhost/Host.h"

namespace {

// The built plugin in a stand-in host, with fresh data and Roaming folders.
struct PluginEnv {
    PluginEnv() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        root = std::filesystem::temp_directory_path() / "vtx-input-tests" / test->name();
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "data");
        vtxhost::devices().roamingFolder = root / "roaming";
        vtxhost::HostOptions options;
        options.dataFolder = root / "data";
        host = std::make_unique<vtxhost::Host>(options);
    }
    void load() {
        std::string error;
        ASSERT_TRUE(host->load(VTX_PLUGIN_PATH, &error)) << error;
    }
    // Past the one-second deferred start-up, so frames reach the drawable.
    void settle() {
        for (int i = 0; i < 70; ++i)
            host->frame();
    }
    std::filesystem::path root;
    std::unique_ptr<vtxhost::Host> host;
};

// A plugin object of this program that shares the loaded plugin's console.
std::shared_ptr<CVarManagerWrapper> loadedPluginConsole() {
    void* library = dlopen(VTX_PLUGIN_PATH, RTLD_NOW | RTLD_NOLOAD);
    EXPECT_NE(library, nullptr);
    auto getPlugin = reinterpret_cast<std::uintptr_t (*)()>(dlsym(library, "getPlugin"));
    auto* singleton = reinterpret_cast<std::shared_ptr<BakkesMod::Plugin::BakkesModPlugin>*>(getPlugin());
    auto console = (*singleton)->cvarManager;
    dlclose(library);
    return console;
}

void postSonyReport() {
    std::vector<std::uint8_t> report(64, 0x80);
    vtxhost::devices().setDeviceName(0x300, R"(\\?\HID#VID_054C&PID_0CE6&MI_03#8&2a1b3c4d&0&0000)");
    vtxhost::devices().postHid({0x300, 64, 1, report});
}

} // namespace

TEST(PluginInput, SinkLivesFromLoadToUnloadAndAgainAfterReload) {
    PluginEnv env;
    for (int cycle = 0; cycle < 2; ++cycle) {
        env.load();
        EXPECT_TRUE(vtxhost::devices().sinkExists()) << cycle;
        EXPECT_TRUE(std::filesystem::is_directory(vtxhost::devices().roamingFolder / "bakkesmod" / "bakkesmod" /
                                                  "data" / "Vantrix"));
        env.host->unload();
        EXPECT_FALSE(vtxhost::devices().sinkExists()) << cycle;
    }
}

TEST(PluginInput, FramesPumpTheSinkOnlyWhileTheOverlayIsOn) {
    PluginEnv env;
    env.load();
    env.settle();
    env.host->executeCommand("vtx_enabled 0");
    postSonyReport();
    env.host->frame();
    env.host->executeCommand("vtx_enabled 1");
    EXPECT_EQ(vtxhost::devices().takeHidMessages().size(), 1u); // still waiting
    postSonyReport();
    env.host->frame();
    EXPECT_TRUE(vtxhost::devices().takeHidMessages().empty());
    env.host->unload();
}

TEST(PluginInput, PollPadReadsTheVariablesEveryCall) {
    PluginEnv env;
    env.load();
    Vantrix plugin;
    plugin.cvarManager = loadedPluginConsole();
    auto& pads = vtxhost::devices().xinput;
    pads = {};
    pads[0] = {true, 0x1000};
    pads[2] = {true, 0x2000, 0, 0, 32767};

    plugin.pollPad(); // defaults: auto choice, smoothing 0.90
    EXPECT_TRUE(plugin.pad.a);
    env.host->executeCommand("vtx_pad 2");
    env.host->executeCommand("vtx_stick_smooth 0.5");
    plugin.pollPad();
    EXPECT_TRUE(plugin.pad.b);
    EXPECT_FLOAT_EQ(plugin.pad.lxSmooth, 0.5f);
    env.host->executeCommand("vtx_stick_smooth nan");
    plugin.pollPad();
    EXPECT_FLOAT_EQ(plugin.pad.lxSmooth, 1.0f);
    pads = {};
    env.host->unload();
}
