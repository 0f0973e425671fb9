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

// The first of the tags followed by four hex digits, or -1.
int idAfter(const std::string& upper, std::initializer_list<std::string_view> tags) {
    for (std::string_view tag : tags) {
        for (auto at = upper.find(tag); at != std::string::npos; at = upper.find(tag, at + 1)) {
            if (const int id = fourHexDigits(upper, at + tag.size()); id >= 0)
                return id;
        }
    }
    return -1;
}

} // namespace

std::optional<UsbIds> idsFromDeviceName(std::string_view name) {
    const std::string upper = upperCase(name);
    const int vendor = idAfter(upper, {"VID_", "VID&0002", "VID&02"});
    if (vendor < 0)
        return std::nullopt;
    const int product = idAfter(upper, {"PID_", "PID&"});
    return UsbIds{static_cast<std::uint16_t>(vendor), static_cast<std::uint16_t>(product < 0 ? 0 : product)};
}

SonyDevice identifySonyDevice(std::string_view name, const platform::HidDeviceIds* info) {
    std::optional<UsbIds> ids;
    if (info != nullptr)
        ids = UsbIds{info->vendorId, info->productId};
    else
        ids = idsFromDeviceName(name);
    if (!ids)
        return {};
    if (const SonyPadModel* model = findSonyPadModel(ids->vendor, ids->product))
        return {SonyDevice::Kind::sonyProtocol, model->protocol, *ids};
    if (isXInputPadId(ids->vendor, ids->product))
        return {SonyDevice::Kind::ignored, SonyProtocol::none, *ids};
    // Sony's own unlisted pads are read as ever: by the calibration, or by
    // the search for the DualShock 4 layout.
    if (ids->vendor == kSonyVendor)
        return {SonyDevice::Kind::sonyProtocol, SonyProtocol::none, *ids};
    if (mayAskVendor(ids->vendor))
        return {SonyDevice::Kind::askCapability, SonyProtocol::none, *ids};
    return {SonyDevice::Kind::ignored, SonyProtocol::none, *ids};
}

} // namespace vtx
