#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HostTestSupport.h"
#include "bakkesmod/plugin/bakkesmodplugin.h"

using hosttest::logCount;
using hosttest::logIndex;
using hosttest::TempFolder;

namespace {

constexpr int kF9 = 120;

class PluginLoad : public testing::Test {
protected:
    void SetUp() override {
        hosttest::releaseKey(kF9);
        host.cvarManager()->registerCvar("host_var", "a");
    }
    void load() {
        std::string error;
        ASSERT_TRUE(host.load(VTX_FIXTURE_PLUGIN, &error)) << error;
    }

    TempFolder folder;
    vtxhost::Host host{hosttest::optionsFor(folder)};
};

TEST_F(PluginLoad, LoadFindsTheExportsSetsTheHandlesAndCallsOnLoad) {
    load();
    EXPECT_TRUE(host.loaded());
    EXPECT_EQ(host.pluginClassName(), "FixturePlugin");
    ASSERT_NE(host.plugin(), nullptr);
    EXPECT_NE(host.plugin()->cvarManager, nullptr);
    EXPECT_NE(host.plugin()->gameWrapper, nullptr);
    EXPECT_TRUE(host.commandExists("fx_cmd"));
    EXPECT_EQ(host.cvarValue("fx_value"), "1");
    EXPECT_EQ(host.registeredHooks(), 2u);
    EXPECT_EQ(host.pendingTimers(), 1u);
    EXPECT_EQ(host.registeredDrawables(), 1u);
    // The window gets the context after onLoad; Execute work runs after the load.
    EXPECT_LT(logIndex(host, "fx onLoad done"), logIndex(host, "fx context"));
    EXPECT_LT(logIndex(host, "fx context"), logIndex(host, "fx execute"));
}

TEST_F(PluginLoad, FailuresGiveAReason) {
    std::string error;
    EXPECT_FALSE(host.load(folder.path() / "missing_plugin.so", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(host.loaded());
    load();
    EXPECT_FALSE(host.load(VTX_FIXTURE_PLUGIN, &error));
    EXPECT_EQ(logCount(host, "fx onLoad"), 1);
}

TEST_F(PluginLoad, HostCallsReachThePlugin) {
    load();
    host.executeCommand("fx_cmd a \"b c\"");
    EXPECT_EQ(host.logLines().back(), "fx_cmd|a|b c");
    host.fireEvent("Fx.Event");
    EXPECT_EQ(host.logLines().back(), "fx hook");
    host.executeCommand("host_var b");
    EXPECT_EQ(host.logLines().back(), "fx saw a");
    host.executeCommand("fx_throw");
    EXPECT_EQ(host.logLines().back(), "Exception in plugin callback: boom");
    host.advance(4'900'000'000);
    EXPECT_EQ(logCount(host, "fx timer"), 0);
    host.advance(100'000'000);
    EXPECT_EQ(logCount(host, "fx timer"), 1);
    host.frame();
    ASSERT_EQ(host.lastFrame().ops.size(), 1u);
    EXPECT_EQ(host.lastFrame().x, 7);
}

TEST_F(PluginLoad, WindowOpensClosesAndRendersInsideAGuiFrame) {
    load();
    host.executeCommand("togglemenu fx_menu");
    EXPECT_TRUE(host.windowOpen("fx_menu"));
    EXPECT_EQ(logCount(host, "fx open"), 1);
    host.frame();
    host.frame();
    EXPECT_EQ(logCount(host, "fx render 800x600"), 2);

    host.executeCommand("openmenu fx_menu");
    EXPECT_EQ(logCount(host, "fx open"), 1);
    host.executeCommand("closemenu fx_menu");
    EXPECT_FALSE(host.windowOpen("fx_menu"));
    EXPECT_EQ(logCount(host, "fx close"), 1);
    host.frame();
    EXPECT_EQ(logCount(host, "fx render 800x600"), 2);

    host.executeCommand("togglemenu nope");
    EXPECT_EQ(host.logLines().back(), "Unknown menu: nope");
}

TEST_F(PluginLoad, TogglesWithinOneFrameCountOnce) {
    load();
    // F9 both bound in the host and checked by the plugin's own tick hook.
    host.executeCommand("bind F9 \"togglemenu fx_menu\"");
    vtxhost::devices().setKey(kF9, true);
    host.frame();
    EXPECT_TRUE(host.windowOpen("fx_menu"));
    EXPECT_EQ(logCount(host, "fx close"), 0);
    vtxhost::devices().setKey(kF9, false);
    host.frame();
    EXPECT_TRUE(host.windowOpen("fx_menu"));
    vtxhost::devices().setKey(kF9, true);
    host.frame();
    EXPECT_FALSE(host.windowOpen("fx_menu"));
    EXPECT_EQ(logCount(host, "fx open"), 1);
    EXPECT_EQ(logCount(host, "fx close"), 1);
    hosttest::releaseKey(kF9);

    // Between frames each executed line is a frame of its own...
    host.executeCommand("togglemenu fx_menu");
    host.executeCommand("togglemenu fx_menu");
    EXPECT_FALSE(host.windowOpen("fx_menu"));
    // ...and one line asking twice toggles once.
    host.executeCommand("togglemenu fx_menu; togglemenu fx_menu");
    EXPECT_TRUE(host.windowOpen("fx_menu"));
}

TEST_F(PluginLoad, UnloadDropsRegistrationsButKeepsVariablesAndBindings) {
    load();
    host.executeCommand("bind F9 \"fx_cmd\"; fx_value 7; togglemenu fx_menu");
    host.unload();

    EXPECT_FALSE(host.loaded());
    EXPECT_EQ(host.plugin(), nullptr);
    EXPECT_LT(logIndex(host, "fx onUnload"), logIndex(host, "fx destroyed"));
    EXPECT_EQ(host.registeredHooks(), 0u);
    EXPECT_EQ(host.pendingTimers(), 0u);
    EXPECT_EQ(host.registeredDrawables(), 0u);
    EXPECT_FALSE(host.commandExists("fx_cmd"));
    EXPECT_FALSE(host.windowOpen("fx_menu"));
    EXPECT_EQ(host.cvarValue("fx_value"), "7");
    EXPECT_EQ(host.bindings().at(kF9), "fx_cmd");

    const auto before = host.logLines().size();
    host.executeCommand("host_var z");
    host.advance(10'000'000'000);
    host.frame();
    EXPECT_EQ(host.logLines().size(), before);
    EXPECT_TRUE(host.lastFrame().ops.empty());
    host.executeCommand("fx_cmd");
    EXPECT_EQ(host.logLines().back(), "Unknown command: fx_cmd");
}

// The event's callbacks were copied before they ran: the plugin's copy must
// not outlive its library.
TEST_F(PluginLoad, HostCallbackMayUnloadThePluginMidEvent) {
    load();
    host.gameWrapper()->HookEvent("Fx.Event", [this](std::string) { host.unload(); });
    host.fireEvent("Fx.Event");
    EXPECT_FALSE(host.loaded());
    EXPECT_EQ(logCount(host, "fx hook"), 1);
    load();
    host.fireEvent("Fx.Event");
    EXPECT_FALSE(host.loaded());
}

TEST_F(PluginLoad, LoadsAgainAfterUnload) {
    load();
    host.executeCommand("fx_value 7");
    host.unload();
    load();
    EXPECT_EQ(logCount(host, "fx onLoad"), 2);
    EXPECT_EQ(host.cvarValue("fx_value"), "7");
    EXPECT_EQ(host.registeredHooks(), 2u);
    host.executeCommand("fx_cmd again");
    EXPECT_EQ(host.logLines().back(), "fx_cmd|again");
    host.unload();
}

TEST_F(PluginLoad, HandlesOutliveTheirPlugin) {
    load();
    auto cvars = host.plugin()->cvarManager;
    auto game = host.plugin()->gameWrapper;
    CVarWrapper value = cvars->getCvar("fx_value");
    host.unload();

    bool ran = false;
    cvars->registerNotifier(
        "late", [&](std::vector<std::string>) { ran = true; }, "", 0);
    game->HookEvent("Fx.Event", [&](std::string) { ran = true; });
    game->SetTimeout([&](GameWrapper*) { ran = true; }, 0.0f);
    game->Execute([&](GameWrapper*) { ran = true; });
    game->RegisterDrawable([&](CanvasWrapper) { ran = true; });
    value.addOnValueChanged([&](std::string, CVarWrapper) { ran = true; });
    value.setValue(9);
    host.executeCommand("late");
    host.fireEvent("Fx.Event");
    host.frame();

    EXPECT_FALSE(ran);
    EXPECT_FALSE(host.commandExists("late"));
    EXPECT_EQ(host.registeredHooks() + host.pendingTimers() + host.registeredDrawables(), 0u);
    EXPECT_EQ(host.cvarValue("fx_value"), "9");
    EXPECT_EQ(game->GetDataFolder(), folder.path());
    cvars->log("still logs");
    EXPECT_EQ(host.logLines().back(), "still logs");
}

// Wrappers name their plugin by its class, which a second load shares: what
// the first load's handles register after the plugin came back must still go
// with the first load, whose code is gone.
TEST_F(PluginLoad, HandlesOfAnEarlierLoadStayWithIt) {
    load();
    auto cvars = host.plugin()->cvarManager;
    auto game = host.plugin()->gameWrapper;
    host.unload();
    load();

    bool ran = false;
    CVarWrapper value = cvars->getCvar("fx_value");
    ASSERT_FALSE(value.IsNull());
    value.addOnValueChanged([&](std::string, CVarWrapper) { ran = true; });
    CVarWrapper made = cvars->registerCvar("fx_late", "0");
    made.addOnValueChanged([&](std::string, CVarWrapper) { ran = true; });
    cvars->registerNotifier(
        "late", [&](std::vector<std::string>) { ran = true; }, "", 0);
    game->HookEvent("Fx.Event", [&](std::string) { ran = true; });
    host.executeCommand("fx_value 4");
    host.executeCommand("fx_late 1");
    host.executeCommand("late");
    host.fireEvent("Fx.Event");
    EXPECT_FALSE(ran);
    EXPECT_EQ(host.cvarValue("fx_value"), "4");

    // The current load's own handles work.
    CVarWrapper current = host.plugin()->cvarManager->getCvar("fx_value");
    current.addOnValueChanged([&](std::string old, CVarWrapper now) { ran = old == "4" && now.getIntValue() == 5; });
    host.executeCommand("fx_value 5");
    EXPECT_TRUE(ran);
    host.unload();
}

TEST_F(PluginLoad, ChangeCallbacksGetTheVariableAsTheirPluginsHandle) {
    load();
    int seen = 0;
    CVarWrapper value = host.plugin()->cvarManager->getCvar("fx_value");
    value.addOnValueChanged([&](std::string, CVarWrapper now) {
        ++seen;
        // A callback added through the handle it was given belongs to the plugin too.
        if (seen == 1)
            now.addOnValueChanged([&](std::string, CVarWrapper) { seen += 10; });
    });
    host.executeCommand("fx_value 2");
    host.executeCommand("fx_value 3");
    EXPECT_EQ(seen, 12);
    host.unload();
    host.executeCommand("fx_value 4");
    EXPECT_EQ(seen, 12);
}

} // namespace
