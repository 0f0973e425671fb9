// The plugin's poll takes its two settings as the console last set them.
#include "PluginHost.h"
#include "core/Catalogue.h"
#include "plugin/Vantrix.h"

namespace {

struct PollSettings : ::testing::Test {
    void SetUp() override {
        if (!VTX_STANDIN_PLATFORM) {
            GTEST_SKIP() << "the plugin reads the real pads in this build";
        }
        plugin.cvarManager = env.host->cvarManager();
        plugin.gameWrapper = env.host->gameWrapper();
        plugin.onLoad();
        vtxhost::devices().xinput[0] = {true, 0x1000, 0, 0, 32767};
    }
    void TearDown() override {
        if (plugin.cvarManager) {
            plugin.onUnload();
        }
        vtxhost::devices().xinput = {};
    }
    void set(const char* name, const char* value) { plugin.cvarManager->getCvar(name).setValue(value); }

    vtxtest::PluginHost env;
    Vantrix plugin;
};

TEST_F(PollSettings, FixedPadIndexIsReadEachPoll) {
    set("vtx_pad", "2");
    plugin.overlay().pollPad();
    EXPECT_FALSE(plugin.overlay().pad().pad.holds(vtx::control("A")));
    set("vtx_pad", "-1");
    plugin.overlay().pollPad();
    EXPECT_TRUE(plugin.overlay().pad().pad.holds(vtx::control("A")));
}

TEST_F(PollSettings, SmoothingThatIsNotANumberFollowsTheStick) {
    set("vtx_stick_smooth", "nan");
    plugin.overlay().pollPad();
    EXPECT_EQ(plugin.overlay().pad().drawnSticks[vtx::kLeft].x, 1.0f);
    set("vtx_stick_smooth", "0.5");
    vtxhost::devices().xinput[0].thumbLX = 0;
    plugin.overlay().pollPad();
    EXPECT_FLOAT_EQ(plugin.overlay().pad().drawnSticks[vtx::kLeft].x, 0.5f);
}

} // namespace
