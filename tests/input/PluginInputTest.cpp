// Input inside the loaded plugin: the sink lives from load to unload, and
// frames pump it only while the overlay is on.
#include "PluginHost.h"

TEST(PluginInput, SinkFromLoadToUnloadAndPumpedWhileTheOverlayIsOn) {
    vtxtest::PluginHost env;
    env.load();
    env.settle();
    ASSERT_TRUE(vtxhost::devices().sinkExists());
    std::vector<std::uint8_t> report(64, 0x80);
    vtxhost::devices().setDeviceName(0x300, R"(\\?\HID#VID_054C&PID_0CE6&MI_03#8&2a1b3c4d&0&0000)");
    env.host->executeCommand("vtx_enabled 0");
    vtxhost::devices().postHid({0x300, 64, 1, report});
    env.host->frame();
    env.host->executeCommand("vtx_enabled 1");
    EXPECT_EQ(vtxhost::devices().takeHidMessages().size(), 1u); // still waiting
    vtxhost::devices().postHid({0x300, 64, 1, report});
    env.host->frame();
    EXPECT_TRUE(vtxhost::devices().takeHidMessages().empty());
    env.host->unload();
    EXPECT_FALSE(vtxhost::devices().sinkExists());
    env.load(); // a reload gets a sink again
    EXPECT_TRUE(vtxhost::devices().sinkExists());
    env.host->unload();
}
