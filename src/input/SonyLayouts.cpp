#include "input/SonyLayouts.h"

#include "input/SonyDevice.h"

namespace vtx {
namespace {

// The button bits are ordered as the reports order them, so whole bytes move
// into place with one shift each.
static_assert(sonyTriangle == 0x80u >> 4 && sonySquare == 0x10u >> 4, "face buttons: high nibble of the hat byte");
static_assert(sonyL1 == 0x01u << 4 && sonyR3 == 0x80u << 4, "shoulder byte: L1 R1 L2 R2 Share Options L3 R3");
static_assert(sonyPs == 0x01u << 12 && sonyMute == 0x04u << 12, "system byte: PS, touchpad, Mute");
static_assert(sonyEdgeLeftFn == 0x10u << 11 && sonyEdgeRightPaddle == 0x80u << 11, "system byte: Edge buttons");

std::uint32_t faceButtons(std::uint8_t hatByte) { return hatByte >> 4; }
std::uint32_t shoulderButtons(std::uint8_t b) { return std::uint32_t{b} << 4; }

// The hat and face-button byte, the shoulder byte, sticks and triggers of
// both pads; `hatAt` and `triggersAt` are block offsets.
void readCommon(const std::uint8_t* block, std::size_t hatAt, std::size_t triggersAt, SonyPadState& out) {
    out.lx = block[0];
    out.ly = block[1];
    out.rx = block[2];
    out.ry = block[3];
    out.hat = block[hatAt] & 0x0F;
    out.buttons = faceButtons(block[hatAt]) | shoulderButtons(block[hatAt + 1]);
    out.l2 = block[triggersAt];
    out.r2 = block[triggersAt + 1];
}

// DualShock 4 state block (also the first nine bytes of the short Bluetooth
// report of both pads): sticks 0-3, hat and face 4, shoulders 5, PS and
// touchpad in bits 0-1 of 6 (bits 2-7 count frames), L2 7, R2 8.
void readDualShock4Block(const std::uint8_t* block, SonyPadState& out) {
    readCommon(block, 4, 7, out);
    out.buttons |= std::uint32_t{block[6] & 0x03u} << 12;
}

// DualSense state block: sticks 0-3, L2 4, R2 5, a sequence counter 6, hat
// and face 7, shoulders 8, PS / touchpad / Mute and the Edge's buttons 9.
void readDualSenseBlock(const std::uint8_t* block, SonyPadState& out) {
    readCommon(block, 7, 4, out);
    const std::uint8_t system = block[9];
    out.buttons |= (std::uint32_t{system & 0x07u} << 12) | (std::uint32_t{system & 0xF0u} << 11);
}

bool alwaysPresent(const std::uint8_t*) { return true; }
// The wireless adapter keeps reporting while no pad is paired to it, with
// bit 2 of the second status byte set.
bool adapterHasPad(const std::uint8_t* report) { return (report[31] & 0x04) == 0; }
// A full Bluetooth report carries the pad's state only with bit 7 of its first header byte.
bool bluetoothHasHidData(const std::uint8_t* report) { return (report[1] & 0x80) != 0; }

enum class Products { dualShock4, dualShock4Adapter, dualSense };

bool productIn(std::uint16_t product, Products products) {
    switch (products) {
    case Products::dualShock4:
        return product == dualShock4V1 || product == dualShock4V2;
    case Products::dualShock4Adapter:
        return product == dualShock4Adapter;
    case Products::dualSense:
        return product == dualSense || product == dualSenseEdge;
    }
    return false;
}

enum class Length {
    usb,            // exactly 64: a pad's only USB input report
    bluetoothShort, // the 10-byte report, alone or zero-padded to the device's longest report
    bluetoothFull,  // 78 bytes, or more with padding
};

bool lengthFits(Length rule, std::size_t length) {
    switch (rule) {
    case Length::usb:
        return length == 64;
    case Length::bluetoothShort:
        return length >= 10 && length != 64;
    case Length::bluetoothFull:
        return length >= 78;
    }
    return false;
}

struct LayoutRow {
    Products products;
    std::uint8_t firstId; // report ids firstId..lastId
    std::uint8_t lastId;
    Length length;
    std::size_t blockAt; // where the state block starts in the report
    void (*read)(const std::uint8_t* block, SonyPadState& out);
    bool (*padPresent)(const std::uint8_t* report);
};

// DualShock 4 reports 0x12-0x19 (Bluetooth with audio) begin like 0x11.
constexpr LayoutRow layouts[] = {
    {Products::dualShock4, 0x01, 0x01, Length::usb, 1, readDualShock4Block, alwaysPresent},
    {Products::dualShock4Adapter, 0x01, 0x01, Length::usb, 1, readDualShock4Block, adapterHasPad},
    {Products::dualShock4, 0x11, 0x19, Length::bluetoothFull, 3, readDualShock4Block, bluetoothHasHidData},
    {Products::dualShock4, 0x01, 0x01, Length::bluetoothShort, 1, readDualShock4Block, alwaysPresent},
    {Products::dualSense, 0x01, 0x01, Length::usb, 1, readDualSenseBlock, alwaysPresent},
    {Products::dualSense, 0x31, 0x31, Length::bluetoothFull, 2, readDualSenseBlock, alwaysPresent},
    {Products::dualSense, 0x01, 0x01, Length::bluetoothShort, 1, readDualShock4Block, alwaysPresent},
};

const LayoutRow* findLayout(std::uint16_t product, const std::uint8_t* report, std::size_t length) {
    if (report == nullptr || length == 0)
        return nullptr;
    for (const LayoutRow& row : layouts) {
        if (productIn(product, row.products) && report[0] >= row.firstId && report[0] <= row.lastId &&
            lengthFits(row.length, length))
            return &row;
    }
    return nullptr;
}

} // namespace

KnownLayout decodeKnownLayout(std::uint16_t product, const std::uint8_t* report, std::size_t length,
                              SonyPadState& out) {
    const LayoutRow* row = findLayout(product, report, length);
    if (row == nullptr)
        return KnownLayout::notCovered;
    if (!row->padPresent(report))
        return KnownLayout::noPadState;
    SonyPadState state;
    row->read(report + row->blockAt, state);
    out = state;
    return KnownLayout::decoded;
}

} // namespace vtx
