// Raw Input names of Sony pads over USB and Bluetooth, against other pads,
// and the product each device is taken for.
#include <gtest/gtest.h>

#include "input/SonyDevice.h"

namespace {

// The names of the Sony HID notes.
const char* const dualSenseUsb =
    R"(\\?\HID#VID_054C&PID_0CE6&MI_03#8&2a1b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})";
const char* const ds4v2UsbLower =
    R"(\\?\hid#vid_054c&pid_09cc&mi_03#7&1f882a25&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030})";
const char* const ds4v1Bt =
    R"(\\?\HID#{00001124-0000-1000-8000-00805f9b34fb}_VID&0002054c_PID&05c4#8&1a2b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})";
const char* const dualSenseBt =
    R"(\\?\HID#{00001124-0000-1000-8000-00805f9b34fb}_VID&0002054c_PID&0ce6#8&56468dc&4&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})";
const char* const xboxUsb = R"(\\?\HID#VID_045E&PID_02FF&IG_00#7&2a1b3c4d&0&0000)";
const char* const xboxBt = R"(\\?\HID#{00001124-0000-1000-8000-00805f9b34fb}_VID&0002045e_PID&02e0#)";

} // namespace

TEST(SonyDeviceName, UsbAndBluetoothInAnyCase) {
    using vtx::isSonyDeviceName;
    EXPECT_TRUE(isSonyDeviceName(dualSenseUsb));
    EXPECT_TRUE(isSonyDeviceName(ds4v2UsbLower));
    EXPECT_TRUE(isSonyDeviceName(ds4v1Bt));
    EXPECT_TRUE(isSonyDeviceName(dualSenseBt));
    EXPECT_FALSE(isSonyDeviceName(xboxUsb));
    EXPECT_FALSE(isSonyDeviceName(xboxBt));
}

TEST(SonyDeviceName, ProductFromUsbAndBluetoothNames) {
    using vtx::productFromDeviceName;
    EXPECT_EQ(productFromDeviceName(dualSenseUsb), 0x0CE6);
    EXPECT_EQ(productFromDeviceName(ds4v2UsbLower), 0x09CC);
    EXPECT_EQ(productFromDeviceName(ds4v1Bt), 0x05C4);
    EXPECT_EQ(productFromDeviceName(dualSenseBt), 0x0CE6);
    EXPECT_EQ(productFromDeviceName(R"(\\?\HID#VID_054C&PID_0DF2&MI_03#…)"), 0x0DF2);
    EXPECT_EQ(productFromDeviceName(R"(\\?\HID#VID_054C&PID_0BA0&MI_03#…)"), 0x0BA0);
    // No id, or one cut short, and the search goes on to a whole one.
    EXPECT_EQ(productFromDeviceName(R"(\\?\HID#VID_054C#8&2a1b3c4d&0&0000)"), vtx::unknownProduct);
    EXPECT_EQ(productFromDeviceName(R"(\\?\HID#VID_054C&PID_0CE)"), vtx::unknownProduct);
    EXPECT_EQ(productFromDeviceName(R"(\\?\HID#VID_054C&PID_XYZW&PID_05C4)"), 0x05C4);
    EXPECT_EQ(productFromDeviceName(""), vtx::unknownProduct);
}

TEST(SonyDevice, DeviceInformationWinsOverTheName) {
    using vtx::identifySonyDevice;
    const vtx::platform::HidDeviceIds ds4v2{0x054C, 0x09CC}, xbox{0x045E, 0x02FF};
    // The information knows a pad whose name says nothing.
    auto d = identifySonyDevice(R"(\\?\HID#{00001124-0000-1000-8000-00805f9b34fb}_LOCALMFG&0000#)", &ds4v2);
    EXPECT_TRUE(d.sony);
    EXPECT_EQ(d.product, 0x09CC);
    d = identifySonyDevice(dualSenseBt, &ds4v2);
    EXPECT_EQ(d.product, 0x09CC);
    d = identifySonyDevice("", &ds4v2); // no readable name
    EXPECT_TRUE(d.sony && d.product == 0x09CC);
    // Without information, the name.
    d = identifySonyDevice(dualSenseBt, nullptr);
    EXPECT_TRUE(d.sony && d.product == 0x0CE6);
    d = identifySonyDevice(xboxUsb, &xbox);
    EXPECT_FALSE(d.sony);
    d = identifySonyDevice("", nullptr);
    EXPECT_FALSE(d.sony);
}
