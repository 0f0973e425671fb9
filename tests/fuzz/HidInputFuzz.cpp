// Any bytes through the sink's handler, as one WM_INPUT from a Sony pad of
// any product, under any calibration. The input is read as:
//   byte 0        flags: bit 0 Sony device, bit 1 calibration on, bits 2-4
//                 the device (products with and without a known layout)
//   bytes 1-34    calibration fields (byte indices and masks)
//   bytes 35-36   report size (little-endian), byte 37 report count
//   the rest      the reports, back to back
// The platform layer never announces more reports than it delivered, so the
// count is cut to what the rest holds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "input/RawInputSink.h"
#include "input/SonyCalibration.h"
#include "input/SonyLayouts.h"
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

// Sony devices 1-8: the five products with known layouts (from the device
// information), another Sony product, one known only by its name, one of
// unknown product. Device 9 is not Sony.
constexpr std::uintptr_t nonSony = 9;

void nameDevices() {
    auto& machine = vtxhost::devices();
    const std::uint16_t products[] = {0x05C4, 0x09CC, 0x0BA0, 0x0CE6, 0x0DF2, 0x05C5};
    for (std::uintptr_t i = 0; i < 6; ++i) {
        machine.setDeviceName(i + 1, "");
        machine.setDeviceIds(i + 1, {0x054C, products[i]});
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
    for (std::uint16_t product : {0x05C4, 0x09CC, 0x0BA0, 0x0CE6, 0x0DF2, 0x0000}) {
        vtx::SonyPadState pad;
        const vtx::KnownLayout result = vtx::decodeKnownLayout(product, copy, length, pad);
        // A known layout never reads a report shorter than the short Bluetooth one.
        check(result == vtx::KnownLayout::notCovered || length >= 10);
        check(result == vtx::KnownLayout::decoded || pad == vtx::SonyPadState{});
        check(pad.hat <= 15 && pad.buttons < (1u << 19));
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
    source.handleHidInput({device, reportSize, reportCount, body}, calibration, 1000);
    if (reportCount > 0)
        checkKnownLayout(body, reportSize);
    std::free(body);

    const vtx::RawPadSnapshot s = source.selectedSnapshot();
    std::vector<std::uint8_t> lastReport;
    source.copyLastReport(lastReport);
    if (s.valid) {
        const float stick = 128 / 127.0f;
        check(inRange(s.lx, -stick, stick) && inRange(s.ly, -stick, stick) && inRange(s.rx, -stick, stick) &&
              inRange(s.ry, -stick, stick) && inRange(s.lt, 0, 1) && inRange(s.rt, 0, 1));
        check(s.timestampMs == 1000 && lastReport.size() == reportSize);
    }
    vtx::revalidateCalibration(calibration, lastReport.size());
    return 0;
}
