// What a HID device is taken for: its ids from the device information or its
// Raw Input name (USB and Bluetooth forms, any letter case), and the lists of
// Sony-protocol pads, XInput pads and makers that may be asked.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "input/SonyDevice.h"

using vtx::SonyDevice;
using vtx::SonyProtocol;
using Kind = vtx::SonyDevice::Kind;

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

vtx::UsbIds ids(const char* name) { return vtx::idsFromDeviceName(name).value_or(vtx::UsbIds{0xFFFF, 0xFFFF}); }

SonyDevice byName(const char* name) { return vtx::identifySonyDevice(name, nullptr); }
SonyDevice byIds(std::uint16_t vendor, std::uint16_t product) {
    const vtx::platform::HidDeviceIds info{vendor, product};
    return vtx::identifySonyDevice("", &info);
}

} // namespace

TEST(DeviceName, IdsFromUsbAndBluetoothNamesInAnyCase) {
    EXPECT_EQ(ids(dualSenseUsb), (vtx::UsbIds{0x054C, 0x0CE6}));
    EXPECT_EQ(ids(ds4v2UsbLower), (vtx::UsbIds{0x054C, 0x09CC}));
    EXPECT_EQ(ids(ds4v1Bt), (vtx::UsbIds{0x054C, 0x05C4}));
    EXPECT_EQ(ids(dualSenseBt), (vtx::UsbIds{0x054C, 0x0CE6}));
    EXPECT_EQ(ids(xboxBt), (vtx::UsbIds{0x045E, 0x02E0}));
    EXPECT_EQ(ids(R"(\\?\HID#{00001812-0000-1000-8000-00805f9b34fb}_Dev_VID&02146b_PID&0d01_REV&0100)"),
              (vtx::UsbIds{0x146B, 0x0D01}))
        << "Bluetooth LE";
    // No id, or one cut short, and the search goes on to a whole one.
    EXPECT_EQ(ids(R"(\\?\HID#VID_054C#8&2a1b3c4d&0&0000)"), (vtx::UsbIds{0x054C, 0}));
    EXPECT_EQ(ids(R"(\\?\HID#VID_054C&PID_XYZW&PID_05C4)"), (vtx::UsbIds{0x054C, 0x05C4}));
    EXPECT_FALSE(vtx::idsFromDeviceName(R"(\\?\HID#VID_05&PID_0CE6)"));
    EXPECT_FALSE(vtx::idsFromDeviceName(""));
}

TEST(SonyDevice, SonysOwnAndOtherMakersPadsByTheirIds) {
    // Sony's pads of the notes, and their layouts.
    EXPECT_EQ(byName(ds4v1Bt).protocol, SonyProtocol::dualShock4);
    EXPECT_EQ(byName(dualSenseUsb).protocol, SonyProtocol::dualSense);
    EXPECT_EQ(byIds(0x054C, 0x0DF2).protocol, SonyProtocol::dualSense) << "DualSense Edge";
    EXPECT_EQ(byIds(0x054C, 0x0BA0).protocol, SonyProtocol::dualShock4Adapter);
    // Other makers' pads that send a DualShock 4's reports, or a DualSense's.
    const struct {
        std::uint16_t vendor, product;
        SonyProtocol protocol;
        const char* pad;
    } others[] = {
        {0x146B, 0x0D01, SonyProtocol::dualShock4, "Nacon Revolution Pro"},
        {0x0E6F, 0x0203, SonyProtocol::dualShock4, "Victrix Pro FS"},
        {0x0E6F, 0x020A, SonyProtocol::dualShock4, "Victrix Pro FS PS4/PS5 in PS4 mode"},
        {0x0E6F, 0x0209, SonyProtocol::dualSense, "the same pad in PS5 mode"},
        {0x1532, 0x100B, SonyProtocol::dualSense, "Razer Wolverine V2 Pro"},
        {0x0F0D, 0x0163, SonyProtocol::dualSense, "HORI Fighting Commander OCTA in PS5 mode"},
        {0x9886, 0x0025, SonyProtocol::dualShock4, "Astro C40"},
    };
    for (const auto& pad : others) {
        const SonyDevice device = byIds(pad.vendor, pad.product);
        EXPECT_EQ(device.kind, Kind::sonyProtocol) << pad.pad;
        EXPECT_EQ(device.protocol, pad.protocol) << pad.pad;
    }
    // By their names too, over USB and Bluetooth, in any letter case.
    EXPECT_EQ(byName(R"(\\?\HID#VID_146B&PID_0D01&MI_03#7&1f882a25&0&0000)").protocol, SonyProtocol::dualShock4);
    EXPECT_EQ(byName(R"(\\?\HID#{00001124-0000-1000-8000-00805f9b34fb}_VID&00021532_PID&100c#8&1&0&0000)").protocol,
              SonyProtocol::dualSense);
}

TEST(SonyDevice, WhoIsAskedAndWhoIsNever) {
    // Unlisted, from makers that may be asked: HORI, Nacon, PDP.
    EXPECT_EQ(byIds(0x0F0D, 0x01F5).kind, Kind::askCapability);
    EXPECT_EQ(byIds(0x3285, 0x0D99).kind, Kind::askCapability);
    EXPECT_EQ(byIds(0x0E6F, 0x0300).kind, Kind::askCapability);
    // Never Logitech, Razer or Thrustmaster: some of their devices lock up.
    EXPECT_EQ(byIds(0x046D, 0xC216).kind, Kind::ignored);
    EXPECT_EQ(byIds(0x1532, 0x0999).kind, Kind::ignored);
    EXPECT_EQ(byIds(0x044F, 0xB10A).kind, Kind::ignored);
    // Pads that present themselves as XInput pads: read through XInput only.
    EXPECT_EQ(byIds(0x0F0D, 0x0164).kind, Kind::ignored) << "HORI OCTA in XInput mode";
    EXPECT_EQ(byIds(0x146B, 0x0603).kind, Kind::ignored);
    EXPECT_EQ(byIds(0x9886, 0x0024).kind, Kind::ignored);
    // Any other maker, and a device whose ids cannot be read.
    EXPECT_EQ(byName(xboxUsb).kind, Kind::ignored);
    EXPECT_EQ(byName(xboxBt).kind, Kind::ignored);
    EXPECT_EQ(byName("").kind, Kind::ignored);
    // Sony's own unlisted products are read as ever (calibration, or the layout search).
    EXPECT_EQ(byIds(0x054C, 0x0268).kind, Kind::sonyProtocol);
    EXPECT_EQ(byIds(0x054C, 0x0268).protocol, SonyProtocol::none);
}

TEST(SonyDevice, DeviceInformationWinsOverTheName) {
    const vtx::platform::HidDeviceIds ds4v2{0x054C, 0x09CC}, xbox{0x045E, 0x02FF};
    // The information knows a pad whose name says nothing.
    EXPECT_EQ(vtx::identifySonyDevice(R"(\\?\HID#{00001124-0000-1000-8000-00805f9b34fb}_LOCALMFG&0000#)", &ds4v2).ids,
              (vtx::UsbIds{0x054C, 0x09CC}));
    EXPECT_EQ(vtx::identifySonyDevice(dualSenseBt, &ds4v2).ids.product, 0x09CC);
    EXPECT_EQ(vtx::identifySonyDevice(dualSenseBt, &xbox).kind, Kind::ignored);
}

TEST(Capability, ABytesAnswerOfTheRightLengthTellsTheProtocol) {
    std::vector<std::uint8_t> answer(48, 0);
    answer[0] = 0x03;
    answer[2] = 0x27;
    EXPECT_EQ(vtx::protocolFromCapability(answer), SonyProtocol::dualShock4);
    answer[2] = 0x28;
    EXPECT_EQ(vtx::protocolFromCapability(answer), SonyProtocol::dualSense);
    answer[2] = 0x29;
    EXPECT_EQ(vtx::protocolFromCapability(answer), SonyProtocol::none);
    answer[2] = 0x28;
    answer.resize(47);
    EXPECT_EQ(vtx::protocolFromCapability(answer), SonyProtocol::none) << "short";
}

TEST(SonyPads, TheReadmesTableIsTheList) {
    std::ifstream readme(std::string(VTX_SOURCE_DIR) + "/README.md", std::ios::binary);
    std::stringstream text;
    text << readme.rdbuf();
    const std::string content = text.str();
    const std::string begin = "<!-- pads:begin -->\n";
    const auto from = content.find(begin);
    const auto to = content.find("<!-- pads:end -->");
    ASSERT_TRUE(from != std::string::npos && to != std::string::npos);
    EXPECT_EQ(content.substr(from + begin.size(), to - from - begin.size()), vtx::sonyPadsMarkdown())
        << "README's table of pads is stale; it should read:\n"
        << vtx::sonyPadsMarkdown();
}
