#include "input/SonyDecode.h"

namespace vtx {
namespace {

float stickAxis(std::uint8_t value) { return static_cast<float>((static_cast<int>(value) - 128) / 127.0); }
float trigger(std::uint8_t value) { return static_cast<float>(value / 255.0); }

// Report bytes are addressed through the calibration's signed indices.
struct Report {
    const std::uint8_t* bytes;
    std::size_t length;

    bool has(std::int32_t index) const { return byteUsable(index, length); }
    std::uint8_t at(std::int32_t index) const { return bytes[static_cast<std::size_t>(index)]; }
};

void calibratedAxis(const Report& r, std::int32_t index, bool invert, float& out) {
    if (!r.has(index))
        return;
    out = stickAxis(r.at(index));
    if (invert)
        out = -out;
}

void calibratedButton(const Report& r, std::int32_t index, std::uint8_t mask, bool& out) {
    if (mask != 0 && r.has(index))
        out = (r.at(index) & mask) != 0;
}

void calibratedDpad(const SonyCalibration& c, const Report& r, RawPadSnapshot& out) {
    if (!r.has(c.dpad_byte) || (c.dpad_shift != 0 && c.dpad_shift != 4))
        return;
    const int n = (r.at(c.dpad_byte) >> c.dpad_shift) & 0x0F;
    // First match only, in this order; diagonals and the rest position match none.
    if (n == c.dpad_up)
        out.dpadUp = true;
    else if (n == c.dpad_right)
        out.dpadRight = true;
    else if (n == c.dpad_down)
        out.dpadDown = true;
    else if (n == c.dpad_left)
        out.dpadLeft = true;
}

// DualShock 4 hat: 0 up, clockwise in eighths, 8 and above at rest.
void hatDirections(int hat, RawPadSnapshot& out) {
    if (hat > 7)
        return;
    out.dpadUp = hat == 7 || hat == 0 || hat == 1;
    out.dpadRight = hat >= 1 && hat <= 3;
    out.dpadDown = hat >= 3 && hat <= 5;
    out.dpadLeft = hat >= 5 && hat <= 7;
}

constexpr int rejected = -999;

// Sticks that sit exactly on an end stop are unlikely, so offsets whose four
// stick bytes are off the ends score best.
int candidateScore(const std::uint8_t* report, std::size_t length, std::size_t o) {
    if (o + 9 >= length || (report[o + 5] & 0x0F) > 8)
        return rejected;
    int score = 0;
    for (std::size_t i = 1; i <= 4; ++i)
        if (report[o + i] != 0 && report[o + i] != 255)
            score += 2;
    return score;
}

} // namespace

void decodeCalibrated(const SonyCalibration& c, const std::uint8_t* report, std::size_t length, std::uint64_t nowMs,
                      RawPadSnapshot& out) {
    const Report r{report, length};
    out = RawPadSnapshot{};
    // A set X flag inverts its axis just as the Y flags do: that is what a
    // user who writes lx_invert=1 into the file asks for.
    calibratedAxis(r, c.lx_byte, c.lx_invert, out.lx);
    calibratedAxis(r, c.ly_byte, c.ly_invert, out.ly);
    calibratedAxis(r, c.rx_byte, c.rx_invert, out.rx);
    calibratedAxis(r, c.ry_byte, c.ry_invert, out.ry);
    if (r.has(c.lt_byte))
        out.lt = trigger(r.at(c.lt_byte));
    if (r.has(c.rt_byte))
        out.rt = trigger(r.at(c.rt_byte));
    calibratedButton(r, c.square_byte, c.square_mask, out.x);
    calibratedButton(r, c.cross_byte, c.cross_mask, out.a);
    calibratedButton(r, c.circle_byte, c.circle_mask, out.b);
    calibratedButton(r, c.triangle_byte, c.triangle_mask, out.y);
    calibratedButton(r, c.l1_byte, c.l1_mask, out.lb);
    calibratedButton(r, c.r1_byte, c.r1_mask, out.rb);
    calibratedDpad(c, r, out);
    out.valid = true;
    out.timestampMs = nowMs;
}

bool decodeHeuristic(const std::uint8_t* report, std::size_t length, std::uint64_t nowMs, RawPadSnapshot& out) {
    int bestScore = rejected;
    std::size_t o = 0;
    for (std::size_t candidate = 0; candidate <= 6; ++candidate) {
        const int score = candidateScore(report, length, candidate);
        if (score > bestScore) {
            bestScore = score;
            o = candidate;
        }
    }
    if (bestScore == rejected)
        return false;

    out = RawPadSnapshot{};
    out.lx = stickAxis(report[o + 1]);
    out.ly = -stickAxis(report[o + 2]);
    out.rx = stickAxis(report[o + 3]);
    out.ry = -stickAxis(report[o + 4]);
    const std::uint8_t face = report[o + 5];
    hatDirections(face & 0x0F, out);
    out.x = (face & 0x10) != 0;
    out.a = (face & 0x20) != 0;
    out.b = (face & 0x40) != 0;
    out.y = (face & 0x80) != 0;
    const std::uint8_t shoulders = report[o + 6];
    out.lb = (shoulders & 0x01) != 0;
    out.rb = (shoulders & 0x02) != 0;
    out.l3 = (shoulders & 0x40) != 0;
    out.r3 = (shoulders & 0x80) != 0;
    out.lt = trigger(report[o + 8]);
    out.rt = trigger(report[o + 9]);
    out.valid = true;
    out.timestampMs = nowMs;
    return true;
}

RawPadSnapshot snapshotFromLayout(const SonyPadState& pad, std::uint64_t nowMs) {
    RawPadSnapshot out;
    out.lx = stickAxis(pad.lx);
    out.ly = -stickAxis(pad.ly);
    out.rx = stickAxis(pad.rx);
    out.ry = -stickAxis(pad.ry);
    out.lt = trigger(pad.l2);
    out.rt = trigger(pad.r2);
    hatDirections(pad.hat, out);
    out.x = (pad.buttons & sonySquare) != 0;
    out.a = (pad.buttons & sonyCross) != 0;
    out.b = (pad.buttons & sonyCircle) != 0;
    out.y = (pad.buttons & sonyTriangle) != 0;
    out.lb = (pad.buttons & sonyL1) != 0;
    out.rb = (pad.buttons & sonyR1) != 0;
    out.l3 = (pad.buttons & sonyL3) != 0;
    out.r3 = (pad.buttons & sonyR3) != 0;
    out.valid = true;
    out.timestampMs = nowMs;
    return out;
}

bool isOwnCalibration(const SonyCalibration& calibration, std::size_t length) {
    static const SonyCalibration builtIn = defaultCalibration();
    // An empty or cut-off file loads as enabled and valid with bindings missing;
    // it must not blank a pad whose layout is known.
    return calibration.enabled && calibration.valid && calibrationComplete(calibration, length) &&
           !(calibration == builtIn);
}

bool decodeSonyReport(const std::uint8_t* report, std::size_t length, const SonyCalibration& calibration,
                      std::uint16_t product, std::uint64_t now, RawPadSnapshot& out) {
    if (report == nullptr || length < minSonyReportLength)
        return false;
    // A calibration the user made with the wizard reads every pad, as it always has.
    if (isOwnCalibration(calibration, length)) {
        decodeCalibrated(calibration, report, length, now, out);
        return true;
    }
    SonyPadState pad;
    switch (decodeKnownLayout(product, report, length, pad)) {
    case KnownLayout::decoded:
        out = snapshotFromLayout(pad, now);
        return true;
    case KnownLayout::noPadState:
        return false;
    case KnownLayout::notCovered:
        break;
    }
    if (calibration.enabled && calibration.valid) {
        decodeCalibrated(calibration, report, length, now, out);
        return true;
    }
    return decodeHeuristic(report, length, now, out);
}

} // namespace vtx
