#include "input/SonyLayouts.h"

#include <array>
#include <initializer_list>
#include <span>
#include <utility>

namespace vtx {
namespace {

// The controls one report byte holds, bit by bit.
struct BitControl {
    std::uint8_t bit;
    ControlId control;
};

// A byte's value to the controls it holds, worked out when compiled, so
// decoding a byte is one look-up.
using ByteControls = std::array<ControlBits, 256>;
constexpr ByteControls byteTable(std::initializer_list<BitControl> bits) {
    ByteControls table{};
    for (unsigned value = 0; value < 256; ++value)
        for (const BitControl& b : bits)
            if ((value & b.bit) != 0)
                table[value] |= controlBit(b.control);
    return table;
}

// The byte after the hat: shoulders, Share (Create) and Options, the clicks;
// its L2 and R2 bits are read apart, for pads with digital triggers.
constexpr ByteControls kShoulders = byteTable({{0x01, control("LB")},
                                               {0x02, control("RB")},
                                               {0x10, control("Back")},
                                               {0x20, control("Start")},
                                               {0x40, control("L3")},
                                               {0x80, control("R3")}});
// The hat byte's high nibble.
constexpr ByteControls kFace =
    byteTable({{0x10, control("X")}, {0x20, control("A")}, {0x40, control("B")}, {0x80, control("Y")}});
// The DualShock 4's third button byte: its upper six bits count frames.
constexpr ByteControls kDualShock4System = byteTable({{0x01, control("PS")}, {0x02, control("Touchpad")}});
// The DualSense's third button byte, the Edge's four extra buttons included.
constexpr ByteControls kDualSenseSystem = byteTable({{0x01, control("PS")},
                                                     {0x02, control("Touchpad")},
                                                     {0x04, control("Mute")},
                                                     {0x10, control("FnL")},
                                                     {0x20, control("FnR")},
                                                     {0x40, control("PaddleL")},
                                                     {0x80, control("PaddleR")}});
constexpr std::uint8_t kDigitalL2 = 0x04;
constexpr std::uint8_t kDigitalR2 = 0x08;

// A report byte's value as an axis or a pressure, worked out when compiled:
// a report is decoded hundreds of times a second, and a division costs more
// than the rest of its decode.
template <typename Value> constexpr std::array<float, 256> byteValues(Value value) {
    std::array<float, 256> table{};
    for (int v = 0; v < 256; ++v)
        table[static_cast<std::size_t>(v)] = value(v);
    return table;
}
constexpr std::array<float, 256> kStickAxis = byteValues([](int v) { return static_cast<float>((v - 128) / 127.0); });
constexpr std::array<float, 256> kPressure = byteValues([](int v) { return static_cast<float>(v / 255.0); });

// The hat's value to the D-pad directions it holds.
constexpr std::array<ControlBits, 16> kHat = [] {
    const ControlBits up = controlBit(control("DU")), right = controlBit(control("DR")),
                      down = controlBit(control("DD")), left = controlBit(control("DL"));
    return std::array<ControlBits, 16>{up, up | right, right, down | right, down, down | left, left, up | left};
}();

// Some pads only set a trigger's button bit and leave its analog byte at 0:
// such a trigger is fully pressed.
float triggerValue(std::uint8_t analog, bool digital) {
    if (digital && analog == 0)
        return 1.0f;
    return kPressure[analog];
}

// What both pads' blocks share: sticks 0-3, the hat and face byte, the
// shoulder byte after it, and the two analog triggers.
void readCommon(const std::uint8_t* block, std::size_t hatAt, std::size_t triggersAt, PadState& out) {
    out.sticks[kLeft] = {sonyStickAxis(block[0]), sonyStickAxis(block[1])};
    out.sticks[kRight] = {sonyStickAxis(block[2]), sonyStickAxis(block[3])};
    const std::uint8_t shoulders = block[hatAt + 1];
    out.held |= kFace[block[hatAt]] | kShoulders[shoulders] | kHat[block[hatAt] & 0x0F];
    out.triggers = {triggerValue(block[triggersAt], (shoulders & kDigitalL2) != 0),
                    triggerValue(block[triggersAt + 1], (shoulders & kDigitalR2) != 0)};
}

// DualShock 4 state block (also the first nine bytes of the short Bluetooth
// report of both pads): sticks 0-3, hat and face 4, shoulders 5, PS and
// touchpad 6, L2 7, R2 8.
void readDualShock4Block(const std::uint8_t* block, PadState& out) {
    readCommon(block, 4, 7, out);
    out.held |= kDualShock4System[block[6]];
}

// DualSense state block: sticks 0-3, L2 4, R2 5, a sequence counter 6, hat
// and face 7, shoulders 8, PS / touchpad / Mute and the Edge's buttons 9.
// Other makers' DualSense-protocol pads share these bytes, and differ after.
void readDualSenseBlock(const std::uint8_t* block, PadState& out) {
    readCommon(block, 7, 4, out);
    out.held |= kDualSenseSystem[block[9]];
}

bool alwaysPresent(const std::uint8_t*) { return true; }
// The wireless adapter keeps reporting while no pad is paired to it, with
// bit 2 of the second status byte set.
bool adapterHasPad(const std::uint8_t* report) { return (report[31] & 0x04) == 0; }
// A full Bluetooth report carries the pad's state only with bit 7 of its first header byte.
bool bluetoothHasHidData(const std::uint8_t* report) { return (report[1] & 0x80) != 0; }

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
    std::uint8_t firstId; // report ids firstId..lastId
    std::uint8_t lastId;
    Length length;
    std::size_t blockAt; // where the state block starts in the report
    void (*read)(const std::uint8_t* block, PadState& out);
    bool (*padPresent)(const std::uint8_t* report);
};

// Each protocol's reports, tried in order. DualShock 4 reports 0x12-0x19
// (Bluetooth with audio) begin like 0x11.
constexpr LayoutRow kDualShock4[] = {
    {0x01, 0x01, Length::usb, 1, readDualShock4Block, alwaysPresent},
    {0x11, 0x19, Length::bluetoothFull, 3, readDualShock4Block, bluetoothHasHidData},
    {0x01, 0x01, Length::bluetoothShort, 1, readDualShock4Block, alwaysPresent},
};
constexpr LayoutRow kDualShock4Adapter[] = {
    {0x01, 0x01, Length::usb, 1, readDualShock4Block, adapterHasPad},
};
constexpr LayoutRow kDualSense[] = {
    {0x01, 0x01, Length::usb, 1, readDualSenseBlock, alwaysPresent},
    {0x31, 0x31, Length::bluetoothFull, 2, readDualSenseBlock, alwaysPresent},
    {0x01, 0x01, Length::bluetoothShort, 1, readDualShock4Block, alwaysPresent},
};

std::span<const LayoutRow> layoutsOf(SonyProtocol protocol) {
    switch (protocol) {
    case SonyProtocol::dualShock4:
        return kDualShock4;
    case SonyProtocol::dualShock4Adapter:
        return kDualShock4Adapter;
    case SonyProtocol::dualSense:
        return kDualSense;
    case SonyProtocol::none:
        break;
    }
    return {};
}

const LayoutRow* findLayout(SonyProtocol protocol, const std::uint8_t* report, std::size_t length) {
    if (report == nullptr || length == 0)
        return nullptr;
    for (const LayoutRow& row : layoutsOf(protocol)) {
        if (report[0] >= row.firstId && report[0] <= row.lastId && lengthFits(row.length, length))
            return &row;
    }
    return nullptr;
}

} // namespace

float sonyStickAxis(std::uint8_t value) { return kStickAxis[value]; }

void pressHat(int hat, PadState& pad) {
    if (hat >= 0 && hat < 16)
        pad.held |= kHat[static_cast<std::size_t>(hat)];
}

KnownLayout decodeKnownLayout(SonyProtocol protocol, const std::uint8_t* report, std::size_t length, PadState& out) {
    const LayoutRow* row = findLayout(protocol, report, length);
    if (row == nullptr)
        return KnownLayout::notCovered;
    if (!row->padPresent(report))
        return KnownLayout::noPadState;
    PadState pad;
    row->read(report + row->blockAt, pad);
    out = pad;
    return KnownLayout::decoded;
}

} // namespace vtx
