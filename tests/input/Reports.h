#pragma once
// Captured Sony reports (hex dumps, report id first) for the tests.
#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "SonyVectors.h"

namespace vtxtest {

// `padTo`: Windows pads a short report with zeros to the device's longest one.
inline std::vector<std::uint8_t> hexReport(const std::string& hex, std::size_t padTo = 0) {
    std::vector<std::uint8_t> bytes;
    std::istringstream in(hex);
    for (unsigned v = 0; in >> std::hex >> v;)
        bytes.push_back(static_cast<std::uint8_t>(v));
    bytes.resize(std::max(bytes.size(), padTo), 0);
    return bytes;
}

// DualShock 4 over USB (0x01, 64 bytes): hat 3 (down-right), digital R2, R2 analog 64.
inline const std::string& ds4UsbHat3 = vectors::v7;
// DualShock 4 over Bluetooth (0x11, 78 bytes), the block two bytes later:
// right stick 0xE0/0x40, R2 200, Share + Options.
inline const std::string ds4Bt =
    "11 C0 00 80 80 E0 40 08 38 AC 00 C8 A4 91 1C 01 00 FD FF 02 00 F0 FF 3A 20 E8 04 00 00 00 00 00 08 00 00 01 00 "
    "80 00 00 00 80 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
    "E9 D5 F6 8E";
// Short Bluetooth reports (0x01, 10 bytes): DS4 Circle + L3, DualSense Triangle + R1.
inline const std::string& ds4BtShort = vectors::v10;
inline const std::string& dualSenseBtShort = vectors::v18;

// DualSense over USB (0x01, 64 bytes) from its first 11 bytes.
inline std::string dualSenseUsb(const std::string& head) {
    return head + " 00 9C 5A 71 00 FF FF 03 00 FE FF 12 00 08 20 30 02 87 D6 12 00 19 80 00 00 00 80 00 00 00 00 "
                  "00 00 00 00 00 00 00 F1 D5 12 00 18 08 00 00 00 00 00 00 00 00 00";
}
inline const std::string dualSenseIdle = dualSenseUsb("01 80 80 80 80 00 00 3A 08 00 00");
// R1 + Create + Options + Mute, L3 + R3 + PS + touchpad, counter 0xFF: only R1 is drawn.
inline const std::string dualSenseR1 = dualSenseUsb("01 80 80 80 80 00 00 FF 08 F2 07");
// Left stick down-left (32, 224), Circle + hat left, L2 255, L1.
inline const std::string dualSenseCircleLeft = dualSenseUsb("01 20 E0 80 80 FF 00 3A 46 01 00");

} // namespace vtxtest
