// F9 and Escape as the viewport tick sees them: rising edges only, Escape
// only while the menu is open, one toggle per frame even with the host's
// own F9 binding in force.
#include "PluginHost.h"

namespace {

constexpr int kF9 = 120;
constexpr int kEscape = 27;

struct MenuKeys : ::testing::Test {
    void SetUp() override {
        if (!VTX_STANDIN_PLATFORM) {
            GTEST_SKIP() << "the plugin reads the real keyboard in this build";
        }
        env.load();
        env.settle();
    }
    void press(int key) {
        vtxhost::devices().setKey(key, true);
        env.host->frame();
    }
    void release(int key) {
        vtxhost::devices().setKey(key, false);
        env.host->frame();
    }
    bool menuOpen() const { return env.host->windowOpen("vtx_menu"); }

    vtxtest::PluginHost env;
};

TEST_F(MenuKeys, HoldingF9TogglesOnce) {
    press(kF9);
    EXPECT_TRUE(menuOpen());
    for (int i = 0; i < 10; ++i) {
        env.host->frame();
    }
    EXPECT_TRUE(menuOpen());
    release(kF9);
    EXPECT_TRUE(menuOpen());
    press(kF9);
    EXPECT_FALSE(menuOpen());
    release(kF9);
}

TEST_F(MenuKeys, EscapeClosesOnlyAnOpenMenu) {
    press(kEscape);
    release(kEscape);
    EXPECT_FALSE(menuOpen());

    press(kF9);
    release(kF9);
    ASSERT_TRUE(menuOpen());
    press(kEscape);
    EXPECT_FALSE(menuOpen());
    env.host->frame();
    EXPECT_FALSE(menuOpen());
    release(kEscape);
}

// The host's binding and its one-toggle-per-frame rule would hide a tick
// that toggled on every frame the key is down; without the binding the
// tick's own rising-edge check is all there is.
TEST_F(MenuKeys, WithoutTheHostBindingTheTickAloneTogglesOncePerPress) {
    env.host->executeCommand("unbind F9");
    press(kF9);
    for (int i = 0; i < 30; ++i) {
        EXPECT_TRUE(menuOpen()) << "frame " << i << " with F9 held";
        env.host->frame();
    }
    release(kF9);
    EXPECT_TRUE(menuOpen());
    press(kF9);
    EXPECT_FALSE(menuOpen());
    env.host->frame();
    EXPECT_FALSE(menuOpen());
    release(kF9);
}

TEST_F(MenuKeys, ToggleCommandOpensAndClosesThroughTheHost) {
    env.host->executeCommand("vtx_togglemenu");
    EXPECT_TRUE(menuOpen());
    env.host->frame();
    env.host->executeCommand("vtx_togglemenu");
    EXPECT_FALSE(menuOpen());
}

} // namespace
