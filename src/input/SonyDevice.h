#pragma once
// Which Raw Input devices are Sony pads, and which product each one is.
#include <cstdint>
#include <string_view>

#include "platform/Platform.h"

namespace vtx {

inline constexpr std::uint16_t sonyVendorId = 0x054C;
// Product ids of the pads whose reports have a known layout (USB and Bluetooth alike).
inline constexpr std::uint16_t dualShock4V1 = 0x05C4;
inline constexpr std::uint16_t dualShock4V2 = 0x09CC;
inline constexpr std::uint16_t dualShock4Adapter = 0x0BA0; // the USB wireless adapter
inline constexpr std::uint16_t dualSense = 0x0CE6;
inline constexpr std::uint16_t dualSenseEdge = 0x0DF2;
// No product known: only a calibration or the layout search can read the reports.
inline constexpr std::uint16_t unknownProduct = 0;

struct SonyDevice {
    bool sony = false;
    std::uint16_t product = unknownProduct;
};

// A Raw Input device name names a Sony device: "VID_054C" (USB) or
// "VID&0002054C" (Bluetooth) in any letter case.
bool isSonyDeviceName(std::string_view name);

// The product id in a device name: "PID_xxxx" (USB) or "PID&xxxx"
// (Bluetooth), four hex digits in any case; unknownProduct without one.
std::uint16_t productFromDeviceName(std::string_view name);

// What a device is, from its name and, when Raw Input could give it, its
// device information. The information's ids win: they are there for USB and
// Bluetooth alike, while names differ by connection and driver.
SonyDevice identifySonyDevice(std::string_view name, const platform::HidDeviceIds* ids);

} // namespace vtx
