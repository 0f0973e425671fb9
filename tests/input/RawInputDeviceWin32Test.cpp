// Raw Input's device information as the DLL asks for it, against the
// system's own answers for every device it lists.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "platform/win32/Win32DeviceInfo.h"

using vtx::platform::HidDeviceIds;

namespace {

std::vector<RAWINPUTDEVICELIST> listedDevices() {
    UINT count = 0;
    if (GetRawInputDeviceList(nullptr, &count, sizeof(RAWINPUTDEVICELIST)) != 0)
        return {};
    std::vector<RAWINPUTDEVICELIST> devices(count);
    const UINT got = GetRawInputDeviceList(devices.data(), &count, sizeof(RAWINPUTDEVICELIST));
    devices.resize(got == static_cast<UINT>(-1) ? 0 : got);
    return devices;
}

} // namespace

TEST(DeviceInfoOnWindows, EveryListedDeviceAnswersWithItsType) {
    const auto devices = listedDevices();
    std::printf("%zu Raw Input devices listed\n", devices.size());
    for (const RAWINPUTDEVICELIST& d : devices) {
        RID_DEVICE_INFO info;
        ASSERT_TRUE(vtx::platform::rawInputDeviceInfo(d.hDevice, info));
        EXPECT_EQ(info.dwType, d.dwType);
        HidDeviceIds ids{1, 2};
        const bool hid = vtx::platform::rawInputDeviceIds(reinterpret_cast<vtx::platform::RawDevice>(d.hDevice), ids);
        EXPECT_EQ(hid, d.dwType == RIM_TYPEHID);
        if (hid) {
            EXPECT_EQ(ids.vendorId, info.hid.dwVendorId);
            EXPECT_EQ(ids.productId, info.hid.dwProductId);
        } else {
            EXPECT_EQ(ids.vendorId, 1); // untouched
        }
    }
    RID_DEVICE_INFO info;
    EXPECT_FALSE(vtx::platform::rawInputDeviceInfo(nullptr, info));
    EXPECT_FALSE(vtx::platform::rawInputDeviceInfo(reinterpret_cast<HANDLE>(0x7777), info));
    HidDeviceIds ids;
    EXPECT_FALSE(vtx::platform::rawInputDeviceIds(0x7777, ids));
}

TEST(DeviceInfoOnWindows, IdsOfHidRecordsOnly) {
    RID_DEVICE_INFO info = {};
    info.cbSize = sizeof info;
    info.dwType = RIM_TYPEHID;
    info.hid.dwVendorId = 0x054C;
    info.hid.dwProductId = 0x09CC;
    info.hid.dwVersionNumber = 0x0100;
    HidDeviceIds ids;
    ASSERT_TRUE(vtx::platform::hidIdsFromDeviceInfo(info, ids));
    EXPECT_EQ(ids.vendorId, 0x054C);
    EXPECT_EQ(ids.productId, 0x09CC);
    info.hid.dwProductId = 0x10CE6;
    EXPECT_FALSE(vtx::platform::hidIdsFromDeviceInfo(info, ids));
    info.hid.dwProductId = 0x0CE6;
    info.dwType = RIM_TYPEKEYBOARD;
    EXPECT_FALSE(vtx::platform::hidIdsFromDeviceInfo(info, ids));
}
