// Raw Input names of Sony pads over USB and Bluetooth, against other pads.
#include <gtest/gtest.h>

#include "input/RawInputSink.h"

TEST(SonyDeviceName, UsbAndBluetoothInAnyCase) {
    using vtx::isSonyDeviceName;
    EXPECT_TRUE(isSonyDeviceName(
        R"(\\?\HID#VID_054C&PID_0CE6&MI_03#8&2a1b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})"));
    EXPECT_TRUE(isSonyDeviceName(
        R"(\\?\hid#vid_054c&pid_09cc&mi_03#7&1f882a25&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030})"));
    EXPECT_TRUE(isSonyDeviceName(
        R"(\\?\HID#{00001124-0000-1000-8000-00805f9b34fb}_VID&0002054c_PID&05c4#8&1a2b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})"));
    EXPECT_FALSE(isSonyDeviceName(R"(\\?\HID#VID_045E&PID_02FF&IG_00#7&2a1b3c4d&0&0000)"));
    EXPECT_FALSE(isSonyDeviceName(R"(\\?\HID#{00001124-0000-1000-8000-00805f9b34fb}_VID&0002045e_PID&02e0#)"));
}
