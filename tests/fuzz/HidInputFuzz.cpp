// Any bytes through the Sony source's handler, as one WM_INPUT from a
// Sony-protocol pad of any product, under any calibration, its changes
// watched. The input is read as:
//   byte 0        flags: bit 0 a pad (else a device that is none), bit 1
//                 calibration on, bits 2-4 the device (pads with and without
//                 a known layout)
//   bytes 1-34    calibration fields (byte indices and masks)
//   bytes 35-36   report size (little-endian), byte 37 report count
//   the rest      the reports, back to back
// The platform layer never announces more reports than it delivered, so the
// count is cut to what the rest holds.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "input/SonyCalibration.h"
#include "input/SonyLayouts.h"
#include "input/SonySource.h"
#include "vtxhost/VirtualDevices.h"

namespace {

constexpr std::size_t headerSize = 38;

vtx::SonyCalibration calibrationFrom(const std::uint8_t* b, bool on) {
    // Signed indices around the report: -8..247, so some fall outside it.
    const auto index = [](std::uint8_t v) { return static_cast<std::int32_t>(v) - 8; };
    vtx::SonyCalibration c;
    c.enabled = c.valid = on;
    c.square_byte = index(b[0]);
    c.square_mask = b[1];
    c.cross_byte = index(b[2]);
    c.cross_mask = b[3];
    c.circle_byte = index(b[4]);
    c.circle_mask = b[5];
    c.triangle_byte = index(b[6]);
    c.triangle_mask = b[7];
    c.l1_byte = index(b[8]);
    c.l1_mask = b[9];
    c.r1_byte = index(b[10]);
    c.r1_mask = b[11];
    c.options_byte = index(b[12]);
    c.options_mask = b[13];
    c.dpad_byte = index(b[14]);
    c.dpad_shift = static_cast<std::int32_t>(b[15] % 6) - 1;
    c.dpad_neutral = b[16];
    c.dpad_up = b[17];
    c.dpad_right = b[18];
    c.dpad_down = b[19];
    c.dpad_left = b[20];
    c.lx_byte = index(b[21]);
    c.lx_invert = b[22] & 1;
    c.ly_byte = index(b[23]);
    c.ly_invert = b[24] & 1;
    c.rx_byte = index(b[25]);
    c.rx_invert = b[26] & 1;
    c.ry_byte = index(b[27]);
    c.ry_invert = b[28] & 1;
    c.lt_byte = index(b[29]);
    c.rt_byte = index(b[30]);
    return c;
}

void check(bool condition) {
    if (!condition)
        std::abort();
}

bool inRange(float v, float lo, float hi) { return v >= lo && v <= hi; }

// Devices 1-8: Sony's five products with known layouts and another maker's
// DualSense-protocol pad (from the device information), one known only by its
// Bluetooth name, a Sony pad of no known layout. Device 9 is no pad.
constexpr std::uintptr_t nonSony = 9;

void nameDevices() {
    auto& machine = vtxhost::devices();
    const vtxhost::HidDeviceIds pads[] = {{0x054C, 0x05C4}, {0x054C, 0x09CC}, {0x054C, 0x0BA0},
                                          {0x054C, 0x0CE6}, {0x054C, 0x0DF2}, {0x1532, 0x100B}};
    for (std::uintptr_t i = 0; i < 6; ++i) {
        machine.setDeviceName(i + 1, "");
        machine.setDeviceIds(i + 1, pads[i]);
    }
    machine.setDeviceName(7,
                          R"(\\?\HID#{00001124-0000-1000-8000-00805f9b34fb}_VID&0002054c_PID&09cc#8&30cdc2d8&0&0000)");
    machine.setDeviceName(8, R"(\\?\HID#VID_054C#8&30cdc2d8&0&0000)");
    machine.setDeviceName(nonSony, R"(\\?\HID#VID_045E&PID_02FF&IG_00#7&2a1b3c4d&0&0000)");
}

// The known-layout decoder alone, on an exact-size copy of the first report.
void checkKnownLayout(const std::uint8_t* report, std::size_t length) {
    std::uint8_t* copy = static_cast<std::uint8_t*>(std::malloc(length ? length : 1));
    if (length)
        std::memcpy(copy, report, length);
    for (vtx::SonyProtocol protocol : {vtx::SonyProtocol::dualShock4, vtx::SonyProtocol::dualShock4Adapter,
                                       vtx::SonyProtocol::dualSense, vtx::SonyProtocol::none}) {
        vtx::PadState pad;
        const vtx::KnownLayout result = vtx::decodeKnownLayout(protocol, copy, length, pad);
        // A known layout never reads a report shorter than the short Bluetooth one.
        check(result == vtx::KnownLayout::notCovered || length >= 10);
        check(result == vtx::KnownLayout::decoded || pad == vtx::PadState{});
        check((pad.held >> vtx::kControlCount) == 0);
    }
    std::free(copy);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < headerSize)
        return 0;
    static const bool named = [] {
        nameDevices();
        return true;
    }();
    (void)named;

    vtx::SonyCalibration calibration = calibrationFrom(data + 1, (data[0] & 2) != 0);
    vtx::SonySource source;
    source.setShown(true);
    vtx::ControlWatch watch;

    const std::uint32_t reportSize = data[35] | (data[36] << 8);
    std::uint32_t reportCount = data[37];
    const std::size_t available = size - headerSize;
    if (reportSize == 0)
        reportCount = std::min<std::uint32_t>(reportCount, 4);
    else
        reportCount = std::min<std::uint32_t>(reportCount, static_cast<std::uint32_t>(available / reportSize));

    // An exact-size copy, so reading past the announced reports is caught.
    std::uint8_t* body = static_cast<std::uint8_t*>(std::malloc(available ? available : 1));
    std::memcpy(body, data + headerSize, available);
    const std::uintptr_t device = (data[0] & 1) ? 1 + ((data[0] >> 2) & 7) : nonSony;
    source.handleHidInput({device, reportSize, reportCount, body, 5000}, vtx::SonyDecoding(calibration), 1000, &watch);
    if (reportCount > 0)
        checkKnownLayout(body, reportSize);
    std::free(body);

    vtx::PadState s;
    std::uint64_t decodedAt = 0;
    std::vector<std::uint8_t> lastReport;
    source.copyLastReport(lastReport);
    if (source.selectedPad(s, decodedAt)) {
        const float stick = 128 / 127.0f;
        for (std::size_t side : {vtx::kLeft, vtx::kRight})
            check(inRange(s.sticks[side].x, -stick, stick) && inRange(s.sticks[side].y, -stick, stick) &&
                  inRange(s.triggers[side], 0, 1));
        check(decodedAt == 1000 && lastReport.size() == reportSize);
    }
    // Every change the reports made, each at the message's moment, a
    // control's presses and releases taking turns (the first look only learns).
    std::array<vtx::ControlChange, vtx::ControlChanges::kCapacity> changes;
    const std::size_t count = watch.take(changes);
    std::array<int, vtx::kControlCount> last{}; // 0 none yet, 1 pressed, 2 released
    for (std::size_t i = 0; i < count; ++i) {
        check(changes[i].atNs == 5000 && changes[i].control < vtx::kControlCount);
        int& before = last[changes[i].control];
        check(before == 0 || (before == 1) != changes[i].pressed);
        before = changes[i].pressed ? 1 : 2;
    }
    vtx::revalidateCalibration(calibration, lastReport.size());
    return 0;
}
