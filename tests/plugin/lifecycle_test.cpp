// Loading and unloading through the stand-in host, as the real host does:
// what is registered, what is deferred, what an unload leaves behind, and
// that a reload in the same process is drawn again.
#include "PluginHost.h"

namespace {

TEST(Lifecycle, LoadRegistersCommandsHookAndDefersTheDrawable) {
    vtxtest::PluginHost env;
    env.load();
    for (const char* command :
         {"vtx_togglemenu", "vtx_reset_pos", "vtx_save_all", "vtx_hotkey_capture", "vtx_toggle"}) {
        EXPECT_TRUE(env.host->commandExists(command)) << command;
    }
    EXPECT_EQ(env.host->registeredDrawables(), 0u);
    env.host->advance(999'000'000);
    EXPECT_EQ(env.host->registeredDrawables(), 0u);
    env.host->advance(1'000'000);
    EXPECT_EQ(env.host->registeredDrawables(), 1u);
}

TEST(Lifecycle, UnloadDropsRegistrationsButKeepsVariables) {
    vtxtest::PluginHost env;
    env.load();
    env.settle();
    env.host->executeCommand("vtx_enabled 0");
    env.host->unload();
    EXPECT_FALSE(env.host->loaded());
    EXPECT_EQ(env.host->registeredHooks(), 0u);
    EXPECT_EQ(env.host->registeredDrawables(), 0u);
    EXPECT_EQ(env.host->pendingTimers(), 0u);
    EXPECT_FALSE(env.host->commandExists("vtx_toggle"));
    EXPECT_EQ(env.cvar("vtx_enabled"), "0");
    // Frames after the unload must not reach the dropped plugin.
    env.host->frame();
}

TEST(Lifecycle, ReloadInTheSameProcessIsDrawnAgain) {
    vtxtest::PluginHost env;
    for (int cycle = 0; cycle < 3; ++cycle) {
        SCOPED_TRACE(cycle);
        env.load();
        env.settle();
        EXPECT_EQ(env.host->registeredDrawables(), 1u);
        EXPECT_EQ(env.host->registeredHooks(), 30u);
        env.host->unload();
    }
}

TEST(Lifecycle, VariablesKeepTheirValuesAcrossAReload) {
    vtxtest::PluginHost env;
    env.load();
    env.host->executeCommand("vtx_scale 1.5");
    env.host->unload();
    env.load();
    EXPECT_EQ(env.cvar("vtx_scale"), "1.5");
}

TEST(Lifecycle, LoadBindsF9ToTheMenu) {
    vtxtest::PluginHost env;
    env.load();
    vtxhost::devices().setKey(120, true);
    env.host->frame();
    vtxhost::devices().setKey(120, false);
    EXPECT_TRUE(env.host->windowOpen("vtx_menu"));
}

TEST(Lifecycle, UnloadBeforeTheDeferredStartRunsNothingLater) {
    vtxtest::PluginHost env;
    env.load();
    env.host->unload();
    env.settle();
    EXPECT_EQ(env.host->registeredDrawables(), 0u);
}

} // namespace
