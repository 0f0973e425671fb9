// The host's window thread: the plugin windows' operations on a thread of
// their own, the frame's drawing beside its game-thread part, and what a
// window asks of the game thread handed over to it, settled when frame()
// returns. The fixture says on which thread each call ran ("... on the game
// thread" is the thread that loaded it, this test's).
#include <gtest/gtest.h>

#include "HostTestSupport.h"
#include "bakkesmod/wrappers/cvarmanagerwrapper.h"

using hosttest::logCount;
using hosttest::logIndex;
using hosttest::TempFolder;

namespace {

constexpr int kF9 = 120;

class WindowThread : public testing::Test {
protected:
    void SetUp() override {
        // Registered first, the fixture's own registration keeps this value.
        host.cvarManager()->registerCvar("fx_threads", "1");
        host.setWindowThread(true);
        std::string error;
        ASSERT_TRUE(host.load(VTX_FIXTURE_PLUGIN, &error)) << error;
    }

    TempFolder folder;
    vtxhost::Host host{hosttest::optionsFor(folder)};
};

TEST_F(WindowThread, WindowOperationsRunOnTheirOwnThreadAndEverythingElseOnTheGameThread) {
    EXPECT_TRUE(host.windowThread());
    EXPECT_EQ(logCount(host, "fx SetImGuiContext on another thread"), 1);
    host.executeCommand("openmenu fx_menu");
    EXPECT_EQ(logCount(host, "fx OnOpen on another thread"), 1);
    host.frame();
    EXPECT_EQ(logCount(host, "fx Render on another thread"), 1);
    EXPECT_EQ(logCount(host, "fx drawable on the game thread"), 1);
    EXPECT_EQ(logCount(host, "fx render 800x600"), 1); // the host's Dear ImGui frame, on that thread
    host.executeCommand("fx_cmd typed");
    EXPECT_EQ(logCount(host, "fx_cmd on the game thread"), 1);
    host.executeCommand("closemenu fx_menu");
    EXPECT_EQ(logCount(host, "fx OnClose on another thread"), 1);

    // Off again: one thread for everything, as before.
    host.setWindowThread(false);
    EXPECT_FALSE(host.windowThread());
    host.executeCommand("openmenu fx_menu");
    host.frame();
    EXPECT_EQ(logCount(host, "fx OnOpen on the game thread"), 1);
    EXPECT_EQ(logCount(host, "fx Render on the game thread"), 1);
    EXPECT_EQ(logCount(host, "fx Render on another thread"), 1);
    EXPECT_EQ(logCount(host, "fx render 800x600"), 2);
}

TEST_F(WindowThread, AFrameRunsTheDrawableWhileTheWindowRenders) {
    host.executeCommand("openmenu fx_menu; fx_meet 1");
    for (int i = 0; i < 3; ++i)
        host.frame();
    // Each waited for the other inside the same frame: they overlapped.
    EXPECT_EQ(logCount(host, "fx drawable met render"), 3);
    EXPECT_EQ(logCount(host, "fx render met drawable"), 3);
    EXPECT_EQ(logCount(host, "fx drawable alone"), 0);
    EXPECT_EQ(logCount(host, "fx render alone"), 0);
}

TEST_F(WindowThread, WhatAWindowAsksRunsOnTheGameThreadBeforeTheFrameEnds) {
    host.executeCommand("openmenu fx_menu; fx_render_cmd \"fx_cmd from-render\"; fx_render_value 5");
    host.frame();
    // The value changes at once for the window; its change callback and the
    // command wait for the game thread, after the frame's two halves.
    EXPECT_EQ(logCount(host, "fx Render reads fx_value 5"), 1);
    EXPECT_EQ(host.cvarValue("fx_value"), "5");
    EXPECT_EQ(logCount(host, "fx_value changed from 1 on the game thread"), 1);
    EXPECT_EQ(logCount(host, "fx_cmd|from-render"), 1);
    EXPECT_EQ(logCount(host, "fx_cmd on the game thread"), 1);
    const long render = logIndex(host, "fx Render reads fx_value 5");
    const long drawable = logIndex(host, "fx drawable on the game thread");
    const long changed = logIndex(host, "fx_value changed from 1 on the game thread");
    const long command = logIndex(host, "fx_cmd on the game thread");
    EXPECT_GT(command, render);
    EXPECT_GT(command, drawable);
    EXPECT_LT(command, changed); // in the order the window asked: the command, then the value

    // A window that closes itself: closed, and told so on its own thread, when frame() returns.
    host.executeCommand("fx_render_value \"\"; fx_render_cmd \"closemenu fx_menu\"");
    host.frame();
    EXPECT_FALSE(host.windowOpen("fx_menu"));
    EXPECT_EQ(logCount(host, "fx OnClose on another thread"), 1);
    host.frame();
    EXPECT_EQ(logCount(host, "fx Render on another thread"), 2);
}

TEST_F(WindowThread, AToggleDuringAFrameFollowsItsDrawingAndCountsOnce) {
    hosttest::releaseKey(kF9);
    // F9 both bound in the host and checked by the plugin's own tick hook.
    host.executeCommand("bind F9 \"togglemenu fx_menu\"");
    vtxhost::devices().setKey(kF9, true);
    host.frame();
    EXPECT_TRUE(host.windowOpen("fx_menu"));
    EXPECT_EQ(logCount(host, "fx OnOpen on another thread"), 1);
    // The frame's drawing had begun with the window closed.
    EXPECT_EQ(logCount(host, "fx Render on another thread"), 0);
    vtxhost::devices().setKey(kF9, false);
    host.frame();
    EXPECT_EQ(logCount(host, "fx Render on another thread"), 1);
    vtxhost::devices().setKey(kF9, true);
    host.frame();
    EXPECT_FALSE(host.windowOpen("fx_menu"));
    EXPECT_EQ(logCount(host, "fx OnClose on another thread"), 1);
    EXPECT_EQ(logCount(host, "fx Render on another thread"), 2); // drawn in the frame that closed it
    hosttest::releaseKey(kF9);
}

TEST_F(WindowThread, UnloadAndReloadWhileItRuns) {
    host.executeCommand("openmenu fx_menu");
    host.frame();
    host.unload();
    host.frame(); // no window left to draw
    EXPECT_EQ(logCount(host, "fx Render on another thread"), 1);
    std::string error;
    ASSERT_TRUE(host.load(VTX_FIXTURE_PLUGIN, &error)) << error;
    EXPECT_EQ(logCount(host, "fx SetImGuiContext on another thread"), 2);
    host.executeCommand("openmenu fx_menu");
    host.frame();
    EXPECT_EQ(logCount(host, "fx Render on another thread"), 2);
}

} // namespace
