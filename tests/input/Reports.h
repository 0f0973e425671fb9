#pragma once
// Sony reports for the tests, written as the hex dumps of captured reports.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace vtxtest {

inline std::vector<std::uint8_t> hexReport(const std::string& hex, std::size_t padTo = 0) {
    std::vector<std::uint8_t> bytes;
    std::istringstream in(hex);
    unsigned value = 0;
    while (in >> std::hex >> value)
        bytes.push_back(static_cast<std::uint8_t>(value));
    if (bytes.size() < padTo)
        bytes.resize(padTo, 0); // Windows pads short reports to the longest one
    return bytes;
}

// DualShock 4 over USB, report 0x01, 64 bytes.
inline const std::string ds4UsbTail = " 7D 4F 1A FE FF 03 00 FB FF 16 00 48 20 37 05 00 00 00 00 00 1B 00 00 01 00 80 00 00 00 80 "
                                      "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 ";
inline const std::string ds4UsbIdle = "01 80 80 80 80 08 00 00 00 00" + ds4UsbTail;    // nothing held
inline const std::string ds4UsbTriggers = "01 80 80 80 80 08 0C 00 FF 80" + ds4UsbTail; // L2 255, R2 128
inline const std::string ds4UsbPs = "01 80 80 80 80 08 00 A9 00 00" + ds4UsbTail;       // PS + frame counter
inline const std::string ds4UsbHat3 = "01 80 80 80 80 03 08 00 00 40" + ds4UsbTail;     // down-right, R2 64

// DualShock 4 over Bluetooth, report 0x11, 78 bytes: the state block two
// bytes later. Right stick at X 0xE0, Y 0x40, R2 200, Share + Options.
inline const std::string ds4Bt =
    "11 C0 00 80 80 E0 40 08 38 AC 00 C8 A4 91 1C 01 00 FD FF 02 00 F0 FF 3A 20 E8 04 00 00 00 00 00 08 00 00 01 00 "
    "80 00 00 00 80 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
    "E9 D5 F6 8E";

// The short Bluetooth report 0x01 (10 bytes): Circle + L3 (DS4), Triangle + R1 (DualSense).
inline const std::string ds4BtShort = "01 80 80 80 80 48 40 00 00 00";
inline const std::string dualSenseBtShort = "01 80 80 80 80 88 02 00 00 00";

// DualSense over USB, report 0x01, 64 bytes; `head` is bytes 0-10.
inline std::string dualSenseUsb(const std::string& head) {
    return head + " 00 9C 5A 71 00 FF FF 03 00 FE FF 12 00 08 20 30 02 87 D6 12 00 19 80 00 00 00 80 00 00 00 00 "
                  "00 00 00 00 00 00 00 F1 D5 12 00 18 08 00 00 00 00 00 00 00 00 00";
}
inline const std::string dualSenseIdle = dualSenseUsb("01 80 80 80 80 00 00 3A 08 00 00");
inline const std::string dualSenseR1 = dualSenseUsb("01 80 80 80 80 00 00 3A 08 32 04"); // R1 + Create + Options + Mute
inline const std::string dualSenseL3R3 = dualSenseUsb("01 80 80 80 80 00 00 FF 08 C0 03"); // counter 0xFF, PS + touchpad
// Left stick down-left (32, 224), Circle + hat left, L2 255, L1.
inline const std::string dualSenseCircleLeft = dualSenseUsb("01 20 E0 80 80 FF 00 3A 46 01 00");

} // namespace vtxtest
