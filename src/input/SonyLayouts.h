#pragma once
// The published input report layouts of the DualShock 4 and the DualSense
// (USB and Bluetooth), chosen by product, report id and report length, and
// read without any calibration.
#include <cstddef>
#include <cstdint>

namespace vtx {

// Every button a known layout carries, one bit each.
enum SonyButton : std::uint32_t {
    sonySquare = 1u << 0,
    sonyCross = 1u << 1,
    sonyCircle = 1u << 2,
    sonyTriangle = 1u << 3,
    sonyL1 = 1u << 4,
    sonyR1 = 1u << 5,
    sonyL2 = 1u << 6, // the digital bit beside the analog trigger
    sonyR2 = 1u << 7,
    sonyShare = 1u << 8, // Create on the DualSense
    sonyOptions = 1u << 9,
    sonyL3 = 1u << 10,
    sonyR3 = 1u << 11,
    sonyPs = 1u << 12,
    sonyTouchpad = 1u << 13,
    sonyMute = 1u << 14,       // DualSense only
    sonyEdgeLeftFn = 1u << 15, // DualSense Edge only, this and the next three
    sonyEdgeRightFn = 1u << 16,
    sonyEdgeLeftPaddle = 1u << 17,
    sonyEdgeRightPaddle = 1u << 18,
};

// One report as its layout states it, before any scaling.
struct SonyPadState {
    std::uint32_t buttons = 0; // SonyButton bits
    std::uint8_t hat = 8;      // 0 up, then clockwise in eighths; 8 and above at rest
    std::uint8_t lx = 128;     // sticks: 0 left / up, 255 right / down
    std::uint8_t ly = 128;
    std::uint8_t rx = 128;
    std::uint8_t ry = 128;
    std::uint8_t l2 = 0; // analog triggers, 0 released
    std::uint8_t r2 = 0;

    bool operator==(const SonyPadState&) const = default;
};

enum class KnownLayout {
    notCovered, // no layout of this product fits this report id and length
    noPadState, // a known report that carries no pad (adapter without a pad, no HID data)
    decoded,
};

// Decodes `report` (report id first) by the layout of `product` for its
// report id and length. `out` is written only when the result is `decoded`.
KnownLayout decodeKnownLayout(std::uint16_t product, const std::uint8_t* report, std::size_t length, SonyPadState& out);

} // namespace vtx
