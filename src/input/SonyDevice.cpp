#include "input/SonyDevice.h"

#include <cctype>
#include <string>

namespace vtx {
namespace {

std::string upperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Four hex digits at `at` of an upper-cased name, or -1.
int fourHexDigits(const std::string& upper, std::size_t at) {
    if (at + 4 > upper.size())
        return -1;
    int value = 0;
    for (std::size_t i = at; i < at + 4; ++i) {
        const int digit = hexValue(upper[i]);
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

} // namespace

bool isSonyDeviceName(std::string_view name) {
    const std::string upper = upperCase(name);
    // Bluetooth pads are listed under the HID service with the vendor id
    // source 0002 before the vendor id: "..._VID&0002054C_PID&...".
    return upper.find("VID_054C") != std::string::npos || upper.find("VID&0002054C") != std::string::npos;
}

std::uint16_t productFromDeviceName(std::string_view name) {
    const std::string upper = upperCase(name);
    for (const char* tag : {"PID_", "PID&"}) {
        for (auto at = upper.find(tag); at != std::string::npos; at = upper.find(tag, at + 1)) {
            if (const int product = fourHexDigits(upper, at + 4); product >= 0)
                return static_cast<std::uint16_t>(product);
        }
    }
    return unknownProduct;
}

SonyDevice identifySonyDevice(std::string_view name, const platform::HidDeviceIds* ids) {
    if (ids != nullptr && ids->vendorId == sonyVendorId)
        return {true, ids->productId};
    if (!isSonyDeviceName(name))
        return {};
    return {true, productFromDeviceName(name)};
}

} // namespace vtx
