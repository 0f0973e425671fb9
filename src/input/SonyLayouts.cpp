#include "input/SonyLayouts.h"

#include <array>
#include <initializer_list>
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

// Some pads only set a trigger's button bit and leave its analog byte at 0:
// such a trigger is fully pressed.
float triggerValue(std::uint8_t analog, bool digital) {
    if (digital && analog == 0)
        return 1.0f;
    return static_cast<float>(analog / 255.0);
}

// What both pads' blocks share: sticks 0-3, the hat and face byte, the
// shoulder byte after it, and the two analog triggers.
void readCommon(const std::uint8_t* block, std::size_t hatAt, std::size_t triggersAt, PadState& out) {
    out.sticks[kLeft] = {sonyStickAxis(block[0]), sonyStickAxis(block[1])};
    out.sticks[kRight] = {sonyStickAxis(block[2]), sonyStickAxis(block[3])};
    const std::uint8_t shoulders = block[hatAt + 1];
    out.held |= kFace[block[hatAt]] | kShoulders[shoulders];
    pressHat(block[hatAt] & 0x0F, out);
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

enum class Protocols { dualShock4, dualShock4Adapter, dualSense };

bool protocolIn(SonyProtocol protocol, Protocols protocols) {
    switch (protocols) {
    case Protocols::dualShock4:
        return protocol == SonyProtocol::dualShock4;
    case Protocols::dualShock4Adapter:
        return protocol == SonyProtocol::dualShock4Adapter;
    case Protocols::dualSense:
        return protocol == SonyProtocol::dualSense;
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
    Protocols protocols;
    std::uint8_t firstId; // report ids firstId..lastId
    std::uint8_t lastId;
    Length length;
    std::size_t blockAt; // where the state block starts in the report
    void (*read)(const std::uint8_t* block, PadState& out);
    bool (*padPresent)(const std::uint8_t* report);
};

// DualShock 4 reports 0x12-0x19 (Bluetooth with audio) begin like 0x11.
constexpr LayoutRow kLayouts[] = {
    {Protocols::dualShock4, 0x01, 0x01, Length::usb, 1, readDualShock4Block, alwaysPresent},
    {Protocols::dualShock4Adapter, 0x01, 0x01, Length::usb, 1, readDualShock4Block, adapterHasPad},
    {Protocols::dualShock4, 0x11, 0x19, Length::bluetoothFull, 3, readDualShock4Block, bluetoothHasHidData},
    {Protocols::dualShock4, 0x01, 0x01, Length::bluetoothShort, 1, readDualShock4Block, alwaysPresent},
    {Protocols::dualSense, 0x01, 0x01, Length::usb, 1, readDualSenseBlock, alwaysPresent},
    {Protocols::dualSense, 0x31, 0x31, Length::bluetoothFull, 2, readDualSenseBlock, alwaysPresent},
    {Protocols::dualSense, 0x01, 0x01, Length::bluetoothShort, 1, readDualShock4Block, alwaysPresent},
};

const LayoutRow* findLayout(SonyProtocol protocol, const std::uint8_t* report, std::size_t length) {
    if (report == nullptr || length == 0)
        return nullptr;
    for (const LayoutRow& row : kLayouts) {
        if (protocolIn(protocol, row.protocols) && report[0] >= row.firstId && report[0] <= row.lastId &&
            lengthFits(row.length, length))
            return &row;
    }
    return nullptr;
}

} // namespace

float sonyStickAxis(std::uint8_t value) { return static_cast<float>((static_cast<int>(value) - 128) / 127.0); }

void pressHat(int hat, PadState& pad) {
    if (hat < 0 || hat > 7)
        return;
    if (hat == 7 || hat <= 1)
        pad.press(control("DU"));
    if (hat >= 1 && hat <= 3)
        pad.press(control("DR"));
    if (hat >= 3 && hat <= 5)
        pad.press(control("DD"));
    if (hat >= 5)
        pad.press(control("DL"));
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
