#pragma once
// What a Raw Input HID device is to the plugin: a pad read by its id as a
// Sony-protocol pad, one to ask for its capability report, or nothing it
// reads. Found on first sight, from the device information's ids when
// Windows gives them (USB and Bluetooth alike), else from the device name.
#include <cstdint>
#include <optional>
#include <string_view>

#include "input/SonyPads.h"
#include "platform/Platform.h"

namespace vtx {

struct UsbIds {
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    bool operator==(const UsbIds&) const = default;
};

// The ids in a device name, in any letter case: "VID_xxxx&PID_xxxx" (USB),
// "VID&0002xxxx_PID&xxxx" (Bluetooth, where 0002 says the vendor id is
// USB's) or "VID&02xxxx_PID&xxxx" (Bluetooth LE). Nothing without a vendor;
// a product that cannot be read is 0.
std::optional<UsbIds> idsFromDeviceName(std::string_view name);

struct SonyDevice {
    enum class Kind : std::uint8_t {
        ignored,       // no pad the plugin reads, whatever it sends
        sonyProtocol,  // read as `protocol` (none: a Sony pad of no known layout)
        askCapability, // unlisted, from a maker that may be asked what it speaks
    };
    Kind kind = Kind::ignored;
    SonyProtocol protocol = SonyProtocol::none;
    UsbIds ids;

    bool readAsPad() const { return kind == Kind::sonyProtocol; }
};

// The information's ids win: names differ by connection and driver.
SonyDevice identifySonyDevice(std::string_view name, const platform::HidDeviceIds* ids);

} // namespace vtx
