// Raw Input's device information as the DLL asks for it, against the
// system's own answers for every device it lists; and the feature-report
// read, as far as a system without a pad lets it be checked: the device
// opened by its name, and every way the read must give up quietly.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/win32/Win32DeviceInfo.h"
#include "platform/win32/Win32Hid.h"

extern "C" { // without C linkage in mingw-w64's header
#include <hidsdi.h>
}

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

namespace {

std::array<std::uint8_t, 48> untouchedBuffer() {
    std::array<std::uint8_t, 48> out;
    out.fill(0xEE);
    return out;
}

bool untouched(const std::array<std::uint8_t, 48>& out) { return out == untouchedBuffer(); }

} // namespace

TEST(FeatureReportOnWindows, NoDeviceBehindTheHandleGivesNothing) {
    auto out = untouchedBuffer();
    for (const std::uintptr_t device : {std::uintptr_t{0}, std::uintptr_t{0x7777}, ~std::uintptr_t{0}})
        EXPECT_EQ(vtx::platform::hidFeatureReport(device, 0x03, out), 0u);
    EXPECT_TRUE(untouched(out));
    std::wstring name = L"kept";
    EXPECT_FALSE(vtx::platform::rawInputDeviceNameWide(reinterpret_cast<HANDLE>(0x7777), name));
    EXPECT_EQ(name, L"kept");
}

TEST(FeatureReportOnWindows, AFileThatIsNoHidDeviceGivesNothing) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / L"vtx_not_a_hid_device.bin";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              CREATE_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    auto out = untouchedBuffer();
    EXPECT_EQ(vtx::platform::featureReportFromFile(file, 0x03, out), 0u);
    EXPECT_TRUE(untouched(out));
    CloseHandle(file);
    EXPECT_EQ(vtx::platform::featureReportFromFile(INVALID_HANDLE_VALUE, 0x03, out), 0u);
}

// Wine lists its keyboard and mouse as HID devices that declare no feature
// report. Whatever a system lists: the whole name, the narrow call's when
// that fits, and a device under a HID name opens as one without access rights.
TEST(FeatureReportOnWindows, AListedHidDeviceOpensByItsWholeName) {
    for (const RAWINPUTDEVICELIST& d : listedDevices()) {
        std::wstring name;
        ASSERT_TRUE(vtx::platform::rawInputDeviceNameWide(d.hDevice, name));
        char narrow[512];
        const auto device = reinterpret_cast<vtx::platform::RawDevice>(d.hDevice);
        if (vtx::platform::rawInputDeviceName(device, narrow)) {
            std::string ascii;
            for (const wchar_t c : name)
                ascii += c < 0x80 ? static_cast<char>(c) : '?';
            EXPECT_EQ(ascii, narrow);
        }
        if (_wcsnicmp(name.c_str(), LR"(\\?\HID#)", 8) != 0)
            continue;
        HANDLE file = vtx::platform::openRawInputDevice(d.hDevice);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << "error " << GetLastError();
        PHIDP_PREPARSED_DATA preparsed = nullptr;
        ASSERT_TRUE(HidD_GetPreparsedData(file, &preparsed));
        HIDP_CAPS caps = {};
        EXPECT_EQ(HidP_GetCaps(preparsed, &caps), HIDP_STATUS_SUCCESS);
        HidD_FreePreparsedData(preparsed);
        CloseHandle(file);
        if (caps.FeatureReportByteLength == 0) {
            auto out = untouchedBuffer();
            EXPECT_EQ(vtx::platform::hidFeatureReport(device, 0x03, out), 0u);
            EXPECT_TRUE(untouched(out));
        }
    }
}
